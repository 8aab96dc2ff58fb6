#include "output/wav.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr uint32_t kFormatChunkBytes = 16;
constexpr uint16_t kIntegerPcm = 1;
constexpr uint16_t kMonoChannels = 1;
// The RIFF chunk holds everything after its first 8 bytes.
constexpr uint32_t kRiffOverhead = kWavHeaderBytes - 8;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Writes size bytes and closes the file, reporting any failure of either.
bool WriteAndClose(File file, const uint8_t* bytes, size_t size) {
  const bool written = size == 0 || std::fwrite(bytes, 1, size, file.get()) == size;
  const bool closed = std::fclose(file.release()) == 0;
  if (written && closed) return true;
  std::puts("Unable to write to file!");
  return false;
}

File Open(const char* path, const char* mode) {
  File file(std::fopen(path, mode));
  if (!file) std::puts("Unable to write to file!");
  return file;
}

}  // namespace

bool WavFits(uint32_t sampleRate, uint32_t bitsPerSample, int32_t frames) {
  const uint64_t bytesPerSample = bitsPerSample / 8;
  const uint64_t riffBytes =
      static_cast<uint64_t>(frames < 0 ? 0 : frames) * bytesPerSample + kRiffOverhead;
  return riffBytes <= INT32_MAX && sampleRate * bytesPerSample <= UINT32_MAX;
}

void FillWavHeader(uint8_t* header, uint32_t sampleRate, uint32_t bitsPerSample,
                   int32_t frames) {
  const uint32_t bytesPerSample = bitsPerSample / 8;
  const uint32_t dataBytes = static_cast<uint32_t>(frames) * bytesPerSample;
  std::memcpy(header, "RIFF", 4);
  Decon4(dataBytes + kRiffOverhead, header + 4);
  std::memcpy(header + 8, "WAVEfmt ", 8);
  Decon4(kFormatChunkBytes, header + 16);
  Decon2(kIntegerPcm, header + 20);
  Decon2(kMonoChannels, header + 22);
  Decon4(sampleRate, header + 24);
  Decon4(sampleRate * bytesPerSample, header + 28);  // bytes per second
  Decon2(static_cast<uint16_t>(bytesPerSample), header + 32);  // block align
  Decon2(static_cast<uint16_t>(bitsPerSample), header + 34);
  std::memcpy(header + 36, "data", 4);
  Decon4(dataBytes, header + 40);
}

int MAKE_HEADER(const char* path, uint32_t sampleRate, uint32_t bitsPerSample,
                int32_t frames) {
  uint8_t header[kWavHeaderBytes];
  FillWavHeader(header, sampleRate, bitsPerSample, frames);
  File file = Open(path, "wb");
  return file && WriteAndClose(std::move(file), header, sizeof header) ? 1 : 0;
}

size_t WriteFile(const char* path, const uint8_t* data, int32_t frames,
                 uint32_t bitsPerSample) {
  const size_t size = static_cast<size_t>(frames < 0 ? 0 : frames) * (bitsPerSample / 8);
  File file = Open(path, "ab");
  return file && WriteAndClose(std::move(file), data, size) ? size : 0;
}

void Decon2(uint16_t value, uint8_t* out) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
}

void Decon4(uint32_t value, uint8_t* out) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}
