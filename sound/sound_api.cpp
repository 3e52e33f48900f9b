#include "sound/sound_api.h"

namespace {
SoundPlayer currentPlayer = nullptr;
}

void PlaySound(const SoundData& sound) {
  if (currentPlayer == nullptr || sound.samples == nullptr || sound.byteSize <= 0) return;
  currentPlayer(sound);
}

void SetSoundPlayer(SoundPlayer player) { currentPlayer = player; }
