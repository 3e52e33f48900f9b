// Switching the in-game music as play moves through the difficulties.
#include "gameplay/level_music.h"

#include "shell/settings.h"
#include "sound/sound.h"

namespace {
int lastMusicLevel = -1;
}

void ForgetLevelMusic() { lastMusicLevel = -1; }

void PickLevelMusic(int n) {
  if (IsMusicEnabled() == 0) return;
  if (const char* track = ChooseLevelMusic(n, lastMusicLevel)) PlayMusic(track, 1.0f, 1);
}
