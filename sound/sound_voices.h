// The 80 effect voices: each playback of an effect gets a buffer of its own,
// and finished voices are reclaimed when the next effect starts. Main thread only.
#pragma once
#include <cstdint>

#include "sound/sound_api.h"

constexpr int kVoiceCount = 80;

void ClearVoices();
// Releases every voice's buffer.
void ReleaseVoices();
// Plays the sound once on a free voice; dropped when all 80 are busy.
void PlaySoundOnVoice(const SoundData& sound);
// Hooks PlaySoundOnVoice behind PlaySound.
void InstallEffectPlayer();
// Voices holding a buffer (playing, or finished and not yet reclaimed).
int BusyVoiceCount();
