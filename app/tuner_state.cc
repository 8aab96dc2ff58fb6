#include "app/tuner_state.h"

#include <algorithm>
#include <cmath>

std::optional<int32_t> FrameCount(uint32_t sampleRate, float lengthSeconds) {
  const float product = static_cast<float>(sampleRate) * lengthSeconds;
  if (std::isnan(product) || product <= 0.0f) return 0;
  if (product >= 2147483648.0f) return std::nullopt;
  return static_cast<int32_t>(product);
}

float ClampLevel(float percent) {
  if (std::isnan(percent)) return 0.0f;
  return std::clamp(percent, 0.0f, 100.0f);
}

float ClampCents(float cents) {
  if (std::isnan(cents)) return 0.0f;
  return std::clamp(cents, -100.0f, 100.0f);
}
