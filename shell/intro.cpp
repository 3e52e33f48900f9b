// The intro's clock and loop.
#include "shell/intro.h"

#include "input/controllers.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "platform/window.h"
#include "shell/pump.h"

namespace {
constexpr double kStepMilliseconds = 10.0;
constexpr float kStepSeconds = 0.01f;
}  // namespace

IntroClock StartIntroClock(uint32_t now) {
  IntroClock clock;
  clock.deadline = now;
  return clock;
}

int AdvanceIntroClock(IntroClock& clock, uint32_t now) {
  int steps = 0;
  while (static_cast<double>(now) > clock.deadline) {
    clock.time += kStepSeconds;
    clock.deadline += kStepMilliseconds;
    ++steps;
  }
  return steps;
}

float IntroSceneFrame(float time) { return time < kIntroLastPose ? time : kIntroLastPose; }

bool IsIntroSkipRequested() {
  if (IsKeyDown(VK_ESCAPE)) return true;
  if (IsKeyDown(VK_SPACE)) return true;
  if (GetControllerCount() != 0 && GetControllerAxis(0, 0) != 0.0f) return true;
  if (IsKeyDown(VK_RETURN)) return true;
  return GetMouseButtons() != 0;
}

float RunIntro(const IntroCalls& calls) {
  TickSource tick = calls.tick != nullptr ? calls.tick : PlatformTickCount;
  IntroClock clock = StartIntroClock(tick());
  while (clock.time < kIntroLength) {
    if (calls.drawFrame != nullptr) {
      calls.drawFrame(IntroSceneFrame(clock.time));
    } else {
      PlatformDelay(1);
    }
    AdvanceIntroClock(clock, tick());
    PumpMessages();
    if (IsIntroSkipRequested()) {
      clock.time = kIntroSkipped;
      if (calls.onSkip != nullptr) calls.onSkip();
    }
  }
  return clock.time;
}
