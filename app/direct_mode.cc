#include "app/direct_mode.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/help.h"
#include "app/render.h"

namespace {

// Text that does not begin with a number reads as 0, as strtod has it.
float ReadNumber(const char* text) {
  return static_cast<float>(std::strtod(text, nullptr));
}

// Fills state from the arguments; false (after saying why) when one of them
// cannot be used.
bool ReadArguments(TunerState& state, int count, const char* const* args) {
  state.frequencyHz = ReadNumber(args[0]);
  if (count > 1) {
    const float seconds = ReadNumber(args[1]);
    state.lengthSeconds = seconds < 0 ? 0.0f : seconds;
  }
  if (count > 2 && !SetName(state.deviceName, args[2], "Device name")) return false;
  if (count > 3) state.volumePercent = ClampLevel(ReadNumber(args[3]));
  return true;
}

void PrintSummary(const TunerState& state) {
  std::puts("Korvane Direct Mode");
  std::printf("\tSoundcard:\t%s\n", state.deviceName);
  std::printf("\tFrequency:\t%.2f Hz\n", state.frequencyHz);
  std::printf("\tDuration:\t%.2f sec\n", state.lengthSeconds);
  std::printf("\tLevel:\t%.2f percent\n", state.volumePercent);
}

}  // namespace

int RunDirectMode(TunerState& state, int count, const char* const* args) {
  if (std::strcmp(args[0], "-h") == 0 || std::strcmp(args[0], "--help") == 0) {
    PrintHelpBlock();
    return 0;
  }
  if (std::strcmp(args[0], "--version") == 0) {
    std::puts(kVersionLine);
    return 0;
  }
  if (!ReadArguments(state, count, args)) return 1;
  PrintSummary(state);
  state.directMode = true;
  return RenderAndPlay(state) == PlayOutcome::Played ? 0 : 1;
}
