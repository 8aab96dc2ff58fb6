// WAV file export: a 44-byte RIFF header for integer PCM, one channel, then
// the packed samples, the same bytes that playback sends.
//
// The file is written in two passes over its path: MAKE_HEADER creates (or
// truncates) it and writes the header, WriteFile appends the samples. Every
// write and close is checked; a failure prints "Unable to write to file!".
#ifndef KORVANE_OUTPUT_WAV_H_
#define KORVANE_OUTPUT_WAV_H_

#include <cstddef>
#include <cstdint>

constexpr size_t kWavHeaderBytes = 44;

// Whether a WAV header can describe frames frames of bitsPerSample bits at
// sampleRate Hz: its sizes and byte rate are 32-bit fields, and the RIFF
// chunk size (the data plus 36) must stay below 2^31.
bool WavFits(uint32_t sampleRate, uint32_t bitsPerSample, int32_t frames);

// Fills header with the 44 bytes for frames mono frames; WavFits must hold.
void FillWavHeader(uint8_t* header, uint32_t sampleRate, uint32_t bitsPerSample,
                   int32_t frames);

// Creates or truncates path and writes the header. Returns 1, or 0 after
// printing the message when the file cannot be written.
int MAKE_HEADER(const char* path, uint32_t sampleRate, uint32_t bitsPerSample,
                int32_t frames);

// Appends frames * (bitsPerSample / 8) bytes of data to path. Returns the
// number of bytes written, or 0 after printing the message when not all of
// them could be written.
size_t WriteFile(const char* path, const uint8_t* data, int32_t frames,
                 uint32_t bitsPerSample);

// Little-endian bytes of value into out[0..1] and out[0..3].
void Decon2(uint16_t value, uint8_t* out);
void Decon4(uint32_t value, uint8_t* out);

#endif  // KORVANE_OUTPUT_WAV_H_
