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

OptionsStep Key(OptionsState& s, uint32_t intents) {
  OptionsInput keys;
  keys.intents = intents;
  return StepOptions(s, keys);
}
}  // namespace

TEST(Options, ClicksChangeEachValueAtOnceAndBackLeaves) {
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
  // Back leaves, with the left button only, after the fade-out.
  EXPECT_FALSE(Click(s, kRowBack, 2).playClick);
  EXPECT_TRUE(Click(s, kRowBack, 1).playClick);
  EXPECT_EQ(s.fadeState, kOptionsFadingOut);
  for (int i = 0; i < 60; ++i) StepOptions(s, OptionsInput{});
  EXPECT_EQ(s.fadeState, kOptionsDone);
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

TEST(Options, KeyboardWalksTheRowsStepsValuesAndLeaves) {
  OptionsState s = Opened();
  Key(s, kIntentDown);
  EXPECT_EQ(s.hovered, kRowEffects);
  Key(s, kIntentDown);
  Key(s, kIntentDown);
  Key(s, kIntentRight);
  EXPECT_EQ(s.settings.resolution, 2);
  for (int i = 0; i < 3; ++i) Key(s, kIntentLeft);
  EXPECT_EQ(s.settings.resolution, 0);
  Key(s, kIntentUp);
  EXPECT_EQ(Key(s, kIntentPress).musicSwitched, 0);
  Key(s, kIntentUp);
  Key(s, kIntentUp);
  EXPECT_EQ(s.hovered, kRowBack);
  EXPECT_TRUE(Key(s, kIntentPress).playClick);
  EXPECT_EQ(s.fadeState, kOptionsFadingOut);
  OptionsState e = Opened();
  OptionsInput escape;
  escape.escapeDown = true;
  StepOptions(e, escape);
  EXPECT_EQ(e.fadeState, kOptionsFadingOut);
}
