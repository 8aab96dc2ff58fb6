#include "tone/tone.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kFullScale = 8388608.0;  // 2^23

}  // namespace

int32_t WholeCycleFrames(double periodFrames, int32_t frames) {
  // A period below one frame only arises from a broken sample rate; it would
  // make k too large to count.
  if (frames <= 0 || !(periodFrames >= 1.0) || std::isinf(periodFrames))
    return 0;
  // k is the first whole number of cycles that reaches the end of the buffer;
  // the tone keeps k - 1 of them. For k * P >= 0, trunc(k * P) >= frames
  // exactly when k * P >= frames, so doubles decide it without a cast that
  // could overflow. The division only guesses k; the loops make it exact.
  double k = std::ceil(frames / periodFrames);
  while (k > 1 && (k - 1) * periodFrames >= frames) --k;
  while (k * periodFrames < frames) ++k;
  const double kept = (k - 1) * periodFrames;  // below frames, so it fits
  return kept > 0 ? static_cast<int32_t>(kept) : 0;
}

void MakeTone(int32_t* buffer, float frequencyHz, uint32_t sampleRate,
              int32_t frames, float levelPercent) {
  if (frames <= 0) return;
  // Callers clamp the level; clamping again keeps every product in range.
  const float level = std::isnan(levelPercent)
                          ? 0.0f
                          : std::clamp(levelPercent, 0.0f, 100.0f);
  const double amplitude = level / 100.0 * kFullScale;

  double f = std::fabs(frequencyHz);
  const double nyquist = sampleRate * 0.5;
  if (f > nyquist) f = static_cast<float>(nyquist);
  const double period = sampleRate / f;  // frames per cycle
  const double step = f * kTwoPi / sampleRate;  // radians per frame

  const int32_t sounding = WholeCycleFrames(period, frames);
  for (int32_t i = 0; i < sounding; ++i) {
    // At full scale a sine of exactly 1.0 would be +2^23, one past the top.
    const auto sample = static_cast<int32_t>(std::sin(i * step) * amplitude);
    buffer[i] = std::min(sample, kSampleMax);
  }
  std::fill(buffer + sounding, buffer + frames, 0);
}

void NUM24_TO_CHAR(const int32_t* samples, uint8_t* packed, int32_t frames) {
  for (int32_t i = 0; i < frames; ++i) {
    const auto bits = static_cast<uint32_t>(samples[i]);
    packed[3 * static_cast<size_t>(i)] = static_cast<uint8_t>(bits);
    packed[3 * static_cast<size_t>(i) + 1] = static_cast<uint8_t>(bits >> 8);
    packed[3 * static_cast<size_t>(i) + 2] = static_cast<uint8_t>(bits >> 16);
  }
}
