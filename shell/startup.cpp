// The start-up order and the main flow of the game.
#include "shell/startup.h"

#include <cstdio>

#include "frontend/main_menu.h"
#include "frontend/menu_assets.h"
#include "gameplay/game_assets.h"
#include "gameplay/run_options.h"
#include "graphics/render_device.h"
#include "input/mouse.h"
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

int RunRivetRun(int argc, const char* const* argv) {
  CommandLine commandLine = ParseCommandLine(argc, argv);
  if (commandLine.showHelp) {
    std::fputs(CommandLineUsage(), stdout);
    std::fputs(RunOptionsUsage(), stdout);
    return 0;
  }
  if (commandLine.showVersion) {
    std::printf("rivet-run %s\n", RR_VERSION);
    return 0;
  }
  if (!ReadRunOptions(argc, argv)) return 2;
  if (const char* unknown = FindUnknownArgument(argc, argv)) PrintDiagnostic("unknown argument ignored: %s\n", unknown);
  ChangeToDataDirectory(GetProgramDirectory(argc > 0 ? argv[0] : nullptr));

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
