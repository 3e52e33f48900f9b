// The play screen's level choice against a fake mouse and keyboard: what is
// unlocked, the strips following the mouse, select-then-start, the keyboard's
// moves, and leaving by Escape or the back button.
#include <gtest/gtest.h>

#include <vector>

#include "frontend/level_choice.h"
#include "frontend/menu_keys.h"

namespace {
struct Screen {
  LevelChoice c;
  LevelChoicePointer mouse{0.5f, 0.2f, false};  // above everything
  bool escape = false;
  std::vector<int> sounds;
  ChoiceSoundPlayer play = [this](int slot) { sounds.push_back(slot); };

  explicit Screen(int32_t highestLevel) { c = BeginLevelChoice(highestLevel, mouse); }
  // One frame with one 10 ms step, as the screen runs on a fast machine.
  void Step(uint32_t intents = 0) {
    HitLevelCells(c, mouse, play);
    StepLevelChoice(c, mouse, escape, intents, play);
  }
  void Steps(int n) {
    for (int i = 0; i < n && !c.finished; ++i) Step();
  }
  void MoveTo(float x, float y) {
    mouse.x = x, mouse.y = y;
    Step();
  }
  void MoveToCell(int difficulty, int i) { MoveTo(LevelCellLeft(i) + 0.02f, LevelRowTop(difficulty) + 0.01f); }
  void Click() {
    mouse.buttonDown = true;
    Steps(3);
    mouse.buttonDown = false;
    Steps(3);
  }
  // Faded in, the mouse resting over the easy button with its strip open.
  void Settle() {
    Steps(50);
    MoveTo(0.45f, 0.56f);
    Steps(50);
  }
};
}  // namespace

TEST(LevelChoice, UnlockedLevelsAndADamagedProgressNeverLocksOutLevelOne) {
  for (int32_t damaged : {0, -7, -2147483647 - 1}) {
    Screen s(damaged);
    EXPECT_TRUE(IsLevelUnlocked(s.c, 1, 1)) << damaged;
    EXPECT_FALSE(IsLevelUnlocked(s.c, 1, 2)) << damaged;
    EXPECT_FALSE(IsDifficultyCompleted(s.c, 1));
    EXPECT_EQ(ChosenLevel(s.c), 1);
  }
  Screen beyond(2000);
  EXPECT_TRUE(IsLevelUnlocked(beyond.c, 3, 15));
  EXPECT_EQ(ChosenLevel(beyond.c), 45);
  EXPECT_TRUE(IsDifficultyCompleted(beyond.c, 3));

  // Sixteen: medium's first level opens and easy is marked completed. The
  // selection rests on it with the medium strip opening.
  Screen s(16);
  EXPECT_TRUE(IsLevelUnlocked(s.c, 2, 1));
  EXPECT_FALSE(IsLevelUnlocked(s.c, 2, 2));
  EXPECT_TRUE(IsDifficultyCompleted(s.c, 1));
  EXPECT_FALSE(IsDifficultyCompleted(s.c, 2));
  EXPECT_EQ(s.c.selectedDifficulty, 2);
  EXPECT_EQ(s.c.selectedLevel, 1);
  EXPECT_EQ(s.c.expanded, 2);
  s.Steps(51);  // 0.5 s, give or take the last hundredth
  EXPECT_FLOAT_EQ(s.c.stripOpacity, 1.0f);
  EXPECT_FLOAT_EQ(s.c.fadeLevel, 1.0f);
  EXPECT_TRUE(s.c.crosshair);  // over the keyboard's selection
}

// A record equal to par is marked, one move over is not; no win yet (0) and
// an unknown par (0) never mark a level, not even against each other.
TEST(LevelChoice, OnlyAWinInParMovesOrFewerIsMarked) {
  EXPECT_TRUE(IsWonAtPar(12, 12) && IsWonAtPar(11, 12));
  EXPECT_FALSE(IsWonAtPar(13, 12) || IsWonAtPar(0, 12) || IsWonAtPar(0, 0) || IsWonAtPar(5, 0));
}

TEST(LevelChoice, StripsOpenOnHoverStayInTheirBandAndFadeWhereTheyWere) {
  Screen s(30);
  s.Steps(50);
  s.MoveTo(0.1f, 0.1f);  // the mouse takes over: off every band, the strip closes
  EXPECT_EQ(s.c.expanded, 0);
  s.Steps(60);
  EXPECT_FLOAT_EQ(s.c.stripOpacity, 0.0f);

  s.MoveTo(0.5f, 0.8f);  // over the hard button, no click needed
  EXPECT_EQ(s.c.expanded, 3);
  s.Steps(25);
  EXPECT_NEAR(s.c.stripOpacity, 0.5f, 0.001f);
  s.MoveTo(0.2f, 0.88f);  // still inside the hard band, far left of the button
  EXPECT_EQ(s.c.expanded, 3);
  s.MoveTo(0.2f, 0.7f);   // above the band: closes, and keeps fading out on hard
  EXPECT_EQ(s.c.expanded, 0);
  EXPECT_EQ(s.c.openDifficulty, 3);
  s.Steps(5);
  EXPECT_GT(s.c.stripOpacity, 0.3f);

  s.MoveTo(0.4f, 0.56f);  // easy opens
  s.Steps(50);
  EXPECT_EQ(s.c.openDifficulty, 1);
  s.MoveTo(0.8f, 0.9f);  // the back button: the strip vanishes at once
  EXPECT_TRUE(s.c.backHighlighted);
  EXPECT_FLOAT_EQ(s.c.stripOpacity, 0.0f);
}

