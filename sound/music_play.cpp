// PlayMusic: prepares the next track and hands it to the mixer, fading out
// what plays now.
#include <strings.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "files/file_stream.h"
#include "sound/ogg_stream.h"
#include "sound/sound.h"
#include "sound/sound_mixer.h"
#include "sound/sound_sniff.h"

namespace {
// How long PlayMusic waits for the mixer (rounds of 2 ms) before it gives up
// or takes matters into its own hands; a tick takes a few milliseconds.
constexpr int kWaitRounds = 100;
constexpr auto kWaitStep = std::chrono::milliseconds(2);

// Waits for an earlier switch to be installed, running the tick itself so that
// a mixer whose timer is not running cannot hang the game. A switch still
// pending after that was never started: the new track replaces it.
void SettlePendingSwitch(MixerState& mixer) {
  for (int round = 0; round < kWaitRounds && mixer.switchPending; ++round) {
    MixerTick();
    if (mixer.switchPending) std::this_thread::sleep_for(kWaitStep);
  }
}

// Takes the tick guard so the slots hold still; false if a tick never lets go.
bool HoldTick(MixerState& mixer) {
  for (int round = 0; round < kWaitRounds * 2; ++round) {
    if (!mixer.tickGuard.test_and_set(std::memory_order_acquire)) return true;
    std::this_thread::sleep_for(kWaitStep);
  }
  return false;
}

void ReleaseTick(MixerState& mixer) { mixer.tickGuard.clear(std::memory_order_release); }

void DropChannel(MusicChannel* channel) {
  if (channel->oggOpen) {
    ov_clear(&channel->oggDecoder);
  } else {
    delete channel->file;
  }
  delete channel;
}

void FadeOutPlaying(MixerState& mixer, float fadeSeconds) {
  if (mixer.slots[1] != nullptr) mixer.slots[1]->fade = 1.0f;
  if (mixer.slots[0] != nullptr) {
    mixer.slots[0]->fadeStart = SoundNow();
    mixer.slots[0]->fade = (fadeSeconds > 0.0f ? fadeSeconds : 0.0f) + 1.0f;
  }
}

// Opens the track's decoding and sets the pending format; false when the
// file is of no kind we can stream.
bool PrepareTrack(MusicChannel& channel, PendingFormat& format, const char* name) {
  const char* type = SniffSoundType(name);
  if (strcasecmp(type, "wav") == 0) {
    int32_t byteSize = 0;
    if (ReadWavHeader(*channel.file, byteSize, format.sampleRate, format.channels, format.bitsPerSample) != 0) return false;
    // A header we cannot play would fail the buffer and with it all sound for the run.
    if (!IsPlayableFormat(format.sampleRate, format.bitsPerSample, format.channels)) return false;
    channel.type = kSoundWav;
    return true;
  }
  format.sampleRate = 44100;
  format.channels = 2;
  format.bitsPerSample = 16;
  if (strcasecmp(type, "mp3") == 0) {
    channel.type = kSoundMp3;
    return true;
  }
  if (strcasecmp(type, "ogg") == 0) {
    if (!OpenOggReader(channel.oggDecoder, channel.file)) return false;
    channel.oggOpen = true;
    channel.type = kSoundOgg;
    return true;
  }
  return false;
}
}  // namespace

void PlayMusic(const char* name, float fadeSeconds, int loop) {
  MixerState& mixer = Mixer();
  if (!IsSoundEnabled() || !mixer.deviceReady || name == nullptr) return;
  SettlePendingSwitch(mixer);
  FileStream* file = new FileStream(name, "rb");
  if (file->Kind() == FileStream::kClosed) {
    delete file;
    return;  // the music that plays goes on
  }
  MusicChannel* channel = new MusicChannel;
  channel->file = file;
  channel->loop = loop != 0 ? 1 : 0;
  if (!HoldTick(mixer)) {
    DropChannel(channel);
    return;
  }
  if (mixer.switchPending && mixer.pending != nullptr) {
    DropChannel(mixer.pending);  // never installed: the mixer stood still
    mixer.pending = nullptr;
    mixer.switchPending = false;
  }
  delete[] mixer.pendingFormat.firstBlock;
  mixer.pendingFormat = PendingFormat{};
  FadeOutPlaying(mixer, fadeSeconds);
  if (!PrepareTrack(*channel, mixer.pendingFormat, name)) {
    DropChannel(channel);
    ReleaseTick(mixer);
    return;
  }
  mixer.pendingFormat.blockSize = kMusicBlockBytes;
  mixer.pendingFormat.firstBlock = new uint8_t[kMusicFirstBlockBytes]();
  mixer.pending = channel;
  mixer.switchPending = true;
  ReleaseTick(mixer);
  MixerTick();
}
