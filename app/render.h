// The road of one tone: frame count, buffers, synthesis, packing, and then
// the sound device. Direct mode and the command loop share it, and export
// shares all but the device.
#ifndef KORVANE_APP_RENDER_H_
#define KORVANE_APP_RENDER_H_

#include <cstdint>
#include <optional>

#include "app/tuner_state.h"
#include "tone/tone.h"

// The two buffers of one tone, released together when it goes out of scope.
struct ToneBuffers {
  SampleBuffer samples;
  PackedSamples packed;
};

enum class PlayOutcome {
  Played,
  Refused,       // too many frames, or no memory for them: nothing was played
  DeviceFailed,  // the device could not be opened or set up: end with status 1
};

// The frame count of the current length and sample rate. A count that cannot
// be held is refused with a line on standard error: std::nullopt.
std::optional<int32_t> ToneFrames(const TunerState& state);

// Allocates both buffers for frames frames. Sizes that cannot be addressed or
// allocated are refused with a line on standard error: false.
[[nodiscard]] bool AllocateTone(int32_t frames, ToneBuffers& tone);

// When the pitch comes from a note, sets frequencyHz to the note's frequency
// (moved by the octave offset and cents) as a float.
void UpdateFrequency(TunerState& state);

// Fills the buffers with the tone of the current frequency and level.
void RenderTone(const TunerState& state, int32_t frames, ToneBuffers& tone);

// Renders frames frames of the current tone and plays them on the current
// device, in stereo. The device's rate, if it differs, replaces sampleRate.
PlayOutcome PlayTone(TunerState& state, int32_t frames);

// ToneFrames, then PlayTone.
PlayOutcome RenderAndPlay(TunerState& state);

#endif  // KORVANE_APP_RENDER_H_
