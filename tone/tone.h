// Tone rendering: a sine cut after its last whole cycle, then packed into the
// 3-byte little-endian samples that both the sound device and WAV files take.
//
// The cut keeps the wave from stopping mid-cycle, which would click. Neither
// function allocates: the caller owns both buffers for the life of one tone.
#ifndef KORVANE_TONE_TONE_H_
#define KORVANE_TONE_TONE_H_

#include <cstdint>
#include <memory>

// One signed sample per frame, within the 24-bit range.
using SampleBuffer = std::unique_ptr<int32_t[]>;
// Three bytes per frame: bits 0-7, 8-15 and 16-23 of the sample (S24_3LE).
using PackedSamples = std::unique_ptr<uint8_t[]>;

// Largest and smallest 24-bit sample values.
constexpr int32_t kSampleMax = 8388607;
constexpr int32_t kSampleMin = -8388608;

// Fills buffer[0, frames) with a sine of |frequencyHz| (limited to the Nyquist
// frequency) at levelPercent of full scale (0 to 100), sample rate sampleRate
// Hz. Only whole cycles sound; the rest of the buffer is silent. A frequency
// of 0 or NaN gives silence. Writes nothing when frames <= 0.
void MakeTone(int32_t* buffer, float frequencyHz, uint32_t sampleRate,
              int32_t frames, float levelPercent);

// The number of frames that hold whole cycles of a period of periodFrames
// frames, short of a buffer of frames frames: always less than frames, so the
// last sample is silent. 0 for a period that is not finite or is shorter
// than one frame.
int32_t WholeCycleFrames(double periodFrames, int32_t frames);

// Packs samples[0, frames) into packed[0, 3 * frames); bits above 23 are
// dropped. Writes nothing when frames <= 0.
void NUM24_TO_CHAR(const int32_t* samples, uint8_t* packed, int32_t frames);

#endif  // KORVANE_TONE_TONE_H_
