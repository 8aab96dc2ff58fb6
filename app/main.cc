// Korvane: a reference tone for tuning instruments.
//   korvane                      the interactive menu
//   korvane <frequency> [...]    one tone, then exit (see direct_mode.h)
#include "app/command_loop.h"
#include "app/direct_mode.h"
#include "app/tuner_state.h"

int main(int argc, char** argv) {
  TunerState state;
  if (argc > 1) return RunDirectMode(state, argc - 1, argv + 1);
  return RunCommandLoop(state);
}
