// The play screen's level choice as a state machine.
#include "frontend/level_choice.h"

#include <cmath>

#include "frontend/menu_keys.h"

namespace {
constexpr int kLastLevel = kLevelsPerDifficulty * kDifficultyCount;
constexpr float kStep = 0.02f;  // fades and the strip, per 10 ms step
constexpr float kCellWidth = 0.0435f;
constexpr float kCellHeight = 0.032f;
constexpr float kButtonLeft = 0.3675f, kButtonRight = 0.615f, kButtonHeight = 0.061f;
constexpr float kStripLeft = 0.1415f, kStripRight = 0.8415f;

bool HoldsSelection(const LevelChoice& c, int difficulty, int i) {
  return c.selectedLevel == i && c.selectedDifficulty == difficulty;
}

int UnlockedIn(const LevelChoice& c, int difficulty) {
  const int n = c.unlocked - (difficulty - 1) * kLevelsPerDifficulty;
  return n < 0 ? 0 : n > kLevelsPerDifficulty ? kLevelsPerDifficulty : n;
}

void Select(LevelChoice& c, int difficulty, int i) {
  c.selectedDifficulty = difficulty;
  c.selectedLevel = i;
}

// Opening follows the mouse with no click; an open strip stays while the
// mouse is inside its band, a little taller than its button.
void FollowMouseOverStrips(LevelChoice& c, const LevelChoicePointer& p) {
  if (c.expanded == 0) {
    for (int d = 1; d <= kDifficultyCount; ++d) {
      const float top = DifficultyButtonTop(d);
      if (p.x >= kButtonLeft && p.x <= kButtonRight && p.y >= top && p.y <= top + kButtonHeight) {
        c.expanded = c.openDifficulty = d;
      }
    }
    return;
  }
  const float top = DifficultyButtonTop(c.expanded) - kButtonHeight / 1.5f;
  const float bottom = DifficultyButtonTop(c.expanded) + kButtonHeight + kButtonHeight / 1.5f;
  if (p.x < kStripLeft || p.x > kStripRight || p.y < top || p.y > bottom) c.expanded = 0;
}

// Left and Right along the strip, Up and Down to the same place in the strip
// above or below (or its last unlocked level); never onto a locked level.
void MoveSelection(LevelChoice& c, uint32_t intent, const ChoiceSoundPlayer& playSound) {
  int d = c.selectedDifficulty, i = c.selectedLevel;
  if (intent == kIntentLeft && i > 1) --i;
  if (intent == kIntentRight && i < UnlockedIn(c, d)) ++i;
  if (intent == kIntentUp && d > 1) --d;
  if (intent == kIntentDown && d < kDifficultyCount && UnlockedIn(c, d + 1) > 0) ++d;
  if (i > UnlockedIn(c, d)) i = UnlockedIn(c, d);
  // The keyboard shows the strip it works in.
  c.expanded = c.openDifficulty = d;
  if (d == c.selectedDifficulty && i == c.selectedLevel) return;
  Select(c, d, i);
  playSound(kChoiceMoveSound);
}

void PlayStartSound(LevelChoice& c, const ChoiceSoundPlayer& playSound) {
  if (!c.startSoundPlayed) playSound(kChoiceStartSound);
  c.startSoundPlayed = true;
}

void Fade(LevelChoice& c, int request) {
  if (c.fadeState == kChoiceFadingIn) {
    c.fadeLevel += kStep;
    if (c.fadeLevel >= 1.0f) c.fadeLevel = 1.0f, c.fadeState = kChoiceIdle;
    return;
  }
  if (request != kChoiceNoAction) {
    c.fadeState = kChoiceFadingOut;
    c.backLatch = true;
    c.action = request;
    return;
  }
  if (c.fadeState == kChoiceFadingOut) {
    c.fadeLevel -= kStep;
    if (c.fadeLevel <= 0.0f) c.fadeLevel = 0.0f, c.fadeState = kChoiceFadedOut;
  }
  // Done in the same step: a held Escape must not start the fade over.
  if (c.fadeState == kChoiceFadedOut) c.finished = true;
  if (c.fadeState != kChoiceFadingOut) c.backLatch = false;
}
}  // namespace

int PlayableHighestLevel(int32_t highestLevel) {
  if (highestLevel < 1) return 1;
  return highestLevel > kLastLevel ? kLastLevel : highestLevel;
}

LevelChoice BeginLevelChoice(int32_t highestLevel, const LevelChoicePointer& pointer) {
  LevelChoice c;
  c.unlocked = PlayableHighestLevel(highestLevel);
  const int d = (c.unlocked - 1) / kLevelsPerDifficulty + 1;
  Select(c, d, c.unlocked - (d - 1) * kLevelsPerDifficulty);
  c.expanded = c.openDifficulty = d;
  c.lastMouseX = pointer.x;
  c.lastMouseY = pointer.y;
  return c;
}

