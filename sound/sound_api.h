// The one sound call the rules and screens make, kept free of any device so
// that code playing effects builds and runs without a sound card.
#pragma once
#include <cstdint>

// A decoded effect. All zero (samples null) means no sound.
struct SoundData {
  int32_t sampleRate = 0;
  int32_t bitsPerSample = 0;
  int32_t channels = 0;
  int32_t byteSize = 0;
  const uint8_t* samples = nullptr;
};

// Plays the sound once; does nothing while sound is off or the sound is empty.
void PlaySound(const SoundData& sound);

// The sound device installs its player here when it starts; null = sound off.
using SoundPlayer = void (*)(const SoundData& sound);
void SetSoundPlayer(SoundPlayer player);
