// What every menu screen's logic shares: the 10 ms step clock with its
// catch-up, the mouse latch that turns a held button into one press, and the
// fades. Plain logic: the screens hand in the clock and the buttons.
#pragma once
#include <cstdint>

constexpr uint32_t kMenuStepMs = 10;
constexpr float kMenuFadeStep = 0.02f;  // a full fade in 50 steps, 0.5 s

// Logic runs at 100 steps a second whatever the frame rate: after a slow
// frame every step due is run.
struct MenuStepClock {
  uint32_t tick = 0;
  // At a screen's entry, and when a screen called from it returns, so the
  // time spent there is not caught up.
  void Start(uint32_t now) { tick = now; }
  // True (and the clock one step on) while a step is due at now.
  bool TakeStep(uint32_t now) {
    if (static_cast<int32_t>(now - tick) <= 0) return false;
    tick += kMenuStepMs;
    return true;
  }
};

// A press is a step with a button down while the latch is clear; the latch
// is set by a press (or by the screen) and cleared in any step with no button
// down, so holding the button gives one press.
struct MouseLatch {
  bool set = false;
  bool TakePress(bool buttonDown) {
    if (!buttonDown) {
      set = false;
      return false;
    }
    if (set) return false;
    set = true;
    return true;
  }
};

// Fading in brightens to 1 and says when it got there; fading out darkens to
// 0 and says when the screen is black.
bool StepFadeIn(float& fade);
bool StepFadeOut(float& fade);
