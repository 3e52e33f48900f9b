// The sound device and MixerTick. The tick runs on the timer thread and, once
// per PlayMusic, on the main thread; the tick guard lets one run at a time.
#include "sound/sound_mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "files/file_stream.h"
#include "platform/audio_device.h"
#include "platform/audio_timer.h"
#include "platform/window.h"
#include "sound/sound_voices.h"
#include "sound/stream_decode.h"

namespace {
MixerState mixer;
uint32_t (*clockSource)() = nullptr;

void FreeChannel(MusicChannel* channel) {
  if (channel == nullptr) return;
  if (channel->buffer != nullptr) {
    AudioStopBuffer(channel->buffer);
    AudioReleaseBuffer(channel->buffer);
  }
  if (channel->oggOpen) {
    ov_clear(&channel->oggDecoder);  // deletes the stream too
  } else {
    delete channel->file;
  }
  delete channel;
}

// The byte a stretch of silence is made of: 8-bit samples are centred on
// 0x80 (a 0 there would be full negative level), 16-bit samples on 0.
int SilenceByte(const MusicChannel& channel) { return channel.bitsPerSample == 8 ? 0x80 : 0; }

void ApplyVolume(MusicChannel* channel, double level) {
  if (channel != nullptr && channel->buffer != nullptr) AudioSetVolume(channel->buffer, VolumeFromLevel(level));
}

void RunFades(uint32_t now) {
  for (int slot = 0; slot < 2; ++slot) {
    MusicChannel* channel = mixer.slots[slot];
    if (channel == nullptr || channel->buffer == nullptr) continue;
    if (channel->fade == 1.0f) {
      StopMusicChannel(slot);
      mixer.writePosition[slot] = 0;
    } else if (channel->fade > 1.0f) {
      double elapsed = static_cast<double>(now - channel->fadeStart);
      double level = (1.0 - elapsed * 0.999 / ((channel->fade - 1.0) * 999.0)) * mixer.musicVolume;
      if (level <= 0.0) {
        channel->fade = 1.0f;
      } else {
        ApplyVolume(channel, level);
      }
    }
  }
}

void InstallPending() {
  int slot = mixer.slots[0] != nullptr ? 1 : 0;
  if (mixer.slots[slot] != nullptr) StopMusicChannel(slot);  // an incoming track not yet promoted gives way
  MusicChannel* channel = mixer.pending;
  mixer.slots[slot] = channel;
  PendingFormat& format = mixer.pendingFormat;
  channel->sampleRate = format.sampleRate;
  channel->channels = format.channels;
  channel->bitsPerSample = format.bitsPerSample;
  std::memset(format.firstBlock, SilenceByte(*channel), kMusicBlockBytes);
  int32_t decoded = DecodeBlock(*channel, mixer.carry[slot], mixer.mp3[slot], format.firstBlock, kMusicBlockBytes);
  mixer.silenceFrom[slot] = decoded < kMusicBlockBytes ? decoded : -1;
  channel->buffer = CreateSoundBuffer(format.sampleRate, format.bitsPerSample, format.channels, kMusicBlockBytes,
                                      format.firstBlock);
  if (mixer.slots[0] != nullptr && mixer.slots[0]->fade == 0.0f) ApplyVolume(mixer.slots[0], mixer.musicVolume);
  if (mixer.slots[1] != nullptr) ApplyVolume(mixer.slots[1], mixer.musicVolume);
  for (MusicChannel* playing : mixer.slots) {
    if (playing != nullptr && playing->buffer != nullptr) {
      // 0 plays the buffer at the rate it was made with, as a decoder that reported nothing needs.
      AudioSetFrequency(playing->buffer, static_cast<int32_t>(playing->sampleRate * mixer.musicSpeed));
    }
  }
  AudioPlayBuffer(channel->buffer, true);
  mixer.pending = nullptr;
  mixer.writePosition[slot] = 0;
  delete[] format.firstBlock;
  format.firstBlock = nullptr;
  mixer.switchPending = false;
}

void PromoteIncoming() {
  if (mixer.slots[0] != nullptr || mixer.slots[1] == nullptr) return;
  mixer.slots[0] = mixer.slots[1];
  mixer.slots[1] = nullptr;
  Mp3Decoder* spare = mixer.mp3[0];
  mixer.mp3[0] = mixer.mp3[1];
  mixer.mp3[1] = spare;
  ResetMp3Decoder(mixer.mp3[1]);
  std::memcpy(&mixer.carry[0], &mixer.carry[1], sizeof(StreamCarry));
  ClearCarry(mixer.carry[1]);
  mixer.writePosition[0] = mixer.writePosition[1];
  mixer.writePosition[1] = 0;
  mixer.silenceFrom[0] = mixer.silenceFrom[1];
  mixer.silenceFrom[1] = -1;
}

// Decodes count bytes and writes them into the slot's buffer at offset,
// noting where the track's bytes ran out.
void RefillRange(int slot, int32_t offset, int32_t count) {
  MusicChannel& channel = *mixer.slots[slot];
  std::memset(mixer.scratch, SilenceByte(channel), sizeof(mixer.scratch));
  int32_t decoded = DecodeBlock(channel, mixer.carry[slot], mixer.mp3[slot], mixer.scratch, count);
  WriteSoundBuffer(channel, mixer.scratch, offset, count);
  if (decoded == count) {
    mixer.silenceFrom[slot] = -1;
  } else if (decoded > 0 || mixer.silenceFrom[slot] < 0) {
    mixer.silenceFrom[slot] = offset + decoded;
  }
}

// Whether the play cursor, going from `from` round to `to`, went past `point`.
bool CursorPassed(int32_t from, int32_t to, int32_t point) {
  if (point < 0 || from == to) return false;
  int32_t travelled = (to - from + kMusicBlockBytes) % kMusicBlockBytes;
  int32_t ahead = (point - from + kMusicBlockBytes) % kMusicBlockBytes;
  return ahead < travelled;
}

void RefillSlot(int slot) {
  MusicChannel* channel = mixer.slots[slot];
  if (channel == nullptr || channel->buffer == nullptr) return;
  int32_t cursor = AudioGetPlayCursor(channel->buffer);
  int32_t& position = mixer.writePosition[slot];
  if (channel->file != nullptr && channel->file->AtEnd()) {
    if (channel->loop == 1) {
      // Normally the decoder has restarted the track already; an Ogg reader
      // may still hold the stream's tail, so it restarts only when it runs dry.
      if (channel->type != kSoundOgg) RestartTrack(*channel);
    } else if (CursorPassed(position, cursor, mixer.silenceFrom[slot])) {
      // The stream buffer runs a whole buffer ahead of the cursor: stopping at
      // the first wrap after the file's end would cut the track's last half second.
      StopMusicChannel(slot);
      position = 0;
      return;
    }
  }
  if (cursor == position) return;
  if (position < cursor) {
    RefillRange(slot, position, cursor - position);
  } else {
    RefillRange(slot, position, kMusicBlockBytes - position);
    if (cursor > 0) RefillRange(slot, 0, cursor);
  }
  position = cursor;
}

// Every 400 ms, or sooner for a track so fast (above about 50 kHz in stereo)
// that its stream buffer would play round to where the last refill stopped:
// the refill comes at least kRefillMarginMs before that.
uint32_t RefillInterval() {
  uint32_t interval = kRefillIntervalMs;
  for (MusicChannel* channel : mixer.slots) {
    if (channel == nullptr || channel->buffer == nullptr) continue;
    int64_t perSecond = AudioBytesPerSecond(channel->buffer);
    if (perSecond <= 0) continue;
    int64_t lasts = int64_t(kMusicBlockBytes) * 1000 / perSecond;
    interval = static_cast<uint32_t>(std::clamp<int64_t>(lasts - kRefillMarginMs, 0, interval));
  }
  return interval;
}

void RunRefills(uint32_t now) {
  if (!mixer.refillTimeSet) {
    mixer.refillTimeSet = true;
    mixer.lastRefill = now;
  }
  if (now - mixer.lastRefill <= RefillInterval()) return;
  mixer.lastRefill = now;
  for (int slot = 0; slot < 2; ++slot) RefillSlot(slot);
}
}  // namespace

