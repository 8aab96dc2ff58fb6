#include "tone/tone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int32_t kGarbage = 0x5A5A5A5A;

std::vector<int32_t> Tone(float frequencyHz, uint32_t rate, int32_t frames,
                          float level) {
  std::vector<int32_t> buffer(static_cast<size_t>(std::max(frames, 0)) + 1, kGarbage);
  MakeTone(buffer.data(), frequencyHz, rate, frames, level);
  EXPECT_EQ(buffer.back(), kGarbage) << "wrote past the end";
  buffer.pop_back();
  return buffer;
}

// Index one past the last non-zero sample.
size_t SoundingEnd(const std::vector<int32_t>& samples) {
  auto last = std::find_if(samples.rbegin(), samples.rend(),
                           [](int32_t s) { return s != 0; });
  return static_cast<size_t>(samples.rend() - last);
}

bool Silent(const std::vector<int32_t>& samples) { return SoundingEnd(samples) == 0; }

TEST(MakeTone, CutsAfterTheLastWholeCycleThatLeavesASilentTail) {
  EXPECT_EQ(WholeCycleFrames(44100.0 / 440, 352800), 352699);
  EXPECT_EQ(WholeCycleFrames(100.0, 352800), 352700);  // 441 Hz: a cycle lost
  EXPECT_EQ(WholeCycleFrames(44100.0 / 440, 441), 400);
  EXPECT_EQ(WholeCycleFrames(44100.0 / 440, 100), 0);
  EXPECT_EQ(WholeCycleFrames(std::numeric_limits<double>::infinity(), 100), 0);
  EXPECT_EQ(WholeCycleFrames(std::nan(""), 100), 0);
  EXPECT_EQ(WholeCycleFrames(1e300, 2147483647), 0);
  EXPECT_EQ(WholeCycleFrames(2.0, 2147483647), 2147483646);

  std::vector<int32_t> a = Tone(440, 44100, 352800, 25);
  EXPECT_EQ(SoundingEnd(a), 352699u);
  std::vector<int32_t> b = Tone(441, 44100, 352800, 25);
  EXPECT_EQ(SoundingEnd(b), 352700u);
}

TEST(MakeTone, SamplesAreTruncatedSinesAtTheLevel) {
  // Reference values: trunc(sin(i * 440 * 2pi / 44100) * level * 2^23).
  std::vector<int32_t> quarter = Tone(440, 44100, 352800, 25);
  EXPECT_EQ(quarter[0], 0);
  EXPECT_EQ(quarter[1], 131383);
  EXPECT_EQ(quarter[2], 262249);
  EXPECT_EQ(quarter[25], 2097138);
  EXPECT_EQ(quarter[100], -29878);
  EXPECT_EQ(quarter[1000], -297783);
  EXPECT_EQ(quarter[352698], -232579);
  for (int32_t s : quarter) ASSERT_LE(std::abs(s), 2097152);

  std::vector<int32_t> half = Tone(440, 44100, 88200, 50);
  EXPECT_EQ(half[1], 262766);
  EXPECT_EQ(half[25], 4194277);
  EXPECT_EQ(half[88000], 119501);

  EXPECT_EQ(Tone(-440, 44100, 88200, 50), half);
}

TEST(MakeTone, FullScalePeakStaysWithin24Bits) {
  // 11025 Hz at 44100 Hz samples the sine at exactly 1.0 and -1.0.
  std::vector<int32_t> full = Tone(11025, 44100, 8, 100);
  EXPECT_EQ(full, (std::vector<int32_t>{0, 8388607, 0, -8388608, 0, 0, 0, 0}));
}

TEST(MakeTone, SilenceFillsTheWholeBuffer) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_TRUE(Silent(Tone(0.0f, 44100, 4410, 25)));
  EXPECT_TRUE(Silent(Tone(-0.0f, 44100, 4410, 25)));
  EXPECT_TRUE(Silent(Tone(std::nanf(""), 44100, 4410, 25)));
  EXPECT_TRUE(Silent(Tone(440, 44100, 4410, 0)));
  EXPECT_TRUE(Silent(Tone(440, 44100, 4410, std::nanf(""))));
  EXPECT_TRUE(Silent(Tone(440, 0, 4410, 25)));
  EXPECT_TRUE(Silent(Tone(440, 44100, 100, 25)));  // shorter than a cycle
  // Above Nyquist the tone is 22050 Hz, sampled at its zero crossings.
  EXPECT_TRUE(Silent(Tone(30000, 44100, 352800, 100)));
  EXPECT_TRUE(Silent(Tone(inf, 44100, 352800, 100)));
  EXPECT_TRUE(Silent(Tone(-inf, 44100, 352800, 100)));
  // A level out of range is limited, never overflows.
  EXPECT_EQ(Tone(11025, 44100, 8, 1e30f), Tone(11025, 44100, 8, 100));
  EXPECT_TRUE(Silent(Tone(11025, 44100, 8, -50)));
}

TEST(MakeTone, NoFramesWritesNothing) {
  std::vector<int32_t> buffer(4, kGarbage);
  MakeTone(buffer.data(), 440, 44100, 0, 25);
  MakeTone(buffer.data(), 440, 44100, -5, 25);
  EXPECT_EQ(buffer, std::vector<int32_t>(4, kGarbage));
}

TEST(Num24ToChar, PacksLittleEndianTwosComplement) {
  const int32_t samples[] = {-1, 1, kSampleMin, kSampleMax, 0x123456, 0x7F654321};
  std::vector<uint8_t> packed(3 * 6 + 1, 0xEE);
  NUM24_TO_CHAR(samples, packed.data(), 6);
  EXPECT_EQ(packed, (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00,
                                          0x00, 0x00, 0x80, 0xFF, 0xFF, 0x7F,
                                          0x56, 0x34, 0x12, 0x21, 0x43, 0x65,
                                          0xEE}));
  NUM24_TO_CHAR(samples, packed.data(), 0);
  NUM24_TO_CHAR(samples, packed.data(), -1);
  EXPECT_EQ(packed[0], 0xFF);
}

}  // namespace
