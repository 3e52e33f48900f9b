// The options screen's state machine with a fake mouse and keyboard.
#include <gtest/gtest.h>

#include "frontend/menu_keys.h"
#include "frontend/options_logic.h"

namespace {
OptionsInput Over(int row, uint32_t buttons = 0) {
  OptionsInput in;
  const OptionsBox& box = row == kRowBack ? kOptionsBack : kOptionsValue[row];
  in.mouseX = box.x + box.width / 2;
  in.mouseY = box.y + box.height * 0.75f;
  in.buttons = buttons;
  return in;
}

// An open screen, faded in.
OptionsState Opened(Settings settings = Settings{}) {
  OptionsState s = StartOptions(settings, 0);
  for (int i = 0; i < 50; ++i) StepOptions(s, OptionsInput{});
  return s;
}

OptionsStep Click(OptionsState& s, int row, uint32_t buttons) {
  const OptionsStep step = StepOptions(s, Over(row, buttons));
  StepOptions(s, Over(row));
  return step;
}
}  // namespace

TEST(Options, ClicksChangeEachValueAtOnce) {
  Settings settings;
  settings.resolution = 0;
  OptionsState s = Opened(settings);
  for (int i = 1; i <= 7; ++i) {
    EXPECT_TRUE(Click(s, kRowResolution, 1).playChange);
    EXPECT_EQ(s.settings.resolution, i % 7);  // forward goes round
  }
  Click(s, kRowResolution, 2);
  EXPECT_EQ(s.settings.resolution, 0);  // back stops at the first
  EXPECT_EQ(Click(s, kRowMusic, 1).musicSwitched, 0);
  EXPECT_EQ(Click(s, kRowMusic, 2).musicSwitched, 1);
  const OptionsStep effects = Click(s, kRowEffects, 1);
  EXPECT_TRUE(effects.drawOptionChanged);
  EXPECT_EQ(s.settings.drawOption, 0);
  EXPECT_EQ(effects.musicSwitched, -1);
}

TEST(Options, BothButtonsHeldArrowsAndTheFadeInChangeNothing) {
  OptionsState s = StartOptions(Settings{}, 0);
  Click(s, kRowMusic, 1);  // during the fade-in
  EXPECT_EQ(s.settings.music, 1);
  s = Opened();
  Click(s, kRowMusic, 3);
  EXPECT_EQ(s.settings.music, 1);
  // An arrow held keeps the latch set: a click after the first is ignored
  // until the arrow is let go.
  OptionsInput arrow = Over(kRowMusic);
  arrow.arrowHeld = true;
  OptionsInput click = Over(kRowMusic, 1);
  click.arrowHeld = true;
  StepOptions(s, click);
  StepOptions(s, arrow);
  StepOptions(s, click);
  EXPECT_EQ(s.settings.music, 0);
  StepOptions(s, Over(kRowMusic));
  StepOptions(s, Over(kRowMusic, 1));
  EXPECT_EQ(s.settings.music, 1);
}

TEST(Options, BackOrEscapeLeaveAfterTheFadeOut) {
  OptionsState s = Opened();
  EXPECT_TRUE(Click(s, kRowBack, 1).playClick);
  EXPECT_EQ(s.fadeState, kOptionsFadingOut);
  for (int i = 0; i < 60; ++i) StepOptions(s, OptionsInput{});
  EXPECT_EQ(s.fadeState, kOptionsDone);
  OptionsState e = Opened();
  OptionsInput escape;
  escape.escapeDown = true;
  StepOptions(e, escape);
  EXPECT_EQ(e.fadeState, kOptionsFadingOut);
}

TEST(Options, KeyboardWalksTheRowsAndStepsValues) {
  OptionsState s = Opened();
  OptionsInput keys;
  keys.intents = kIntentDown;
  StepOptions(s, keys);
  EXPECT_EQ(s.hovered, kRowEffects);
  keys.intents = kIntentDown;
  StepOptions(s, keys);
  StepOptions(s, keys);
  keys.intents = kIntentRight;
  StepOptions(s, keys);
  EXPECT_EQ(s.settings.resolution, 2);
  keys.intents = kIntentLeft;
  StepOptions(s, keys);
  StepOptions(s, keys);
  StepOptions(s, keys);
  EXPECT_EQ(s.settings.resolution, 0);
  keys.intents = kIntentUp;
  StepOptions(s, keys);
  keys.intents = kIntentPress;
  EXPECT_EQ(StepOptions(s, keys).musicSwitched, 0);
  keys.intents = kIntentUp;
  StepOptions(s, keys);
  StepOptions(s, keys);
  EXPECT_EQ(s.hovered, kRowBack);
  keys.intents = kIntentPress;
  EXPECT_TRUE(StepOptions(s, keys).playClick);
  EXPECT_EQ(s.fadeState, kOptionsFadingOut);
}
