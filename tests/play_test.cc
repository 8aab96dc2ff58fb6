#include "output/play.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "tests/support.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// Plays bytes (3 a frame) into a recording in dir, and returns the recording.
std::optional<Wav> PlayAndRecord(const ScratchDir& dir, const std::string& bytes) {
  const std::string device = CaptureDevice(dir.File("cap.wav"));
  uint32_t rate = 44100;
  const auto frames = static_cast<int32_t>(bytes.size() / 3);
  EXPECT_TRUE(PLAY(device.c_str(), rate, 2, frames,
                   reinterpret_cast<const uint8_t*>(bytes.data())));
  EXPECT_EQ(rate, 44100u);
  return ReadWav(dir.File("cap.wav"));
}

std::string Pattern(size_t frames) {
  std::string bytes(3 * frames, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  return bytes;
}

TEST(Play, SendsEveryFrameToBothChannels) {
  // Shorter than a period, a few periods with a remainder, and nothing.
  for (size_t frames : {100u, 5000u, 1u, 0u}) {
    ScratchDir dir;
    const std::string bytes = Pattern(frames);
    std::optional<Wav> wav = PlayAndRecord(dir, bytes);
    ASSERT_TRUE(wav) << frames;
    EXPECT_EQ(wav->channels, 2);
    EXPECT_EQ(wav->bitsPerSample, 24);
    EXPECT_EQ(wav->sampleRate, 44100u);
    EXPECT_EQ(wav->data.size(), 6 * frames);
    EXPECT_TRUE(wav->data == Interleave(bytes, 2)) << frames;
  }
}

TEST(Play, WarnsWhenTheDeviceTakesAnotherRate) {
  // The null device cannot go above 2^31 - 1 Hz.
  uint32_t rate = 4294967295u;
  CaptureStdout();
  EXPECT_TRUE(PLAY("null", rate, 2, 0, nullptr));
  EXPECT_EQ(GetCapturedStdout(),
            "Warning Soundcard Did Not Return Requested Samplerate...this will affect tuning\n"
            "Samplerate = 2147483647\n");
  EXPECT_EQ(rate, 2147483647u);

  // The device's rate is taken for the next tone, which then plays as asked.
  CaptureStdout();
  EXPECT_TRUE(PLAY("null", rate, 2, 0, nullptr));
  EXPECT_EQ(GetCapturedStdout(), "");
}

}  // namespace
