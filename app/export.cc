#include "app/export.h"

#include <cstdio>
#include <optional>

#include "app/render.h"
#include "output/wav.h"
#include "pitch/pitch.h"

namespace {

constexpr uint32_t kExportBits = 24;

}  // namespace

void ExportTone(TunerState& state) {
  const std::optional<int32_t> frames = ToneFrames(state);
  if (!frames) return;
  if (!WavFits(state.sampleRate, kExportBits, *frames)) {
    std::fprintf(stderr,
                 "Export refused: %.2f seconds at %u Hz does not fit in a WAV file\n",
                 state.lengthSeconds, state.sampleRate);
    return;
  }
  ToneBuffers tone;
  if (!AllocateTone(*frames, tone)) return;
  // Samples after a header that failed could only make a broken file.
  if (!MAKE_HEADER(state.exportPath, state.sampleRate, kExportBits, *frames)) return;
  UpdateFrequency(state);
  RenderTone(state, *frames, tone);
  WriteFile(state.exportPath, tone.packed.get(), *frames, kExportBits);
}
