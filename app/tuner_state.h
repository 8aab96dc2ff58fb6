// The program's settings: one TunerState, owned by main for the whole run and
// handed field by field to the parts that render, play and export tones.
#ifndef KORVANE_APP_TUNER_STATE_H_
#define KORVANE_APP_TUNER_STATE_H_

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

// What decides the frequency of the next tone.
enum class PitchSource {
  FromNote,       // noteName, octaveOffset and centsOffset, recomputed each time
  FromFrequency,  // the frequency typed by the user, as it stands
};

// What the next menu prints above itself.
enum class MenuBanner { TitleBanner, NoBanner, HelpBanner };

struct TunerState {
  bool directMode = false;
  uint32_t sampleRate = 44100;  // Hz; the device may replace it with its own
  float lengthSeconds = 8.0f;   // never negative
  float frequencyHz = 440.0f;   // Hz
  char noteName[4] = "a";
  int32_t octaveEntry = 0;      // the integer last read at the octave prompt
  char commandToken[4] = "";
  float volumePercent = 25.0f;  // percent of full scale, 0 to 100
  float centsOffset = 0.0f;     // -100 to 100
  char deviceName[32] = "default";
  char exportPath[128] = "tone.wav";
  double octaveOffset = 0.0;    // whole octaves, -4 to 4
  PitchSource pitchSource = PitchSource::FromNote;
  MenuBanner menuBanner = MenuBanner::TitleBanner;
};

// Copies text into a fixed text field. A text that does not fit is refused
// (false, field unchanged) rather than cut: a cut device name or file name
// would name another device or file.
template <size_t N>
[[nodiscard]] bool SetText(char (&field)[N], std::string_view text) {
  if (text.size() >= N || text.find('\0') != std::string_view::npos)
    return false;
  std::memcpy(field, text.data(), text.size());
  field[text.size()] = '\0';
  return true;
}

// SetText, and when the text is refused, a line on standard error naming
// what (such as "Device name") and the limit.
template <size_t N>
[[nodiscard]] bool SetName(char (&field)[N], std::string_view text, const char* what) {
  if (SetText(field, text)) return true;
  std::fprintf(stderr, "%s too long (at most %zu characters): %.*s\n", what, N - 1,
               static_cast<int>(text.size()), text.data());
  return false;
}

// Copies the first N - 1 characters of text at most: for the command token
// and the note name, which no longer text could match anyway.
template <size_t N>
void SetTextPrefix(char (&field)[N], std::string_view text) {
  const size_t size = text.size() < N - 1 ? text.size() : N - 1;
  std::memcpy(field, text.data(), size);
  field[size] = '\0';
}

// The frames of a tone: rate times length in single precision, truncated. A
// NaN or negative product gives 0 frames. A product of 2^31 or more (or an
// infinite one) cannot be counted in an int32_t: std::nullopt.
std::optional<int32_t> FrameCount(uint32_t sampleRate, float lengthSeconds);

// Level in percent, limited to 0..100; NaN is silence.
float ClampLevel(float percent);

// Cents, limited to -100..100; NaN is no offset.
float ClampCents(float cents);

#endif  // KORVANE_APP_TUNER_STATE_H_