void HitLevelCells(LevelChoice& c, const LevelChoicePointer& p, const ChoiceSoundPlayer& playSound) {
  c.crosshair = false;
  const int d = c.openDifficulty;
  if (d < 1) return;
  for (int i = 1; i <= kLevelsPerDifficulty; ++i) {
    // Only the x is tested: the strip's band decides whether it stays open.
    if (c.stripOpacity <= 0.01f || p.x <= LevelCellLeft(i) || p.x >= LevelCellLeft(i) + kCellWidth) continue;
    const bool holds = HoldsSelection(c, d, i);
    if (holds && c.stripOpacity > 0.0f) {
      c.crosshair = true;
      c.crosshairX = p.x;
      c.crosshairY = p.y;
    }
    // A second press on the selected level starts it.
    if (p.buttonDown && holds && c.mouseState == 0) {
      PlayStartSound(c, playSound);
      c.mouseState = 2;
    }
    if (p.buttonDown && c.mouseState == 0) c.mouseState = 1;
    if (!p.buttonDown) c.mouseState = 0;
    if (p.buttonDown && IsLevelUnlocked(c, d, i)) Select(c, d, i);
  }
  // The keyboard's selection wears the crosshair on its cell.
  if (c.keyboardOwns && c.selectedDifficulty == d && c.stripOpacity > 0.0f) {
    c.crosshair = true;
    c.crosshairX = LevelCellLeft(c.selectedLevel) + kCellWidth / 2;
    c.crosshairY = LevelRowTop(d) + kCellHeight / 2;
  }
}

void StepLevelChoice(LevelChoice& c, const LevelChoicePointer& p, bool escapeHeld, uint32_t intents,
                     const ChoiceSoundPlayer& playSound) {
  const bool mouseMoved = std::fabs(p.x - c.lastMouseX) > 1e-4f || std::fabs(p.y - c.lastMouseY) > 1e-4f;
  c.lastMouseX = p.x;
  c.lastMouseY = p.y;
  if (mouseMoved || p.buttonDown) c.keyboardOwns = false;
  if ((intents & (kIntentArrows | kIntentPress)) != 0) c.keyboardOwns = true;
  // A press ends with its release wherever the mouse is; a start asked for
  // and then dragged off the strip must not hold the fade-out forever.
  if (!p.buttonDown) c.mouseState = 0;

  int request = kChoiceNoAction;
  if ((escapeHeld || (intents & kIntentBack) != 0) && !c.backLatch) {
    request = kChoiceLeave;
    c.backLatch = true;
  }
  if (c.mouseState == 2) request = kChoiceStartLevel;
  if ((intents & kIntentPress) != 0 && c.fadeState == kChoiceIdle && c.selectedLevel >= 1) {
    PlayStartSound(c, playSound);
    request = kChoiceStartLevel;
  }
  if (c.fadeState == kChoiceIdle || c.fadeState == kChoiceFadingIn) {
    for (uint32_t arrow : {kIntentLeft, kIntentRight, kIntentUp, kIntentDown}) {
      if ((intents & arrow) != 0) MoveSelection(c, arrow, playSound);
    }
  }

  c.stripOpacity += c.expanded != 0 ? kStep : -kStep;
  if (c.stripOpacity > 1.0f) c.stripOpacity = 1.0f;
  if (c.stripOpacity < 0.0f) c.stripOpacity = 0.0f;
  if (!c.keyboardOwns) FollowMouseOverStrips(c, p);

  c.backHighlighted = false;
  if (!c.keyboardOwns && p.x > 0.74f && p.x < 0.95f && p.y > 0.884675f && p.y < 0.95f) {
    c.backHighlighted = true;
    c.stripOpacity = 0.0f;  // pointing at the back button hides the strip at once
    if (p.buttonDown && !c.backLatch) {
      playSound(kChoiceClickSound);
      request = kChoiceLeave;
      c.backLatch = true;
    }
  }
  Fade(c, request);
}

bool IsLevelUnlocked(const LevelChoice& c, int difficulty, int levelInDifficulty) {
  return (difficulty - 1) * kLevelsPerDifficulty + levelInDifficulty <= c.unlocked;
}

int ChosenLevel(const LevelChoice& c) {
  return (c.selectedDifficulty - 1) * kLevelsPerDifficulty + c.selectedLevel;
}

bool IsDifficultyCompleted(const LevelChoice& c, int difficulty) {
  return c.unlocked >= difficulty * kLevelsPerDifficulty;
}

float LevelCellLeft(int levelInDifficulty) { return 0.105f + 0.0452f * levelInDifficulty; }

float LevelRowTop(int difficulty) { return 0.555f + 0.122f * (difficulty - 1); }

float DifficultyButtonTop(int difficulty) { return 0.54f + 0.122f * (difficulty - 1); }

bool IsWonAtPar(int32_t fewestMoves, int32_t par) { return fewestMoves > 0 && fewestMoves <= par; }
