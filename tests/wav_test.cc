#include "output/wav.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> Header(uint32_t rate, int32_t frames) {
  std::vector<uint8_t> header(kWavHeaderBytes);
  FillWavHeader(header.data(), rate, 24, frames);
  return header;
}

// The defaults' header is checked byte for byte on an exported file.
TEST(WavHeader, RatesAbove2To31AreWrittenWhole) {
  const std::vector<uint8_t> high = Header(1431655765, 0);
  EXPECT_EQ(std::vector<uint8_t>(high.begin() + 24, high.begin() + 32),
            (std::vector<uint8_t>{0x55, 0x55, 0x55, 0x55, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(WavHeader, FitsOnlyWhatItsFieldsCanHold) {
  EXPECT_TRUE(WavFits(44100, 24, 715827870));  // chunk size 2^31 - 2
  EXPECT_FALSE(WavFits(44100, 24, 715827871));
  EXPECT_FALSE(WavFits(44100, 24, 2147483647));
  EXPECT_TRUE(WavFits(1431655765, 24, 0));  // byte rate 2^32 - 1
  EXPECT_FALSE(WavFits(1431655766, 24, 0));
}

}  // namespace
