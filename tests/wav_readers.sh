#!/usr/bin/env bash
# An exported file opens in other programs' WAV readers: Python's wave module
# and sox, which must both read back the samples that were written.
#   tests/wav_readers.sh [emulator words...] path/to/korvane
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

printf 's null l 0.5 G6 exp tone.wav x\n' | "$@" >/dev/null

python3 - <<'PY'
import wave
with wave.open("tone.wav") as w:
    shape = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes())
    assert shape == (1, 3, 44100, 22050), shape
    frames = w.readframes(w.getnframes())
with open("tone.wav", "rb") as f:
    assert frames == f.read()[44:], "wave read other samples"
PY

sox tone.wav -t raw sox.raw
tail -c +45 tone.wav | cmp - sox.raw
[ "$(soxi -c tone.wav) $(soxi -b tone.wav) $(soxi -s tone.wav)" = "1 24 22050" ]
