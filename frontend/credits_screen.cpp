// The credits screen's loop: the turning menu scene, then one credit scene
// flying in front of its own camera.
#include "frontend/credits_screen.h"

#include "frontend/credits_show.h"
#include "frontend/menu_assets.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_keys.h"
#include "frontend/menu_log.h"
#include "frontend/menu_step.h"
#include "graphics/menu_helpers.h"
#include "graphics/render_queue.h"
#include "input/mouse.h"
#include "platform/window.h"
#include "shell/pump.h"

namespace {
void DrawCredits(const CreditsShow& show) {
  BeginMenuFrame();
  DrawMenuScene();
  // The scene rests 18 units in front of the camera, upright.
  SetCamera(0, -18.0f, 0, 0, 0, 0, 0, 0, 1.0f, 90.0f);
  QueueModel(&GetMenuAssets().credits[CreditsSceneIndex(show)], 0, CreditsSceneY(show), 0, CreditsSceneAngle(show), 0,
             0, 0);
  FinishMenuFrame(show.fadeLevel, false);
}
}  // namespace

void RunCreditsScreen() {
  LogMenuScreen("credits");
  CreditsShow show = BeginCredits(GetMouseButtons() != 0);
  const std::function<void(int)> playSound = PlayMenuSound;
  MenuStepClock clock;
  clock.Start(PlatformTickCount());
  while (!show.finished) {
    DrawCredits(show);
    while (!show.finished && clock.TakeStep(PlatformTickCount())) {
      const bool leaveHeld = (ReadMenuKeyboard().bits & kIntentBack) != 0;
      StepCredits(show, leaveHeld, GetMouseButtons() != 0, playSound);
      AdvanceMenuSpin();
      PumpMessages();
    }
  }
}