MixerState& Mixer() { return mixer; }

// The device plays by the wall clock, so the mixer keeps its time by that
// clock too, also while a scripted run's virtual clock drives the game.
uint32_t SoundNow() { return clockSource != nullptr ? clockSource() : PlatformWallTickCount(); }

bool IsSoundEnabled() { return mixer.soundEnabled; }

// Nothing refills the music streams once sound is off, so the device falls
// silent here, also for a tick that is installing a track at this moment; a
// stream left playing would repeat its last half second for ever.
void DisableSound() {
  mixer.soundEnabled = false;
  AudioSilenceDevice();
}

// In double precision: single precision moves volumes that lie just short of
// a whole number onto it before the truncation.
int32_t VolumeFromLevel(double level) {
  if (!(level > 0.0)) level = 0.0;
  if (level > 1.0) level = 1.0;
  return static_cast<int32_t>((1.0 - std::sqrt(std::sqrt(level))) * -6000.0);
}

void InitSound(const SoundOptions& options) {
  if (mixer.deviceReady || !mixer.soundEnabled) return;
  clockSource = options.clock;
  if (options.manual) {
    AudioOpenManual();
  } else if (!AudioOpenDevice()) {
    mixer.soundEnabled = false;
    return;
  }
  mixer.deviceReady = true;
  ClearVoices();
  mixer.slots[0] = mixer.slots[1] = nullptr;
  mixer.pending = nullptr;
  mixer.switchPending = false;
  mixer.tickGuard.clear();
  mixer.refillTimeSet = false;
  mixer.musicVolume = 1.0f;
  mixer.musicSpeed = 1.0f;
  for (int slot = 0; slot < 2; ++slot) {
    ClearCarry(mixer.carry[slot]);
    mixer.writePosition[slot] = 0;
    mixer.silenceFrom[slot] = -1;
    if (mixer.mp3[slot] == nullptr) mixer.mp3[slot] = CreateMp3Decoder();
  }
  InstallEffectPlayer();
  if (!options.manual) mixer.timerStarted = AudioStartTimer(kMixerPeriodMs, MixerTick);
}

