// The credits' scenes, step by step.
#include "frontend/credits_show.h"

namespace {
constexpr float kFadeStep = 0.02f;
constexpr int kClickSound = 0;

void AdvanceScene(CreditsShow& s) {
  if (s.approach < 0.0f) {
    s.approach += 1.0f;
    return;
  }
  if (s.turn != 0.0f || s.pause >= 10.0f) s.turn += 6.0f;
  if (s.turn == 0.0f && s.pause < 10.0f) s.pause += 0.05f;
  if (s.turn > 360.0f) s.turn = 360.0f;
  if (s.turn == 360.0f) s.slide += 0.3f;
  if (s.slide <= 80.0f) return;
  s.slide = s.turn = s.pause = 0.0f;
  s.approach = -160.0f;
  s.counter = (s.counter + 1) % kCreditsSceneCount;
}
}  // namespace

CreditsShow BeginCredits(bool buttonDown) {
  CreditsShow s;
  s.mouseLatch = buttonDown;
  return s;
}

void StepCredits(CreditsShow& s, bool leaveHeld, bool buttonDown, const std::function<void(int slot)>& playSound) {
  if (s.fadingIn) {
    s.fadeLevel += kFadeStep;
    if (s.fadeLevel >= 1.0f) s.fadeLevel = 1.0f, s.fadingIn = false;
  } else if (s.fadingOut) {
    s.fadeLevel -= kFadeStep;
    if (s.fadeLevel <= 0.0f) s.fadeLevel = 0.0f, s.finished = true;
  }
  const bool idle = !s.fadingIn && !s.fadingOut;
  if ((leaveHeld || buttonDown) && !s.mouseLatch && idle) {
    s.mouseLatch = true;
    s.leaving = true;
    if (buttonDown) playSound(kClickSound);
  }
  if (!buttonDown) s.mouseLatch = false;
  if (s.leaving && idle) s.fadingOut = true;
  AdvanceScene(s);
}

int CreditsSceneIndex(const CreditsShow& s) {
  // au1, au2, au6, au3, au4, au5, au7.
  static const int kOrder[kCreditsSceneCount] = {0, 1, 5, 2, 3, 4, 6};
  return kOrder[s.counter % kCreditsSceneCount];
}

float CreditsSceneY(const CreditsShow& s) {
  const float flownPast = s.slide > 40.0f ? s.slide - 40.0f : 0.0f;
  return -flownPast - s.approach;
}

float CreditsSceneAngle(const CreditsShow& s) { return 360.0f - s.turn; }
