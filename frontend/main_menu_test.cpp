// The main menu's state machine with a fake mouse and keyboard.
#include <gtest/gtest.h>

#include "frontend/main_menu_logic.h"
#include "frontend/menu_keys.h"

namespace {
// The middle of a button.
MainMenuInput Over(int button, bool down = false) {
  MainMenuInput in;
  in.mouseX = 0.5f;
  in.mouseY = kMainButtonTop[button] + kMainButtonHeight / 2;
  in.buttonDown = down;
  return in;
}

MainMenuInput Keys(uint32_t intents, const MainMenuState& s) {
  MainMenuInput in;
  in.mouseX = s.mouseX;  // the mouse stays where it was
  in.mouseY = s.mouseY;
  in.intents = intents;
  return in;
}

// Steps until the menu reports a screen (or exit); the step count taken.
int StepsUntilChosen(MainMenuState& s, const MainMenuInput& in, int* screen) {
  for (int n = 1; n <= 200; ++n) {
    const MainMenuStep step = StepMainMenu(s, in);
    if (step.openScreen >= 0 || s.exitChosen) {
      *screen = step.openScreen;
      return n;
    }
  }
  return -1;
}
}  // namespace

TEST(MainMenu, AClickHeldAtEntryWaitsForReleaseAndAClickOutsideDoesNothing) {
  MainMenuState s = StartMainMenu(true);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(StepMainMenu(s, Over(kMainOptions, true)).playClick);
  EXPECT_EQ(s.phase, kMainIdle);
  StepMainMenu(s, Over(kMainOptions));
  MainMenuInput outside = Over(kMainOptions, true);
  outside.mouseX = 0.9f;
  EXPECT_FALSE(StepMainMenu(s, outside).playClick);
  StepMainMenu(s, Over(kMainOptions));
  EXPECT_TRUE(StepMainMenu(s, Over(kMainOptions, true)).playClick);
  EXPECT_EQ(s.phase, kMainFadingOut);
}

TEST(MainMenu, HoverSoundOncePerChangeAndNoneWhenLeavingTheButtons) {
  MainMenuState s = StartMainMenu(false);
  EXPECT_FALSE(StepMainMenu(s, Over(kMainPlay)).playHover) << "the first highlight is already play";
  EXPECT_TRUE(StepMainMenu(s, Over(kMainPlayers)).playHover);
  EXPECT_FALSE(StepMainMenu(s, Over(kMainPlayers)).playHover);
  MainMenuInput between = Over(kMainPlayers);
  between.mouseY = kMainButtonTop[kMainPlayers] + kMainButtonHeight + 0.005f;  // the gap below
  EXPECT_FALSE(StepMainMenu(s, between).playHover);
  EXPECT_EQ(s.highlight, -1);
  EXPECT_TRUE(StepMainMenu(s, Over(kMainExit)).playHover);
}

TEST(MainMenu, APressFadesOutOpensTheScreenAndFadesBackInIgnoringClicks) {
  MainMenuState s = StartMainMenu(false);
  StepMainMenu(s, Over(kMainOptions));
  ASSERT_TRUE(StepMainMenu(s, Over(kMainOptions, true)).playClick);
  int screen = -1;
  const int steps = StepsUntilChosen(s, Over(kMainOptions), &screen);
  EXPECT_EQ(screen, kMainOptions);
  EXPECT_NEAR(steps, 51, 1) << "half a second of fade";
  EXPECT_EQ(s.phase, kMainFadingIn);
  EXPECT_FLOAT_EQ(s.fade, 0.0f);
  // Back from the screen: clicks during the fade-in do nothing.
  for (int i = 0; i < 49; ++i) {
    EXPECT_FALSE(StepMainMenu(s, Over(kMainExit, i % 2 == 0)).playClick);
  }
  StepMainMenu(s, Over(kMainExit));
  StepMainMenu(s, Over(kMainExit));
  EXPECT_EQ(s.phase, kMainIdle);
  EXPECT_TRUE(StepMainMenu(s, Over(kMainExit, true)).playClick);
  EXPECT_GT(StepsUntilChosen(s, Over(kMainExit), &screen), 0);
  EXPECT_TRUE(s.exitChosen);
  EXPECT_EQ(screen, -1) << "exit opens no screen";
}

TEST(MainMenu, KeysMoveTheHighlightRoundAndEscapeGoesToExitThenPressesIt) {
  MainMenuState s = StartMainMenu(false);
  MainMenuInput away;
  away.mouseX = 0.05f;
  away.mouseY = 0.05f;
  StepMainMenu(s, away);
  ASSERT_EQ(s.highlight, -1);
  StepMainMenu(s, Keys(kIntentUp, s));
  EXPECT_EQ(s.highlight, kMainExit) << "Up from none goes to the last";
  EXPECT_TRUE(StepMainMenu(s, Keys(kIntentDown, s)).playHover);
  EXPECT_EQ(s.highlight, kMainPlay) << "and wraps round";
  StepMainMenu(s, Keys(0, s));
  EXPECT_EQ(s.highlight, kMainPlay) << "the still mouse does not take the highlight back";
  StepMainMenu(s, Keys(kIntentBack, s));
  EXPECT_EQ(s.highlight, kMainExit);
  EXPECT_EQ(s.phase, kMainIdle);
  EXPECT_TRUE(StepMainMenu(s, Keys(kIntentBack, s)).playClick);
  int screen = -1;
  StepsUntilChosen(s, Keys(0, s), &screen);
  EXPECT_TRUE(s.exitChosen);
  // A moved mouse owns the highlight again.
  MainMenuState t = StartMainMenu(false);
  StepMainMenu(t, Keys(kIntentDown, t));
  StepMainMenu(t, Over(kMainCredits));
  EXPECT_EQ(t.highlight, kMainCredits);
}
