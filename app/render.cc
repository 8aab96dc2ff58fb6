#include "app/render.h"

#include <cstddef>
#include <cstdio>
#include <new>

#include "output/play.h"
#include "pitch/pitch.h"

namespace {

constexpr int kPlaybackChannels = 2;

// Bytes for count items of size bytes each, if an allocation can have them.
// Counted in 64 bits, so that it cannot wrap where size_t has 32.
bool FitsAllocation(int32_t count, uint64_t size) {
  return static_cast<uint64_t>(count) * size <= PTRDIFF_MAX;
}

}  // namespace

std::optional<int32_t> ToneFrames(const TunerState& state) {
  std::optional<int32_t> frames = FrameCount(state.sampleRate, state.lengthSeconds);
  if (!frames) {
    std::fprintf(stderr,
                 "Tone refused: %.2f seconds at %u Hz is more than 2147483647 frames\n",
                 state.lengthSeconds, state.sampleRate);
  }
  return frames;
}

bool AllocateTone(int32_t frames, ToneBuffers& tone) {
  if (frames <= 0) return true;  // nothing to hold
  if (FitsAllocation(frames, sizeof(int32_t)) && FitsAllocation(frames, 3)) {
    tone.samples.reset(new (std::nothrow) int32_t[static_cast<size_t>(frames)]);
    tone.packed.reset(new (std::nothrow) uint8_t[3 * static_cast<size_t>(frames)]);
    if (tone.samples && tone.packed) return true;
  }
  tone = ToneBuffers{};
  std::fprintf(stderr, "Tone refused: not enough memory for %d frames\n", frames);
  return false;
}

void UpdateFrequency(TunerState& state) {
  if (state.pitchSource == PitchSource::FromNote)
    state.frequencyHz = static_cast<float>(
        Get_Freq(state.noteName, state.octaveOffset, state.centsOffset));
}

void RenderTone(const TunerState& state, int32_t frames, ToneBuffers& tone) {
  MakeTone(tone.samples.get(), state.frequencyHz, state.sampleRate, frames,
           state.volumePercent);
  NUM24_TO_CHAR(tone.samples.get(), tone.packed.get(), frames);
}

PlayOutcome PlayTone(TunerState& state, int32_t frames) {
  ToneBuffers tone;
  if (!AllocateTone(frames, tone)) return PlayOutcome::Refused;
  RenderTone(state, frames, tone);
  std::fflush(stdout);  // what was said so far comes before the tone
  if (!PLAY(state.deviceName, state.sampleRate, kPlaybackChannels, frames,
            tone.packed.get()))
    return PlayOutcome::DeviceFailed;
  return PlayOutcome::Played;
}

PlayOutcome RenderAndPlay(TunerState& state) {
  const std::optional<int32_t> frames = ToneFrames(state);
  if (!frames) return PlayOutcome::Refused;
  return PlayTone(state, *frames);
}
