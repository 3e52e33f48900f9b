// The start-up order and the main flow of the game.
#include "shell/startup.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frontend/main_menu.h"
#include "frontend/menu_assets.h"
#include "gameplay/game_assets.h"
#include "graphics/render_device.h"
#include "input/mouse.h"
#include "platform/window.h"
#include "shell/command_line.h"
#include "shell/data_directory.h"
#include "shell/diagnostics.h"
#include "shell/intro.h"
#include "shell/main_window.h"
#include "shell/player_progress.h"
#include "shell/settings.h"
#include "shell/shutdown.h"
#include "shell/startup_game.h"

#ifndef RR_VERSION
#define RR_VERSION "unknown"
#endif

int ApplyDrawOption() {
  int drawOption = ReadDrawOption();
  SetExtraPasses(drawOption);
  return drawOption;
}

void RunIntroAndGame() {
  SetMouseMode(0);  // the menus draw their own pointer
  LoadIntroScene();

  LoadPlayerProgress();
  // A closed window ends the process at once: the profile index still reaches the disk.
  AddExitSaver(SaveProfileIndex);

  StartLogoMusic();
  IntroCalls intro;
  intro.drawFrame = DrawIntroFrame;
  intro.onSkip = SilenceLogoMusic;
  RunIntro(intro);

  ApplyDrawOption();
  // One loading bar for both: the menus fill it to 4, the play screen to 10.
  LoadMenuAssets();
  LoadGameAssets();
  RunCommandLineLevel();
  RunMainMenu();
  FadeMusicOnQuit();
  SetMouseMode(1);
  SaveProfileIndex();
}

namespace {
// Without a display SDL would fall back to an invisible window and the game
// would run where nobody sees it. A driver chosen on purpose (the tests'
// offscreen) is taken as it is.
bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && value[0] != '\0';
}

bool HasDisplayOrChosenDriver() {
  if (IsSet("SDL_VIDEODRIVER")) return true;
  // Without either variable there is nothing to ask (and asking makes the
  // window system libraries print lines of their own).
  if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) return false;
  const char* driver = PlatformVideoDriver();
  return driver != nullptr && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}
}  // namespace

int RunRivetRun(int argc, const char* const* argv) {
  CommandLine commandLine = ParseCommandLine(argc, argv);
  if (!commandLine.error.empty()) {
    std::fprintf(stderr, "rivet-run: %s\n%s", commandLine.error.c_str(), CommandLineUsage().c_str());
    return 2;
  }
  if (commandLine.showHelp) {
    std::fputs(CommandLineUsage().c_str(), stdout);
    return 0;
  }
  if (commandLine.showVersion) {
    std::printf("rivet-run %s\n", RR_VERSION);
    return 0;
  }
  SetRunOptions(commandLine.run);
  ChangeToDataDirectory(GetProgramDirectory(argc > 0 ? argv[0] : nullptr));
  if (!HasDisplayOrChosenDriver()) {
    std::fputs("rivet-run: no display could be opened (DISPLAY or WAYLAND_DISPLAY); "
               "SDL_VIDEODRIVER=offscreen runs without one\n", stderr);
    return 1;
  }

  RequestDisplayMode(0, 0, 0);
  RequestRunWindowSize(commandLine.windowed);
  if (!CreateMainWindow(commandLine)) {
    PrintDiagnostic("rivet-run: the window could not be opened\n");
    return 1;
  }
  if (!StartGameDevices()) {
    PrintDiagnostic("rivet-run: the game cannot start (see the line above)\n");
    return 1;
  }
  RunIntroAndGame();
  EndGameProcess();
}
