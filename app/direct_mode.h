// Direct mode: one tone from the command line, then exit.
//   korvane <frequency in Hz> [<seconds> [<device> [<level in percent>]]]
#ifndef KORVANE_APP_DIRECT_MODE_H_
#define KORVANE_APP_DIRECT_MODE_H_

#include "app/tuner_state.h"

// Reads the arguments (args[0] is the frequency; count of them at least 1)
// into state, prints the summary and plays the tone. Also answers -h, --help
// and --version. Returns the exit status: 0 when the tone was played, 1 when
// it was refused or the device failed.
int RunDirectMode(TunerState& state, int count, const char* const* args);

#endif  // KORVANE_APP_DIRECT_MODE_H_