void ShutdownSound() {
  if (mixer.timerStarted) AudioStopTimer();
  mixer.timerStarted = false;
  while (mixer.tickGuard.test_and_set()) {
  }
  for (int slot = 0; slot < 2; ++slot) {
    if (mixer.slots[slot] != nullptr) StopMusicChannel(slot);
  }
  FreeChannel(mixer.pending);
  mixer.pending = nullptr;
  delete[] mixer.pendingFormat.firstBlock;
  mixer.pendingFormat.firstBlock = nullptr;
  mixer.switchPending = false;
  SetSoundPlayer(nullptr);  // PlaySound does nothing until the next InitSound
  ReleaseVoices();
  AudioCloseDevice();
  mixer.deviceReady = false;
  mixer.soundEnabled = true;
  mixer.tickGuard.clear();
  clockSource = nullptr;
}

AudioBuffer* CreateSoundBuffer(int32_t sampleRate, int32_t bitsPerSample, int32_t channels, int32_t byteSize,
                               const void* initialData) {
  if (!mixer.soundEnabled) return nullptr;
  AudioBuffer* buffer = AudioCreateBuffer(sampleRate, bitsPerSample, channels, byteSize);
  if (buffer == nullptr) {
    DisableSound();
    return nullptr;
  }
  if (initialData != nullptr) AudioWriteBuffer(buffer, 0, initialData, byteSize);
  return buffer;
}

void WriteSoundBuffer(MusicChannel& channel, const void* source, int32_t offset, int32_t count) {
  AudioWriteBuffer(channel.buffer, offset, source, count);
}

void StopMusicChannel(int slot) {
  if (slot < 0 || slot > 1) return;
  MusicChannel* channel = mixer.slots[slot];
  mixer.slots[slot] = nullptr;
  FreeChannel(channel);
  ResetMp3Decoder(mixer.mp3[slot]);
  ClearCarry(mixer.carry[slot]);
  mixer.silenceFrom[slot] = -1;
}

void MixerTick() {
  if (!mixer.soundEnabled || !mixer.deviceReady) return;
  if (mixer.tickGuard.test_and_set(std::memory_order_acquire)) return;
  uint32_t now = SoundNow();
  RunFades(now);
  if (mixer.switchPending && mixer.pending != nullptr) InstallPending();
  PromoteIncoming();
  RunRefills(now);
  mixer.tickGuard.clear(std::memory_order_release);
}
