#include "output/play.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Requests only: the device may grant other sizes.
constexpr snd_pcm_uframes_t kPeriodFrames = 1024;
constexpr snd_pcm_uframes_t kBufferFrames = 2048;
constexpr int kWaitMilliseconds = 1;

struct PcmCloser {
  void operator()(snd_pcm_t* pcm) const { snd_pcm_close(pcm); }
};
using Pcm = std::unique_ptr<snd_pcm_t, PcmCloser>;

struct HwParamsFreer {
  void operator()(snd_pcm_hw_params_t* p) const { snd_pcm_hw_params_free(p); }
};
using HwParams = std::unique_ptr<snd_pcm_hw_params_t, HwParamsFreer>;

// A stop may be asked for from a signal handler: it raises the flag, and
// aborts a write that is blocked waiting for the device.
volatile std::sig_atomic_t stopRequested = 0;
std::atomic<snd_pcm_t*> playing{nullptr};
static_assert(std::atomic<snd_pcm_t*>::is_always_lock_free);

// Makes pcm the device that a stop aborts, for as long as it lives.
class Playing {
 public:
  explicit Playing(snd_pcm_t* pcm) { playing = pcm; }
  ~Playing() { playing = nullptr; }
  Playing(const Playing&) = delete;
  Playing& operator=(const Playing&) = delete;
};

// Sets up the device for the tone. On success returns the number of channels
// it accepted (every one gets the same data); on failure prints why and
// returns 0.
unsigned Configure(snd_pcm_t* pcm, uint32_t& sampleRate, int channels) {
  snd_pcm_hw_params_t* raw = nullptr;
  if (int err = snd_pcm_hw_params_malloc(&raw); err < 0) {
    std::fprintf(stderr, "unable to set hw parameters: %s\n", snd_strerror(err));
    return 0;
  }
  HwParams params(raw);
  const uint32_t renderedRate = sampleRate;

  snd_pcm_hw_params_any(pcm, raw);
  snd_pcm_hw_params_set_access(pcm, raw, SND_PCM_ACCESS_RW_NONINTERLEAVED);
  if (int err = snd_pcm_hw_params_set_format(pcm, raw, SND_PCM_FORMAT_S24_3LE);
      err < 0) {
    std::fprintf(stderr, "Unable to set playback format: %s\n", snd_strerror(err));
    std::puts("Try a different soundcard device name.");
    return 0;
  }
  snd_pcm_hw_params_set_channels(pcm, raw, static_cast<unsigned>(channels));
  // The accepted rate lands in the caller's setting, for the tones to come.
  unsigned rate = sampleRate;
  snd_pcm_hw_params_set_rate_near(pcm, raw, &rate, nullptr);
  sampleRate = rate;
  snd_pcm_uframes_t period = kPeriodFrames;
  snd_pcm_hw_params_set_period_size_near(pcm, raw, &period, nullptr);
  snd_pcm_uframes_t buffer = kBufferFrames;
  snd_pcm_hw_params_set_buffer_size_near(pcm, raw, &buffer);
  if (int err = snd_pcm_hw_params(pcm, raw); err < 0) {
    std::fprintf(stderr, "unable to set hw parameters: %s\n", snd_strerror(err));
    return 0;
  }

  // This tone was rendered at renderedRate: played at another rate it is
  // off pitch, so say so.
  unsigned actual = 0;
  snd_pcm_hw_params_get_rate(raw, &actual, nullptr);
  if (actual != renderedRate) {
    std::puts("Warning Soundcard Did Not Return Requested Samplerate...this will affect tuning");
    std::printf("Samplerate = %u\n", actual);
  }
  unsigned granted = 0;
  snd_pcm_hw_params_get_channels(raw, &granted);
  return granted;
}

// Restarts the stream after an underrun or another stream error. Returns
// false when the stream cannot be restarted.
bool Recover(snd_pcm_t* pcm) {
  std::puts("RX");
  if (int err = snd_pcm_prepare(pcm); err < 0) {
    std::fprintf(stderr, "Playback stopped: %s\n", snd_strerror(err));
    return false;
  }
  return true;
}

// Sends every frame, each write no longer than what the device can take now
// and what remains, until the end or a stop. Frames lost to an underrun are
// not sent again.
void WriteAll(snd_pcm_t* pcm, unsigned channels, int32_t frames,
              const uint8_t* packed) {
  std::vector<void*> channelData(channels);
  int32_t pos = 0;
  while (pos < frames && !stopRequested) {
    const snd_pcm_sframes_t avail = snd_pcm_avail_update(pcm);
    if (avail < 0) {
      if (stopRequested || !Recover(pcm)) return;
      continue;
    }
    if (avail == 0) {
      snd_pcm_wait(pcm, kWaitMilliseconds);
      continue;
    }
    const auto count = static_cast<int32_t>(
        std::min<snd_pcm_sframes_t>(avail, frames - pos));
    void* at = const_cast<uint8_t*>(packed + 3 * static_cast<size_t>(pos));
    std::fill(channelData.begin(), channelData.end(), at);
    const snd_pcm_sframes_t written =
        snd_pcm_writen(pcm, channelData.data(), static_cast<snd_pcm_uframes_t>(count));
    if (written < 0) {
      if (stopRequested || !Recover(pcm)) return;
      pos += count;
    } else {
      pos += static_cast<int32_t>(written);
    }
  }
}

}  // namespace

bool PLAY(const char* deviceName, uint32_t& sampleRate, int channels,
          int32_t frames, const uint8_t* packed) {
  if (stopRequested) {  // stopped before it started: nothing to open
    stopRequested = 0;
    return true;
  }
  snd_pcm_t* raw = nullptr;
  if (int err = snd_pcm_open(&raw, deviceName, SND_PCM_STREAM_PLAYBACK, 0);
      err < 0) {
    std::fprintf(stderr, "unable to open pcm device: %s\n", snd_strerror(err));
    return false;
  }
  Pcm pcm(raw);
  const Playing abortable(raw);
  const unsigned granted = Configure(raw, sampleRate, channels);
  if (granted == 0) return false;
  WriteAll(raw, granted, frames, packed);
  if (stopRequested) {
    snd_pcm_drop(raw);
    stopRequested = 0;
  } else {
    snd_pcm_drain(raw);
  }
  return true;
}

void StopPlayback() {
  stopRequested = 1;
  if (snd_pcm_t* pcm = playing) snd_pcm_abort(pcm);
}

void ResetPlaybackStop() { stopRequested = 0; }
