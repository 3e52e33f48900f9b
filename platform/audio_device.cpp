// Software mixer over one SDL audio device. One mutex guards the buffers; the
// audio callback holds it only while mixing one device period, and callers
// hold it only to copy bytes or flip a flag, so neither side waits long.
#include "platform/audio_device.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <new>
#include <vector>

struct AudioBuffer {
  std::vector<uint8_t> bytes;
  int32_t bits = 16;
  int32_t channels = 2;
  int32_t align = 4;
  int32_t frames = 0;
  int32_t rate = 44100;    // the rate it was made with
  uint64_t position = 0;  // frames, 32.32 fixed point
  int32_t frequency = 44100;
  int32_t volume = 0;
  float gain = 1.0f;
  bool playing = false;
  bool looping = false;
};

namespace {
std::mutex mixMutex;
std::vector<AudioBuffer*> buffers;
std::vector<int32_t> accumulator;
SDL_AudioDeviceID device = 0;
bool manualDevice = false;
bool silenced = false;  // guarded by mixMutex

void SdlAudioCallback(void*, Uint8* stream, int length) {
  AudioMixOutput(reinterpret_cast<int16_t*>(stream), length / 4);
}

// Left and right sample of frame index as 16-bit values.
inline void ReadFrame(const AudioBuffer& b, int32_t index, int32_t& left, int32_t& right) {
  const uint8_t* at = b.bytes.data() + static_cast<size_t>(index) * b.align;
  if (b.bits == 16) {
    left = static_cast<int16_t>(at[0] | (at[1] << 8));
    right = b.channels == 2 ? static_cast<int16_t>(at[2] | (at[3] << 8)) : left;
  } else {
    left = (static_cast<int32_t>(at[0]) - 128) << 8;
    right = b.channels == 2 ? (static_cast<int32_t>(at[1]) - 128) << 8 : left;
  }
}

// Adds the buffer into the accumulator, interpolating linearly between frames.
void MixBuffer(AudioBuffer& b, int32_t* mix, int32_t frames) {
  uint64_t step = (static_cast<uint64_t>(b.frequency) << 32) / kAudioDeviceRate;
  uint64_t end = static_cast<uint64_t>(b.frames) << 32;
  bool unity = b.volume == 0;
  for (int32_t i = 0; i < frames; ++i) {
    int32_t index = static_cast<int32_t>(b.position >> 32);
    uint32_t fraction = static_cast<uint32_t>(b.position);
    int32_t left, right;
    ReadFrame(b, index, left, right);
    if (fraction != 0) {
      int32_t next = index + 1;
      if (next >= b.frames) next = b.looping ? 0 : index;
      int32_t nextLeft, nextRight;
      ReadFrame(b, next, nextLeft, nextRight);
      left += static_cast<int32_t>((static_cast<int64_t>(nextLeft - left) * fraction) >> 32);
      right += static_cast<int32_t>((static_cast<int64_t>(nextRight - right) * fraction) >> 32);
    }
    if (!unity) {
      left = static_cast<int32_t>(left * b.gain);
      right = static_cast<int32_t>(right * b.gain);
    }
    mix[i * 2] += left;
    mix[i * 2 + 1] += right;
    b.position += step;
    if (b.position >= end) {
      if (!b.looping) {
        b.playing = false;
        b.position = 0;
        return;
      }
      b.position %= end;
    }
  }
}

bool ValidFormat(int32_t rate, int32_t bits, int32_t channels, int32_t byteSize) {
  if (rate < 1 || rate > 200000) return false;
  if (bits != 8 && bits != 16) return false;
  if (channels != 1 && channels != 2) return false;
  return byteSize >= channels * bits / 8;
}
}  // namespace

