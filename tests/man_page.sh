#!/usr/bin/env bash
# The man page renders without a single warning.
#   tests/man_page.sh doc/korvane.1
set -euo pipefail
warnings=$(groff -t -man -ww -z "$1" 2>&1)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
