// The start-up order and the main flow of the game.
#include "shell/startup.h"

#include <cstdio>

#include "input/mouse.h"
#include "platform/events.h"
#include "shell/command_line.h"
#include "shell/data_directory.h"
#include "shell/diagnostics.h"
#include "shell/intro.h"
#include "shell/main_window.h"
#include "shell/player_progress.h"
#include "shell/settings.h"
#include "shell/shutdown.h"

#ifndef RR_VERSION
#define RR_VERSION "unknown"
#endif

int ApplyDrawOption() {
  int drawOption = ReadDrawOption();
  // Graphics: SetExtraPasses(drawOption) once the device exists.
  return drawOption;
}

void RunIntroAndGame() {
  SetMouseMode(0);  // the menus draw their own pointer
  // Graphics: load "data/tarvik_intro.vxm" and the loading pictures
  // "data/png/loading.png", "data/png/load_ramka.png", "data/png/load_pasek.png".

  LoadPlayerProgress();
  // A closed window ends the process at once: the profile index still reaches the disk.
  AddExitSaver(SaveProfileIndex);

  // Sound: PlayMusic("music/logo.ogg", 0.0, 0).
  IntroCalls intro;
  // Graphics: intro.drawFrame sets the view, camera and light, queues the intro
  // scene at the given frame and renders; Sound: intro.onSkip plays "music/blank.ogg".
  RunIntro(intro);

  ApplyDrawOption();
  // Front end and play screen: LoadMenuAssets(), LoadGameAssets(), then
  // RunMainMenu(), which returns when the player leaves.
  // Sound: PlayMusic("music/blank.ogg", 0.5, 0).
  SetMouseMode(1);
  SaveProfileIndex();
}

int RunRivetRun(int argc, const char* const* argv) {
  CommandLine commandLine = ParseCommandLine(argc, argv);
  if (commandLine.showHelp) {
    std::fputs(CommandLineUsage(), stdout);
    return 0;
  }
  if (commandLine.showVersion) {
    std::printf("rivet-run %s\n", RR_VERSION);
    return 0;
  }
  if (commandLine.unknown != nullptr) PrintDiagnostic("unknown argument ignored: %s\n", commandLine.unknown);
  ChangeToDataDirectory(GetProgramDirectory(argc > 0 ? argv[0] : nullptr));

  RequestDisplayMode(0, 0, 0);
  if (!CreateMainWindow(commandLine)) {
    PrintDiagnostic("rivet-run: the window could not be opened\n");
    return 1;
  }
  // Graphics: CreateRenderDevice on the window: full screen at the requested
  // size (GetRequestedDisplayMode) or windowed; then install its resize repaint.
  // Sound: InitSound().
  InitInput(PlatformMouseDevice());
  // Graphics: create the global RenderQueue.
  RunIntroAndGame();
  return 0;
}
