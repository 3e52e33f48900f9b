// The DirectSound stand-in: PCM buffers mixed in software into one SDL audio
// device (44100 Hz, 16-bit stereo). A buffer has its own rate, bit depth and
// channel count, a play cursor, one-shot or looping play, a volume in
// hundredths of a decibel and a playback frequency. The mixer resamples each
// buffer to the device rate. Only platform/ sees SDL; callers see these calls.
#pragma once
#include <cstdint>

struct AudioBuffer;

constexpr int kAudioDeviceRate = 44100;

// Opens the SDL audio device (SDL_AUDIODRIVER picks the driver). False when
// there is none; a diagnostic line is printed.
bool AudioOpenDevice();
// No device: the mix is pulled only by AudioMixOutput, so tests and tools can
// drive playback frame by frame.
void AudioOpenManual();
bool AudioIsOpen();
// Stops the device and releases every buffer.
void AudioCloseDevice();

// A silent buffer of byteSize bytes. Null for a format the mixer cannot play
// (rate 1..200000, 8 or 16 bits, 1 or 2 channels, size at least one frame).
AudioBuffer* AudioCreateBuffer(int32_t sampleRate, int32_t bitsPerSample, int32_t channels, int32_t byteSize);
void AudioReleaseBuffer(AudioBuffer* buffer);
// Copies count bytes in at offset, wrapping round the end of the buffer.
void AudioWriteBuffer(AudioBuffer* buffer, int32_t offset, const void* source, int32_t count);
void AudioPlayBuffer(AudioBuffer* buffer, bool looping);
void AudioStopBuffer(AudioBuffer* buffer);
// Stops every buffer and keeps the device silent: later plays are ignored
// until the device closes. For sound switched off for the rest of the run.
void AudioSilenceDevice();
bool AudioIsPlaying(AudioBuffer* buffer);
// Byte offset of the next frame to play.
int32_t AudioGetPlayCursor(AudioBuffer* buffer);
void AudioSetPlayCursor(AudioBuffer* buffer, int32_t offset);
// 0 is full level, -10000 silence; clamped to that range.
void AudioSetVolume(AudioBuffer* buffer, int32_t hundredthsOfDecibel);
int32_t AudioGetVolume(AudioBuffer* buffer);
// Playback frequency in Hz (frames of this buffer per second); clamped to
// 100..200000; 0 restores the rate the buffer was made with.
void AudioSetFrequency(AudioBuffer* buffer, int32_t hertz);
int32_t AudioGetFrequency(AudioBuffer* buffer);
// Bytes of the buffer played per second at its playback frequency.
int32_t AudioBytesPerSecond(AudioBuffer* buffer);

// Mixes the next `frames` stereo frames of every playing buffer into out
// (interleaved 16-bit) and advances their cursors. The SDL callback calls it;
// with a manual device the caller does.
void AudioMixOutput(int16_t* out, int32_t frames);
