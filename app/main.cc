// Korvane: a reference tone for tuning instruments.
//   korvane                      the interactive menu
//   korvane <frequency> [...]    one tone, then exit (see direct_mode.h)
#include <cstdio>

#include "app/direct_mode.h"
#include "app/tuner_state.h"

int main(int argc, char** argv) {
  TunerState state;
  if (argc > 1) return RunDirectMode(state, argc - 1, argv + 1);
  std::puts("The interactive menu is not available yet; give a frequency to play a tone.");
  return 0;
}
