// The card decision and its opacity.
#include "gameplay/level_card.h"

LevelCard ChooseLevelCard(int level, int wonLast) {
  if ((level >= 1 && level <= 9) || level == 45) return static_cast<LevelCard>(level);
  return wonLast == 0 ? kGenericCard : kNoCard;
}

float CardOpacity(float fade) {
  if (fade >= 1.0f) return 0.0f;
  float a = 2.0f * (1.0f - fade);
  if (a > 1.0f) a = 1.0f;
  if (a < 0.0f) a = 0.0f;
  return a;
}
