// Playback of one rendered tone through an ALSA PCM device.
//
// The device is opened, configured for packed 24-bit samples, fed the whole
// tone and drained on every call; nothing stays open between tones, so a
// device name typed later takes effect on the next tone.
#ifndef KORVANE_OUTPUT_PLAY_H_
#define KORVANE_OUTPUT_PLAY_H_

#include <cstdint>

// Plays frames frames of packed S24_3LE samples (3 bytes a frame), sending
// the same mono data to each of the channels, and returns once the device has
// played them out.
//
// sampleRate is the rate the tone was rendered at, in Hz. The device may
// settle on another rate: then a warning is printed (the tone will sound off
// pitch) and sampleRate takes the device's rate, so that later tones are
// rendered at it.
//
// Returns false, after printing ALSA's reason on standard error, when the
// device cannot be opened, refuses the sample format or refuses the hardware
// parameters; the program then ends with status 1.
//
// A stop request (StopPlayback) ends the tone at once, dropping what the
// device still holds; PLAY then returns true.
[[nodiscard]] bool PLAY(const char* deviceName, uint32_t& sampleRate,
                        int channels, int32_t frames, const uint8_t* packed);

// Asks the tone being played, or the next one, to stop at once. Safe to call
// from a signal handler.
void StopPlayback();

// Forgets a stop request that no tone has taken.
void ResetPlaybackStop();

#endif  // KORVANE_OUTPUT_PLAY_H_
