// The pure choice of the in-game track; PickLevelMusic plays what it names.
#include "gameplay/level_music.h"

const char* ChooseLevelMusic(int n, int& lastLevel) {
  const int last = lastLevel;
  lastLevel = n;
  if (n < 16 && last == -1) return "music/ingame1.ogg";
  if (n > 15 && n < 31 && (last == -1 || last < 16)) return "music/ingame2.ogg";
  if (n > 30 && (last == -1 || (last >= 16 && last < 31))) return "music/ingame3.ogg";
  return nullptr;
}
