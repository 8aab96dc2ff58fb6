#include "app/menu.h"

#include <cmath>
#include <cstdio>

#include "app/help.h"

namespace {

void PrintBanner(MenuBanner banner) {
  switch (banner) {
    case MenuBanner::TitleBanner:
      std::puts("\nKorvane\n");
      break;
    case MenuBanner::HelpBanner:
      PrintHelpBlock();
      break;
    case MenuBanner::NoBanner:
      break;
  }
}

}  // namespace

void PrintMenu(const TunerState& state) {
  PrintBanner(state.menuBanner);
  if (state.pitchSource == PitchSource::FromFrequency)
    std::printf("Enter 'p' to play the current frequency (%.2f Hz)\n", state.frequencyHz);
  else
    std::printf("Enter 'p' to play current note (%.2f Hz)\n", state.frequencyHz);
  std::printf("Enter 'o' to change the octave offset from %.2f\n", state.octaveOffset);
  std::printf("Enter 'l' to change playback length from %.2f seconds\n",
              state.lengthSeconds);
  std::puts("Enter 'z' to set a specific frequency");
  std::printf("Enter 'cn' to change the cent value from %.2f\n\n", state.centsOffset);
  std::printf("Enter 's' to change soundcard device from '%s'\n", state.deviceName);
  std::printf("Enter 'r' to change the samplerate from %u\n", state.sampleRate);
  // Level in dB relative to full scale; silence is minus infinity.
  const float dbfs = 20.0f * std::log10(state.volumePercent / 100.0f);
  std::printf("Enter 'v' to change output volume from %.0f percent (%.2f dBFS)\n",
              state.volumePercent, dbfs);
  std::puts("Enter 'exp' to export to file\n");
  std::puts("Enter 'h' for help and shortcuts");
  std::puts("Enter 'x' to exit");
}