TEST(LevelChoice, SelectThenStartWithASecondPressOnUnlockedLevelsOnly) {
  Screen s(5);
  s.Settle();
  s.MoveToCell(1, 9);
  s.Click();  // grey: nothing
  EXPECT_EQ(s.c.selectedLevel, 5);
  s.MoveToCell(1, 3);
  s.Click();
  EXPECT_EQ(s.c.selectedLevel, 3);
  EXPECT_TRUE(s.c.crosshair);
  EXPECT_TRUE(s.sounds.empty());
  EXPECT_EQ(s.c.fadeState, kChoiceIdle);

  // Held and swept over numbers, the selection follows without starting.
  s.mouse.buttonDown = true;
  s.MoveToCell(1, 1);
  s.MoveToCell(1, 2);
  s.MoveToCell(1, 8);
  s.mouse.buttonDown = false;
  s.Step();
  EXPECT_EQ(s.c.selectedLevel, 2);
  EXPECT_EQ(s.c.fadeState, kChoiceIdle);

  s.MoveToCell(1, 2);
  s.Click();  // the second press on the selected level
  EXPECT_EQ(s.sounds, std::vector<int>{kChoiceStartSound});
  EXPECT_EQ(s.c.fadeState, kChoiceFadingOut);
  s.Steps(60);
  EXPECT_TRUE(s.c.finished);
  EXPECT_EQ(s.c.action, kChoiceStartLevel);
  EXPECT_EQ(ChosenLevel(s.c), 2);
}

TEST(LevelChoice, AStartPressDraggedOffTheStripStillFadesOut) {
  Screen s(5);
  s.Settle();
  s.MoveToCell(1, 5);  // selected on entry: one press starts it
  s.mouse.buttonDown = true;
  s.Step();
  s.MoveTo(0.1f, 0.1f);  // dragged away with the button held, the strip closes
  s.Steps(40);
  s.mouse.buttonDown = false;
  s.Steps(60);
  EXPECT_TRUE(s.c.finished);
  EXPECT_EQ(s.c.action, kChoiceStartLevel);
  EXPECT_EQ(ChosenLevel(s.c), 5);
}

TEST(LevelChoice, KeyboardMovesOverUnlockedLevelsAndStarts) {
  Screen s(18);  // all of easy, medium 1-3
  s.Steps(50);
  ASSERT_EQ(ChosenLevel(s.c), 18);
  s.Step(kIntentRight);  // medium 4 is locked
  EXPECT_EQ(ChosenLevel(s.c), 18);
  EXPECT_TRUE(s.sounds.empty());
  s.Step(kIntentDown);  // hard is all locked
  EXPECT_EQ(ChosenLevel(s.c), 18);
  s.Step(kIntentUp);
  EXPECT_EQ(ChosenLevel(s.c), 3);
  EXPECT_EQ(s.c.expanded, 1);
  for (int i = 0; i < 8; ++i) s.Step(kIntentRight);
  s.Step(kIntentLeft);
  EXPECT_EQ(ChosenLevel(s.c), 10);
  s.Step(kIntentDown);  // the same place below is locked: its last unlocked level
  EXPECT_EQ(ChosenLevel(s.c), 18);
  s.Step(kIntentUp);
  for (int i = 0; i < 20; ++i) s.Step(kIntentLeft);
  EXPECT_EQ(ChosenLevel(s.c), 1);
  EXPECT_EQ(s.sounds.size(), 14u);  // one per real move
  EXPECT_TRUE(s.c.crosshair);

  // The resting mouse does not close the keyboard's strip; moving it does.
  s.Steps(100);
  EXPECT_EQ(s.c.expanded, 1);
  s.MoveTo(0.5f, 0.21f);
  EXPECT_EQ(s.c.expanded, 0);
  s.Step(kIntentRight);  // the keyboard again: its strip opens once more
  EXPECT_EQ(s.c.expanded, 1);

  s.sounds.clear();
  s.Step(kIntentPress);
  EXPECT_EQ(s.sounds, std::vector<int>{kChoiceStartSound});
  s.Steps(60);
  EXPECT_TRUE(s.c.finished);
  EXPECT_EQ(s.c.action, kChoiceStartLevel);
  EXPECT_EQ(ChosenLevel(s.c), 2);
}

TEST(LevelChoice, EscapeAndTheBackButtonLeaveAfterTheFadeIn) {
  // Pressed and let go during the fade-in: nothing.
  Screen s(3);
  s.Steps(10);
  s.escape = true;
  s.Steps(5);
  s.escape = false;
  s.Steps(100);
  EXPECT_EQ(s.c.fadeState, kChoiceIdle);
  EXPECT_FALSE(s.c.finished);
  // Enter during the fade-in does not start a level either.
  Screen k(3);
  k.Step(kIntentPress);
  k.Steps(100);
  EXPECT_EQ(k.c.fadeState, kChoiceIdle);

  // Held through the fade-in: leaves right after it.
  Screen h(3);
  h.escape = true;
  h.Steps(53);
  EXPECT_EQ(h.c.fadeState, kChoiceFadingOut);
  h.Steps(60);
  EXPECT_EQ(h.c.action, kChoiceLeave);

  // Later: a 0.5 s fade-out, then done.
  s.escape = true;
  s.Steps(50);
  EXPECT_FALSE(s.c.finished);
  s.Steps(5);
  EXPECT_TRUE(s.c.finished);
  EXPECT_EQ(s.c.action, kChoiceLeave);

  Screen b(3);
  b.Steps(50);
  b.MoveTo(0.8f, 0.9f);
  b.Click();
  EXPECT_EQ(b.sounds, std::vector<int>{kChoiceClickSound});
  b.Steps(60);
  EXPECT_TRUE(b.c.finished);
  EXPECT_EQ(b.c.action, kChoiceLeave);
}
