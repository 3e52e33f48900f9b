// The options screen's loop, drawing and saving.
#include "frontend/options_screen.h"

#include "frontend/menu_assets.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_keys.h"
#include "frontend/menu_log.h"
#include "frontend/options_logic.h"
#include "graphics/menu_helpers.h"
#include "graphics/render_device.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "platform/window.h"
#include "shell/pump.h"
#include "shell/settings.h"
#include "sound/sound.h"

namespace {
constexpr int kYes = 4, kNo = 5;  // in the options picture array

void QueueBox(const Image& image, const OptionsBox& box) { QueueMenuImage(image, box.x, box.y, box.width, box.height); }

void DrawOptions(const OptionsState& s) {
  const MenuAssets& a = GetMenuAssets();
  BeginMenuFrame();
  DrawMenuScene();
  for (int row = kRowEffects; row <= kRowResolution; ++row) QueueBox(a.options[1 + row], kOptionsLabel[row]);
  QueueBox(a.options[s.settings.drawOption == 1 ? kYes : kNo], OptionsValueBox(s, kRowEffects));
  QueueBox(a.options[s.settings.music == 1 ? kYes : kNo], OptionsValueBox(s, kRowMusic));
  const int resolution = s.settings.resolution >= 0 && s.settings.resolution < kResolutionCount ? s.settings.resolution : 0;
  QueueBox(a.resolutions[resolution], OptionsValueBox(s, kRowResolution));
  QueueBox(a.back[s.hovered == kRowBack ? 1 : 0], kOptionsBack);
  // A new resolution is only taken at the next start.
  if (s.settings.resolution != GetStartResolution()) QueueMenuImage(a.restartNotice, 0.63f, 0.46f, 0.308f, 0.2268f);
  FinishMenuFrame(s.fade);
}

bool ArrowHeld() {
  return (ReadMenuKeyboard().bits & kIntentArrows) != 0;
}

void ApplyStep(const OptionsState& s, const OptionsStep& step) {
  if (step.playClick) PlayMenuSound(kMenuClick);
  if (step.playChange) PlayMenuSound(kMenuHover);
  if (step.drawOptionChanged) SetExtraPasses(s.settings.drawOption);
  if (step.musicSwitched == 1) PlayMusic("music/menu.ogg", 0.0f, 0);
  if (step.musicSwitched == 0) PlayMusic("music/blank.ogg", 0.0f, 0);
}
}  // namespace

void RunOptionsScreen() {
  LogMenuScreen("options");
  OptionsState s = StartOptions(ReadSettings(), GetMouseButtons());
  MenuKeys keys;
  keys.Start(ReadMenuKeyboard());
  MenuStepClock clock;
  clock.Start(PlatformTickCount());
  while (s.fadeState != kOptionsDone) {
    DrawOptions(s);
    while (s.fadeState != kOptionsDone && clock.TakeStep(PlatformTickCount())) {
      OptionsInput in;
      in.mouseX = GetMouseX();
      in.mouseY = GetMouseY();
      in.buttons = GetMouseButtons();
      in.escapeDown = (ReadMenuKeyboard().bits & kIntentBack) != 0;
      in.arrowHeld = ArrowHeld();
      in.intents = keys.TakeIntents(ReadMenuKeyboard(), PlatformTickCount());
      ApplyStep(s, StepOptions(s, in));
      AdvanceMenuSpin();
      PumpMessages();
    }
  }
  WriteSettings(s.settings);
}