bool AudioOpenDevice() {
  if (AudioIsOpen()) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::printf("SDL audio: %s\n", SDL_GetError());
    return false;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = kAudioDeviceRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = 1024;
  wanted.callback = SdlAudioCallback;
  device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (device == 0) {
    std::printf("SDL audio device: %s\n", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  SDL_PauseAudioDevice(device, 0);
  return true;
}

void AudioOpenManual() {
  if (!AudioIsOpen()) manualDevice = true;
}

bool AudioIsOpen() { return device != 0 || manualDevice; }

void AudioCloseDevice() {
  if (device != 0) {
    SDL_CloseAudioDevice(device);  // waits for a running callback
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device = 0;
  }
  manualDevice = false;
  std::lock_guard<std::mutex> lock(mixMutex);
  for (AudioBuffer* b : buffers) delete b;
  buffers.clear();
  silenced = false;
}

AudioBuffer* AudioCreateBuffer(int32_t sampleRate, int32_t bitsPerSample, int32_t channels, int32_t byteSize) {
  if (!AudioIsOpen() || !ValidFormat(sampleRate, bitsPerSample, channels, byteSize)) return nullptr;
  AudioBuffer* b = new (std::nothrow) AudioBuffer;
  if (b == nullptr) return nullptr;
  b->bits = bitsPerSample;
  b->channels = channels;
  b->align = channels * bitsPerSample / 8;
  b->frames = byteSize / b->align;
  b->frequency = sampleRate;
  b->rate = sampleRate;
  try {
    // 8-bit silence is the middle value, 16-bit silence is zero.
    b->bytes.assign(static_cast<size_t>(byteSize), bitsPerSample == 8 ? 0x80 : 0);
  } catch (const std::bad_alloc&) {
    delete b;
    return nullptr;
  }
  std::lock_guard<std::mutex> lock(mixMutex);
  buffers.push_back(b);
  return b;
}

void AudioReleaseBuffer(AudioBuffer* buffer) {
  if (buffer == nullptr) return;
  {
    std::lock_guard<std::mutex> lock(mixMutex);
    auto found = std::find(buffers.begin(), buffers.end(), buffer);
    if (found == buffers.end()) return;
    buffers.erase(found);
  }
  delete buffer;
}

void AudioWriteBuffer(AudioBuffer* buffer, int32_t offset, const void* source, int32_t count) {
  if (buffer == nullptr || source == nullptr || count <= 0) return;
  int32_t size = static_cast<int32_t>(buffer->bytes.size());
  if (count > size) count = size;
  offset %= size;
  if (offset < 0) offset += size;
  int32_t first = std::min(count, size - offset);
  const uint8_t* from = static_cast<const uint8_t*>(source);
  std::lock_guard<std::mutex> lock(mixMutex);
  std::memcpy(buffer->bytes.data() + offset, from, static_cast<size_t>(first));
  if (count > first) std::memcpy(buffer->bytes.data(), from + first, static_cast<size_t>(count - first));
}

void AudioPlayBuffer(AudioBuffer* buffer, bool looping) {
  if (buffer == nullptr) return;
  std::lock_guard<std::mutex> lock(mixMutex);
  buffer->looping = looping;
  buffer->playing = buffer->frames > 0 && !silenced;
}

void AudioStopBuffer(AudioBuffer* buffer) {
  if (buffer == nullptr) return;
  std::lock_guard<std::mutex> lock(mixMutex);
  buffer->playing = false;
}

void AudioSilenceDevice() {
  std::lock_guard<std::mutex> lock(mixMutex);
  silenced = true;
  for (AudioBuffer* b : buffers) b->playing = false;
}

bool AudioIsPlaying(AudioBuffer* buffer) {
  if (buffer == nullptr) return false;
  std::lock_guard<std::mutex> lock(mixMutex);
  return buffer->playing;
}

int32_t AudioGetPlayCursor(AudioBuffer* buffer) {
  if (buffer == nullptr) return 0;
  std::lock_guard<std::mutex> lock(mixMutex);
  return static_cast<int32_t>(buffer->position >> 32) * buffer->align;
}

void AudioSetPlayCursor(AudioBuffer* buffer, int32_t offset) {
  if (buffer == nullptr) return;
  std::lock_guard<std::mutex> lock(mixMutex);
  int64_t frame = std::clamp<int64_t>(offset / buffer->align, 0, buffer->frames - 1);
  buffer->position = static_cast<uint64_t>(frame) << 32;
}

void AudioSetVolume(AudioBuffer* buffer, int32_t hundredthsOfDecibel) {
  if (buffer == nullptr) return;
  int32_t volume = std::clamp(hundredthsOfDecibel, -10000, 0);
  float gain = volume <= -10000 ? 0.0f : static_cast<float>(std::pow(10.0, volume / 2000.0));
  std::lock_guard<std::mutex> lock(mixMutex);
  buffer->volume = volume;
  buffer->gain = gain;
}

int32_t AudioGetVolume(AudioBuffer* buffer) {
  if (buffer == nullptr) return 0;
  std::lock_guard<std::mutex> lock(mixMutex);
  return buffer->volume;
}

void AudioSetFrequency(AudioBuffer* buffer, int32_t hertz) {
  if (buffer == nullptr) return;
  std::lock_guard<std::mutex> lock(mixMutex);
  buffer->frequency = hertz == 0 ? buffer->rate : std::clamp(hertz, 100, 200000);
}

int32_t AudioGetFrequency(AudioBuffer* buffer) {
  if (buffer == nullptr) return 0;
  std::lock_guard<std::mutex> lock(mixMutex);
  return buffer->frequency;
}

int32_t AudioBytesPerSecond(AudioBuffer* buffer) {
  if (buffer == nullptr) return 0;
  std::lock_guard<std::mutex> lock(mixMutex);
  return buffer->frequency * buffer->align;
}

void AudioMixOutput(int16_t* out, int32_t frames) {
  if (out == nullptr || frames <= 0) return;
  std::lock_guard<std::mutex> lock(mixMutex);
  if (accumulator.size() < static_cast<size_t>(frames) * 2) accumulator.resize(static_cast<size_t>(frames) * 2);
  std::fill(accumulator.begin(), accumulator.begin() + frames * 2, 0);
  for (AudioBuffer* b : buffers) {
    if (b->playing) MixBuffer(*b, accumulator.data(), frames);
  }
  for (int32_t i = 0; i < frames * 2; ++i) {
    out[i] = static_cast<int16_t>(std::clamp(accumulator[static_cast<size_t>(i)], -32768, 32767));
  }
}
