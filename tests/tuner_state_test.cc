#include "app/tuner_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/render.h"

namespace {

TEST(FrameCount, RateTimesLengthInSinglePrecision) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(FrameCount(44100, 8.0f), 352800);
  EXPECT_EQ(FrameCount(44100, 0.0022675f), 99);  // 99.9967: truncated
  EXPECT_EQ(FrameCount(44100, 48000.0f), 2116800000);
  EXPECT_EQ(FrameCount(44100, std::nanf("")), 0);
  EXPECT_EQ(FrameCount(0, inf), 0);  // 0 * inf is NaN
  EXPECT_EQ(FrameCount(44100, -1.0f), 0);
  EXPECT_EQ(FrameCount(4294967295u, 0.0f), 0);
  // 2^31 frames and more cannot be counted.
  EXPECT_EQ(FrameCount(44100, 48696.5f), std::nullopt);
  EXPECT_EQ(FrameCount(4294967295u, 1.0f), std::nullopt);
  EXPECT_EQ(FrameCount(44100, inf), std::nullopt);
}

TEST(AllocateTone, RefusesSizesAnAddressSpaceCannotHold) {
  ToneBuffers tone;
  ASSERT_TRUE(AllocateTone(0, tone));
  ASSERT_TRUE(AllocateTone(1000, tone));
  EXPECT_NE(tone.samples, nullptr);
  EXPECT_NE(tone.packed, nullptr);
  if (sizeof(void*) > 4)
    GTEST_SKIP() << "only a 32-bit address space is too small for 2^31 frames";
  // 4 bytes a frame would wrap a 32-bit size_t into a small allocation.
  EXPECT_FALSE(AllocateTone(std::numeric_limits<int32_t>::max(), tone));
  EXPECT_FALSE(AllocateTone(1 << 30, tone));
  EXPECT_EQ(tone.samples, nullptr);
  EXPECT_EQ(tone.packed, nullptr);
}

}  // namespace
