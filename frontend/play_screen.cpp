// The play screen's loop: the level choice drawn over the menu scene, the
// play loop started from it, and the progress kept after each game.
#include "frontend/play_screen.h"

#include <algorithm>
#include <array>

#include "frontend/level_choice.h"
#include "frontend/menu_assets.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_keys.h"
#include "frontend/menu_log.h"
#include "frontend/menu_step.h"
#include "gameplay/level_par.h"
#include "gameplay/play_levels.h"
#include "gameplay/progress_save.h"
#include "gameplay/records_file.h"
#include "gameplay/scripted_run.h"
#include "graphics/menu_helpers.h"
#include "graphics/render_queue.h"
#include "input/mouse.h"
#include "platform/window.h"
#include "shell/player_progress.h"
#include "shell/pump.h"

namespace {
constexpr float kCellWidth = 0.0435f, kCellHeight = 0.032f;
constexpr float kDigitWidth = 0.015f, kDigitHeight = 0.031f;

// Made once: no std::function is built per frame.
const ChoiceSoundPlayer& MenuSoundPlayer() {
  static const ChoiceSoundPlayer player = PlayMenuSound;
  return player;
}

LevelChoicePointer ReadPointer() { return {GetMouseX(), GetMouseY(), GetMouseButtons() != 0}; }

// How one level number shows in its strip; a new marker goes here and in
// QueueLevelCell.
struct LevelCellLook {
  bool unlocked = false;
  bool selected = false;
  bool wonAtPar = false;
};

// Levels 1..45 (index 0 unused) the current player has won at par, read once
// a visit: a win just played shows when the screen comes back.
using WonAtParTable = std::array<bool, kDifficultyCount * kLevelsPerDifficulty + 1>;

WonAtParTable ReadWonAtPar() {
  const PlayerRecords records = LoadRecords();
  WonAtParTable won{};
  for (int level = 1; level < static_cast<int>(won.size()); ++level) {
    won[level] = IsWonAtPar(FewestMoves(records, playerProgress.profileIndex, level), LevelPar(level));
  }
  return won;
}

LevelCellLook LookOfLevelCell(const LevelChoice& c, int i, const WonAtParTable& won) {
  LevelCellLook look;
  look.unlocked = IsLevelUnlocked(c, c.openDifficulty, i);
  look.selected = c.selectedDifficulty == c.openDifficulty && c.selectedLevel == i;
  look.wonAtPar = won[(c.openDifficulty - 1) * kLevelsPerDifficulty + i];
  return look;
}

void QueueDigit(int digit, float x, float y, float r, float g, float b, float opacity) {
  QueueImage(&GetMenuAssets().digits[digit], x, y, kDigitWidth, kDigitHeight, -1.0f, opacity, r, g, b, 1.0f, 0, 0, 0,
             1.0f, 5, 6);
}

// The frame (the selected one is drawn after all others) and the two digits,
// white when unlocked, grey when locked; a level won at par has gold digits
// and a star over its frame (queued after every cell and the selected frame,
// which it overlaps), a shape for players who cannot tell gold from white.
void QueueLevelCell(const LevelChoice& c, int i, const LevelCellLook& look) {
  const float y = LevelRowTop(c.openDifficulty), opacity = c.stripOpacity;
  if (!look.selected) QueueMenuImage(GetMenuAssets().levelFrame[0], LevelCellLeft(i), y, kCellWidth, kCellHeight, opacity);
  const float grey = look.unlocked ? 1.0f : 0.5f;
  const float blue = look.wonAtPar ? 0.25f * grey : grey, green = look.wonAtPar ? 0.8f * grey : grey;
  const float x = LevelCellLeft(i) + 0.005f;
  QueueDigit(i / 10, x, y, grey, green, blue, opacity);
  QueueDigit(i % 10, x + kDigitWidth, y, grey, green, blue, opacity);
}

// Centred over the cell, its points resting on the frame's top edge.
void QueueParStar(const LevelChoice& c, int i) {
  const float width = 0.018f, height = 0.024f;
  QueueMenuImage(GetMenuAssets().parStar, LevelCellLeft(i) + (kCellWidth - width) / 2,
                 LevelRowTop(c.openDifficulty) - height + 0.005f, width, height, c.stripOpacity);
}

void DrawPlayScreen(LevelChoice& c, const LevelChoicePointer& pointer, const WonAtParTable& won) {
  const MenuAssets& a = GetMenuAssets();
  BeginMenuFrame();
  QueueMenuImage(a.infoPanel, 0.18f, 0.42f, 0.7f, 0.1f);
  QueueMenuImage(a.back[c.backHighlighted ? 1 : 0], 0.74f, 0.884675f, 0.21f, 0.065325f);
  for (int d = 1; d <= kDifficultyCount; ++d) {
    QueueMenuImage(a.difficulty[d - 1], 0.3675f, DifficultyButtonTop(d), 0.2475f, 0.061f);
  }
  const float markerX[kDifficultyCount] = {0.41f, 0.42f, 0.42f};
  for (int d = 1; d <= kDifficultyCount; ++d) {
    if (IsDifficultyCompleted(c, d)) {
      QueueMenuImage(a.completed, markerX[d - 1], DifficultyButtonTop(d) - 0.02f, 0.12375f, 0.0915f);
    }
  }
  HitLevelCells(c, pointer, MenuSoundPlayer());
  if (c.openDifficulty >= 1) {
    QueueMenuImage(a.levelStrip, 0.1415f, DifficultyButtonTop(c.openDifficulty), 0.7f, 0.061f, c.stripOpacity);
    for (int i = 1; i <= kLevelsPerDifficulty; ++i) QueueLevelCell(c, i, LookOfLevelCell(c, i, won));
    if (c.selectedDifficulty == c.openDifficulty) {
      QueueMenuImage(a.levelFrame[1], LevelCellLeft(c.selectedLevel), LevelRowTop(c.openDifficulty), kCellWidth,
                     kCellHeight, c.stripOpacity);
    }
    for (int i = 1; i <= kLevelsPerDifficulty; ++i)
      if (won[(c.openDifficulty - 1) * kLevelsPerDifficulty + i]) QueueParStar(c, i);
  }
  if (c.crosshair) QueueMenuImage(a.crosshair, c.crosshairX - 0.015f, c.crosshairY - 0.015f, 0.05f, 0.05f);
  FinishMenuFrame(c.fadeLevel, !c.crosshair);
}

// One visit of the screen, from its fade-in to its fade-out.
LevelChoice RunLevelChoice() {
  LevelChoice c = BeginLevelChoice(playerProgress.highestLevel, ReadPointer());
  MenuKeys keys;
  keys.Start(ReadMenuKeyboard());
  const WonAtParTable won = ReadWonAtPar();
  LogRunEvent("levels won at par: %d", static_cast<int>(std::count(won.begin(), won.end(), true)));
  MenuStepClock clock;
  clock.Start(PlatformTickCount());
  while (!c.finished) {
    DrawPlayScreen(c, ReadPointer(), won);
    while (!c.finished && clock.TakeStep(PlatformTickCount())) {
      const MenuKeysHeld held = ReadMenuKeyboard();
      const uint32_t intents = keys.TakeIntents(held, PlatformTickCount());
      StepLevelChoice(c, ReadPointer(), (held.bits & kIntentBack) != 0, intents, MenuSoundPlayer());
    }
    // Here once a frame, not once a step: the scene turns with the frame rate.
    AdvanceMenuSpin();
    PumpMessages();
  }
  return c;
}

// The play loop from level; what it reached is kept in "profile.dat" (never
// lowering what is stored there).
void PlayChosenLevel(int level) {
  LogRunEvent("level %d chosen", level);
  playerProgress.currentLevel = level;
  PlayLevels(playerProgress);
  StoreHighestLevel(playerProgress);
}
}  // namespace

void RunPlayScreen() { RunPlayScreenFromLevel(0); }

void RunPlayScreenFromLevel(int level) {
  if (level > 0) PlayChosenLevel(level);
  for (;;) {
    LogMenuScreen("play");
    const LevelChoice c = RunLevelChoice();
    if (c.action != kChoiceStartLevel) return;
    PlayChosenLevel(ChosenLevel(c));
  }
}
