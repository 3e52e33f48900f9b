// The main menu's loop.
#include "frontend/main_menu.h"

#include "frontend/credits_screen.h"
#include "frontend/main_menu_logic.h"
#include "frontend/menu_assets.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_keys.h"
#include "frontend/menu_log.h"
#include "frontend/options_screen.h"
#include "frontend/play_screen.h"
#include "frontend/profiles_screen.h"
#include "gameplay/scripted_run.h"
#include "graphics/menu_helpers.h"
#include "input/mouse.h"
#include "platform/window.h"
#include "shell/pump.h"
#include "shell/settings.h"
#include "sound/sound.h"

namespace {
void DrawMainMenu(const MainMenuState& s) {
  const MenuAssets& a = GetMenuAssets();
  BeginMenuFrame();
  for (int i = 0; i < kMainButtonCount; ++i) {
    QueueMenuImage(a.mainButtons[i][i == s.highlight ? 1 : 0], kMainButtonX, kMainButtonTop[i], kMainButtonWidth,
                   kMainButtonHeight);
  }
  FinishMenuFrame(s.fade);
}

void OpenScreen(int button) {
  switch (button) {
    case kMainPlay: RunPlayScreen(); break;
    case kMainPlayers: RunProfilesScreen(); break;
    case kMainOptions: RunOptionsScreen(); break;
    case kMainCredits: RunCreditsScreen(); break;
    default: break;
  }
  LogMenuScreen("main");
}
}  // namespace

void RunMainMenu() {
  if (IsMusicEnabled() == 1) PlayMusic("music/menu.ogg", 0.0f, 0);
  LogMenuScreen("main");
  MainMenuState s = StartMainMenu(GetMouseButtons() != 0);
  MenuKeys keys;
  keys.Start(ReadMenuKeyboard());
  MenuStepClock clock;
  clock.Start(PlatformTickCount());
  while (!s.exitChosen) {
    DrawMainMenu(s);
    while (!s.exitChosen && clock.TakeStep(PlatformTickCount())) {
      MainMenuInput in;
      in.mouseX = GetMouseX();
      in.mouseY = GetMouseY();
      in.buttonDown = GetMouseButtons() != 0;
      in.intents = keys.TakeIntents(ReadMenuKeyboard(), PlatformTickCount());
      const MainMenuStep step = StepMainMenu(s, in);
      if (step.playClick) PlayMenuSound(kMenuClick);
      if (step.playHover) PlayMenuSound(kMenuHover);
      if (s.exitChosen) LogRunEvent("exit");
      if (step.openScreen >= 0) {
        OpenScreen(step.openScreen);
        // The time spent in the screen is not caught up.
        clock.Start(PlatformTickCount());
        keys.Start(ReadMenuKeyboard());
      }
      AdvanceMenuSpin();
      PumpMessages();
    }
  }
}
