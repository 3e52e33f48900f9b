// Effect voices.
#include "sound/sound_voices.h"

#include "platform/audio_device.h"
#include "sound/sound_mixer.h"

namespace {
AudioBuffer* voices[kVoiceCount] = {};

void ReclaimVoices() {
  for (AudioBuffer*& voice : voices) {
    if (voice != nullptr && !AudioIsPlaying(voice)) {
      AudioReleaseBuffer(voice);
      voice = nullptr;
    }
  }
}
}  // namespace

void ClearVoices() {
  for (AudioBuffer*& voice : voices) voice = nullptr;
}

void ReleaseVoices() {
  for (AudioBuffer*& voice : voices) {
    AudioReleaseBuffer(voice);
    voice = nullptr;
  }
}

void PlaySoundOnVoice(const SoundData& sound) {
  if (!IsSoundEnabled() || sound.samples == nullptr) return;
  ReclaimVoices();
  for (AudioBuffer*& voice : voices) {
    if (voice != nullptr) continue;
    voice = CreateSoundBuffer(sound.sampleRate, sound.bitsPerSample, sound.channels, sound.byteSize, sound.samples);
    if (voice != nullptr) AudioPlayBuffer(voice, false);
    return;
  }
}

void InstallEffectPlayer() { SetSoundPlayer(PlaySoundOnVoice); }

int BusyVoiceCount() {
  int busy = 0;
  for (AudioBuffer* voice : voices) busy += voice != nullptr ? 1 : 0;
  return busy;
}
