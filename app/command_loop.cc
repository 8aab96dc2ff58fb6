#include "app/command_loop.h"

#include <csignal>
#include <cstdio>
#include <string>

#include "app/export.h"
#include "app/input.h"
#include "app/menu.h"
#include "app/render.h"
#include "output/play.h"

namespace {

// What the loop does after a command.
enum class Next { Menu, Play, Exit };

// Open strings in standard tuning, lowest string last.
struct TuningPreset {
  const char* command;
  const char* noteName;
  double octaveOffset;
};

constexpr TuningPreset kPresets[] = {
    {"G1", "e", -1}, {"G2", "b", -1}, {"G3", "g", -2}, {"G4", "d", -2},
    {"G5", "a", -2}, {"G6", "e", -3}, {"B1", "g", -3}, {"B2", "d", -3},
    {"B3", "a", -3}, {"B4", "e", -4},
};

constexpr int kMaxOctaves = 4;

// After a prompt: the end of the input ends the session.
Next AfterPrompt(Input read) {
  return read == Input::EndOfInput ? Next::Exit : Next::Menu;
}

// Prints the prompt and reads a decimal into value; a text that is no number
// leaves value as it was.
Next AskFloat(const char* prompt, float& value) {
  std::puts(prompt);
  return AfterPrompt(ReadFloat(value));
}

Next AskFrequency(TunerState& state) {
  const Next next = AskFloat("Enter frequency in Hz", state.frequencyHz);
  state.pitchSource = PitchSource::FromFrequency;
  return next;
}

Next AskLength(TunerState& state) {
  const Next next = AskFloat("Enter length in seconds", state.lengthSeconds);
  if (state.lengthSeconds < 0) state.lengthSeconds = 0;
  return next;
}

Next AskCents(TunerState& state) {
  const Next next = AskFloat("Enter the cents value (-100 to 100)", state.centsOffset);
  state.centsOffset = ClampCents(state.centsOffset);
  return next;
}

Next AskVolume(TunerState& state) {
  const Next next =
      AskFloat("Enter output volume in percent of full scale", state.volumePercent);
  state.volumePercent = ClampLevel(state.volumePercent);
  return next;
}

Next AskOctave(TunerState& state) {
  std::puts("Enter -4 to 4, or 0 for no offset");
  long long entry = 0;
  const Input read = ReadInteger(entry);
  if (read == Input::Value && entry >= -kMaxOctaves && entry <= kMaxOctaves) {
    state.octaveEntry = static_cast<int32_t>(entry);
    state.octaveOffset = static_cast<double>(entry);
  }
  return AfterPrompt(read);
}

Next AskSampleRate(TunerState& state) {
  std::puts("Enter the samplerate");
  long long rate = 0;
  const Input read = ReadInteger(rate);
  // A rate an unsigned 32-bit setting cannot hold is ignored.
  if (read == Input::Value && rate >= 0 && rate <= UINT32_MAX)
    state.sampleRate = rate == 0 ? 44100 : static_cast<uint32_t>(rate);
  return AfterPrompt(read);
}

Next AskDevice(TunerState& state) {
  std::puts("Enter soundcard device name");
  std::string name;
  if (ReadToken(name) == Input::EndOfInput) return Next::Exit;
  // A refused name leaves the device as it was.
  (void)SetName(state.deviceName, name, "Device name");
  return Next::Menu;
}

Next AskExport(TunerState& state) {
  std::puts("Export will be to a 24-bit wave file");
  std::puts("Enter the filename to write to");
  std::string path;
  if (ReadToken(path) == Input::EndOfInput) return Next::Exit;
  if (SetName(state.exportPath, path, "File name")) ExportTone(state);
  return Next::Menu;
}

const TuningPreset* FindPreset(const std::string& token) {
  for (const TuningPreset& preset : kPresets)
    if (token == preset.command) return &preset;
  return nullptr;
}

// A note or preset name: sets the pitch, and asks for the tone.
Next ChooseNote(TunerState& state, const std::string& token) {
  state.pitchSource = PitchSource::FromNote;
  SetTextPrefix(state.noteName, token);
  if (const TuningPreset* preset = FindPreset(token)) {
    SetTextPrefix(state.noteName, preset->noteName);
    state.octaveOffset = preset->octaveOffset;
  }
  return Next::Play;
}

Next Apply(TunerState& state, const std::string& command) {
  state.menuBanner = command == "h" ? MenuBanner::HelpBanner : MenuBanner::NoBanner;
  if (command == "p") return Next::Play;
  if (command == "h") return Next::Menu;
  if (command == "x") return Next::Exit;
  if (command == "o") return AskOctave(state);
  if (command == "s") return AskDevice(state);
  if (command == "r") return AskSampleRate(state);
  if (command == "exp") return AskExport(state);
  if (command == "z") return AskFrequency(state);
  if (command == "l") return AskLength(state);
  if (command == "cn") return AskCents(state);
  if (command == "v") return AskVolume(state);
  return ChooseNote(state, command);
}

extern "C" void StopToneOnInterrupt(int) { StopPlayback(); }

// While it lives, Ctrl-C stops the tone being played rather than the program.
class InterruptStopsTone {
 public:
  InterruptStopsTone() {
    ResetPlaybackStop();
    struct sigaction action {};
    action.sa_handler = StopToneOnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_);
  }
  ~InterruptStopsTone() { sigaction(SIGINT, &previous_, nullptr); }
  InterruptStopsTone(const InterruptStopsTone&) = delete;
  InterruptStopsTone& operator=(const InterruptStopsTone&) = delete;

 private:
  struct sigaction previous_ {};
};

PlayOutcome Play(TunerState& state) {
  const std::optional<int32_t> frames = ToneFrames(state);
  if (!frames) return PlayOutcome::Refused;
  UpdateFrequency(state);
  std::printf("Frequency = %.2f Hz\n", state.frequencyHz);
  const InterruptStopsTone interrupt;
  return PlayTone(state, *frames);
}

}  // namespace

int RunCommandLoop(TunerState& state) {
  state.directMode = false;
  for (;;) {
    UpdateFrequency(state);
    PrintMenu(state);
    std::string command;
    if (ReadToken(command) == Input::EndOfInput) return 0;
    SetTextPrefix(state.commandToken, command);
    const Next next = Apply(state, command);
    if (next == Next::Exit) return 0;
    if (next == Next::Play && Play(state) == PlayOutcome::DeviceFailed) return 1;
  }
}
