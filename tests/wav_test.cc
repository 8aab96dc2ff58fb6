#include "output/wav.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> Header(uint32_t rate, int32_t frames) {
  std::vector<uint8_t> header(kWavHeaderBytes);
  FillWavHeader(header.data(), rate, 24, frames);
  return header;
}

TEST(WavHeader, ByteForByte) {
  // 8 s at 44100 Hz: 352800 frames of 3 bytes.
  EXPECT_EQ(Header(44100, 352800),
            (std::vector<uint8_t>{'R', 'I', 'F', 'F', 0x84, 0x26, 0x10, 0x00,
                                  'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                  0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00,
                                  0x44, 0xAC, 0x00, 0x00, 0xCC, 0x04, 0x02, 0x00,
                                  0x03, 0x00, 0x18, 0x00, 'd', 'a', 't', 'a',
                                  0x60, 0x26, 0x10, 0x00}));
  EXPECT_EQ(Header(22050, 0),
            (std::vector<uint8_t>{'R', 'I', 'F', 'F', 0x24, 0x00, 0x00, 0x00,
                                  'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                  0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00,
                                  0x22, 0x56, 0x00, 0x00, 0x66, 0x02, 0x01, 0x00,
                                  0x03, 0x00, 0x18, 0x00, 'd', 'a', 't', 'a',
                                  0x00, 0x00, 0x00, 0x00}));
  // Rates above 2^31 are written whole, not as negative numbers.
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

TEST(Decon, LittleEndian) {
  uint8_t out[4] = {};
  Decon2(0xABCD, out);
  EXPECT_EQ(out[0], 0xCD);
  EXPECT_EQ(out[1], 0xAB);
  Decon4(0x12345678, out);
  EXPECT_EQ(std::vector<uint8_t>(out, out + 4), (std::vector<uint8_t>{0x78, 0x56, 0x34, 0x12}));
  Decon4(2147483647, out);
  EXPECT_EQ(std::vector<uint8_t>(out, out + 4), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0x7F}));
}

}  // namespace
