// Helpers for the tests: a scratch folder, running the built program in it,
// and reading the WAV files that it writes or that ALSA's file plugin
// records.
#ifndef KORVANE_TESTS_SUPPORT_H_
#define KORVANE_TESTS_SUPPORT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

struct ProgramRun {
  int status = -1;  // exit status, or 128 + signal number
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs the built korvane in dir with args, input on its standard input.
// When interruptAfter is given, sends it Ctrl-C (SIGINT) once that text has
// appeared on its standard output.
ProgramRun RunKorvane(const ScratchDir& dir, const std::vector<std::string>& args,
                      const std::string& input = "",
                      const std::string& interruptAfter = "");

// The whole file; empty when it cannot be read.
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

// What a PCM WAV file holds.
struct Wav {
  uint16_t format = 0;
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint16_t bitsPerSample = 0;
  std::string data;  // the bytes of the data chunk
};
std::optional<Wav> ReadWav(const std::string& path);

// The packed bytes of a tone rendered in process, as the program renders it.
std::string PackedTone(float frequencyHz, uint32_t sampleRate, int32_t frames,
                       float levelPercent);

// The same 3-byte frames on each of channels channels, interleaved: what a
// recording of the program's playback holds.
std::string Interleave(const std::string& mono, int channels);

// An ALSA device name that records playback into file in the working folder.
std::string CaptureDevice(const std::string& file = "cap.wav");

#endif  // KORVANE_TESTS_SUPPORT_H_
