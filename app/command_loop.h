// The interactive tuner: a menu, then one command read from standard input,
// applied, and played when it asks for sound; again until "x" or the end of
// the input. Several commands may stand on one line, so a script of commands
// can be piped in.
#ifndef KORVANE_APP_COMMAND_LOOP_H_
#define KORVANE_APP_COMMAND_LOOP_H_

#include "app/tuner_state.h"

// Runs the loop on state. Returns the exit status: 0 after "x" or at the end
// of the input, 1 when the sound device could not be opened or set up.
int RunCommandLoop(TunerState& state);

#endif  // KORVANE_APP_COMMAND_LOOP_H_
