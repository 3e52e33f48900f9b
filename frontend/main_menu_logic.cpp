// The main menu's steps.
#include "frontend/main_menu_logic.h"

#include "frontend/menu_keys.h"

MainMenuState StartMainMenu(bool buttonDownAtEntry) {
  MainMenuState s;
  s.latch.set = buttonDownAtEntry;
  return s;
}

int MainButtonAt(float x, float y) {
  if (!(kMainButtonX < x && x < kMainButtonX + kMainButtonWidth)) return -1;
  for (int i = 0; i < kMainButtonCount; ++i) {
    if (kMainButtonTop[i] < y && y < kMainButtonTop[i] + kMainButtonHeight) return i;
  }
  return -1;
}

namespace {
// The keyboard in the idle menu: arrows move the highlight round the five
// buttons; Escape goes to exit first and presses it the second time.
bool TakeKeyboard(MainMenuState& s, uint32_t intents) {
  if (intents & kIntentUp) s.highlight = WrapMenuHighlight(s.highlight, -1, kMainButtonCount);
  if (intents & kIntentDown) s.highlight = WrapMenuHighlight(s.highlight, 1, kMainButtonCount);
  if (intents & kIntentBack) {
    if (s.highlight == kMainExit) return true;
    s.highlight = kMainExit;
  }
  return (intents & kIntentPress) != 0 && s.highlight >= 0;
}
}  // namespace

MainMenuStep StepMainMenu(MainMenuState& s, const MainMenuInput& in) {
  MainMenuStep out;
  const int prev = s.highlight;
  bool press = s.latch.TakePress(in.buttonDown);
  const bool mouseMoved = in.mouseX != s.mouseX || in.mouseY != s.mouseY;
  s.mouseX = in.mouseX;
  s.mouseY = in.mouseY;
  if (mouseMoved || press) s.keyboardOwns = false;
  if (in.intents != 0) s.keyboardOwns = true;

  bool keyPress = false;
  if (s.phase == kMainIdle) {
    if (s.keyboardOwns) keyPress = TakeKeyboard(s, in.intents);
    else s.highlight = MainButtonAt(in.mouseX, in.mouseY);
  }
  // Clicks count only in the idle or faded-out menu; keys only when idle.
  if ((press || keyPress) && s.phase != kMainFadingOut && s.phase != kMainFadingIn && s.highlight >= 0) {
    out.playClick = true;
    s.phase = kMainFadingOut;
    s.latch.set = true;
  } else {
    press = false;
  }
  if (s.highlight != prev && s.highlight != -1) out.playHover = true;

  if (s.phase == kMainFadingIn) {
    if (StepFadeIn(s.fade)) s.phase = kMainIdle;
  } else if (!press && !keyPress) {
    if (s.phase == kMainFadingOut) {
      if (StepFadeOut(s.fade)) s.phase = kMainFadedOut;
    } else if (s.phase == kMainFadedOut) {
      if (s.highlight == kMainExit) {
        s.exitChosen = true;
        s.phase = kMainIdle;
      } else {
        out.openScreen = s.highlight;
        s.phase = kMainFadingIn;
      }
    }
  }
  if ((s.phase == kMainIdle || s.phase == kMainFadedOut) && in.buttonDown) s.latch.set = true;
  return out;
}
