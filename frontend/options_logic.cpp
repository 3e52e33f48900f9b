// The options screen's steps.
#include "frontend/options_logic.h"

#include "frontend/menu_keys.h"

namespace {
constexpr float kPulseStep = 0.003f;
constexpr float kPulseLimit = 0.08f;
constexpr uint32_t kLeftButton = 1, kRightButton = 2;

enum OptionsAction : int { kActionNone = 0, kActionLeave = 1, kActionBack = 4, kActionForward = 5 };

bool Inside(const OptionsBox& b, float x, float y) {
  return b.x < x && x < b.x + b.width && b.y < y && y < b.y + b.height;
}

int RowAt(const OptionsState& s, float x, float y) {
  for (int row = kRowEffects; row <= kRowResolution; ++row) {
    if (Inside(OptionsValueBox(s, row), x, y)) return row;
  }
  // The back button's hit band is the lower part of its picture.
  if (0.14f < x && x < 0.35f && 0.875075f < y && y < 0.925325f) return kRowBack;
  return -1;
}

// The mouse while the screen is idle: hover, and a click of one button alone.
int TakeMouse(OptionsState& s, const OptionsInput& in, OptionsStep& out) {
  if (!s.keyboardOwns) s.hovered = RowAt(s, in.mouseX, in.mouseY);
  const int row = RowAt(s, in.mouseX, in.mouseY);
  if (s.latch || row < 0) return kActionNone;
  if (row == kRowBack) {
    if (in.buttons != kLeftButton) return kActionNone;
    out.playClick = true;
    s.latch = true;
    return kActionLeave;
  }
  if (in.buttons == kLeftButton || in.buttons == kRightButton) {
    s.hovered = row;
    s.latch = true;
    return in.buttons == kLeftButton ? kActionForward : kActionBack;
  }
  return kActionNone;
}

// Up and Down move among the rows and the back button; Right steps a value
// forward and Left back; Enter steps forward or presses back.
int TakeKeyboard(OptionsState& s, uint32_t intents, OptionsStep& out) {
  const int step = (intents & kIntentDown ? 1 : 0) - (intents & kIntentUp ? 1 : 0);
  if (step != 0) s.hovered = WrapMenuHighlight(s.hovered, step, kOptionsRows);
  if (s.hovered < 0) return kActionNone;
  if (s.hovered == kRowBack) {
    if (!(intents & kIntentPress)) return kActionNone;
    out.playClick = true;
    return kActionLeave;
  }
  if (intents & (kIntentRight | kIntentPress)) return kActionForward;
  if (intents & kIntentLeft) return kActionBack;
  return kActionNone;
}

void ChangeValue(OptionsState& s, int action, OptionsStep& out) {
  Settings& v = s.settings;
  out.playChange = true;
  if (s.hovered == kRowEffects) {
    v.drawOption = 1 - v.drawOption;
    out.drawOptionChanged = true;
  } else if (s.hovered == kRowMusic) {
    v.music = 1 - v.music;
    out.musicSwitched = v.music;
  } else if (action == kActionForward) {
    v.resolution = (v.resolution + 1) % kResolutionCount;  // after the last comes the first
  } else if (v.resolution > 0) {
    --v.resolution;  // stepping back stops at the first
  }
}
}  // namespace

OptionsBox OptionsValueBox(const OptionsState& s, int row) {
  OptionsBox box = kOptionsValue[row];
  if (row == s.hovered) {
    box.width += s.pulse;
    box.x -= s.pulse / 2.0f;
  }
  return box;
}

OptionsState StartOptions(const Settings& settings, uint32_t mouseButtons) {
  OptionsState s;
  s.settings = settings;
  s.latch = mouseButtons != 0;
  return s;
}

OptionsStep StepOptions(OptionsState& s, const OptionsInput& in) {
  OptionsStep out;
  if (s.fadeState == kOptionsFadingIn && StepFadeIn(s.fade)) s.fadeState = kOptionsIdle;
  if (s.fadeState == kOptionsFadingOut && StepFadeOut(s.fade)) s.fadeState = kOptionsDone;
  const bool mouseMoved = in.mouseX != s.mouseX || in.mouseY != s.mouseY;
  s.mouseX = in.mouseX;
  s.mouseY = in.mouseY;
  if (mouseMoved || in.buttons != 0) s.keyboardOwns = false;
  if ((in.intents & ~kIntentBack) != 0) s.keyboardOwns = true;

  int action = kActionNone;
  if (s.fadeState == kOptionsIdle) {
    if (in.escapeDown && !s.latch) {
      s.latch = true;
      action = kActionLeave;
    }
    const int mouseAction = TakeMouse(s, in, out);
    if (mouseAction != kActionNone) action = mouseAction;
    if (s.keyboardOwns && action == kActionNone) action = TakeKeyboard(s, in.intents, out);
    if (in.buttons == 0 && !in.escapeDown && !in.arrowHeld) s.latch = false;
  }
  if (action == kActionLeave) s.fadeState = kOptionsFadingOut;
  s.pulse += kPulseStep * s.pulseDirection;
  if (action == kActionForward || action == kActionBack) ChangeValue(s, action, out);
  if (s.pulse > kPulseLimit || s.pulse < -kPulseLimit) s.pulseDirection = -s.pulseDirection;
  return out;
}
