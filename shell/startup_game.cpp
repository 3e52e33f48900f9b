// Devices, intro scene, loading and play for start-up.
#include "shell/startup_game.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "frontend/play_screen.h"
#include "gameplay/game_assets.h"
#include "gameplay/scripted_run.h"
#include "graphics/model.h"
#include "graphics/render_device.h"
#include "graphics/render_queue.h"
#include "input/controllers.h"
#include "input/mouse.h"
#include "platform/events.h"
#include "platform/gpu_device.h"
#include "platform/pads.h"
#include "shell/command_line.h"
#include "shell/desktop_keys.h"
#include "shell/main_window.h"
#include "sound/sound.h"

namespace {
RunOptions runOptions;

// After every frame reaches the screen: the screenshot F12 asked for, then
// the scripted run's shots and input.
void OnFrameShown() {
  SaveRequestedScreenshot();
  if (ScriptedRunActive()) AdvanceScriptedRun();
}

Model& IntroScene() {
  static Model* scene = new Model;
  return *scene;
}

}  // namespace

void SetRunOptions(const RunOptions& options) {
  runOptions = options;
  // The game moves into its data directory before it reads them.
  std::error_code ignored;
  if (!runOptions.scriptFile.empty()) runOptions.scriptFile = std::filesystem::absolute(runOptions.scriptFile, ignored);
  for (ShotRequest& shot : runOptions.shots) shot.file = std::filesystem::absolute(shot.file, ignored);
}

void RequestRunWindowSize(bool windowed) {
  // A negative size asks for a window of that client size.
  if (windowed && runOptions.windowWidth > 0) RequestDisplayMode(-runOptions.windowWidth, -runOptions.windowHeight, 0);
}

bool StartGameDevices() {
  int32_t width = 0, height = 0, depth = 0;
  GetRequestedDisplayMode(&width, &height, &depth);
  const bool fullScreen = width > 0 || height > 0;
  if (CreateRenderDevice(fullScreen ? width : -1, fullScreen ? height : -1, fullScreen ? 32 : -1, -1, 1) == 0) {
    return false;
  }
  SetResizeRepaint(GpuRepaintGrey);
  SetFrameSaver(SaveFramePng);
  // Before sound starts its timer thread, so a bad script leaves nothing running.
  if (!StartScriptedRun(runOptions)) return false;
  SetFrameShownHook(OnFrameShown);
  InitSound();
  InitInput(PlatformMouseDevice());
  InitControllers(PlatformControllerDevice());
  CreateRenderQueue();
  return true;
}

void LoadIntroScene() {
  IntroScene().Load("data/tarvik_intro.vxm");
  LoadLoadingScreen();
}

void StartLogoMusic() { PlayMusic("music/logo.ogg", 0.0f, 0); }

void DrawIntroFrame(float sceneFrame) {
  SetViewRect(0, 2000, 0, 0, GetClientWidth(), GetClientHeight(), 0, 0);
  SetCamera(2.24f, -39.2402f, 0.56f, 2.24f, -39.1602f, 0.56f, 0.0f, -0.0000000437114f, 1.0f, 90.0f);
  SetLight(0, 0, 0, 10.0f, 10.0f, 10.0f, 0, 0, 60.0f);
  QueueModel(&IntroScene(), 0, 0, 0, 0, 0, 0, sceneFrame);
  RenderFrame(1, 1, 1, 1);
}

void SilenceLogoMusic() { PlayMusic("music/blank.ogg", 0.0f, 0); }

void RunCommandLineLevel() {
  if (runOptions.level > 0) RunPlayScreenFromLevel(runOptions.level);
}

void FadeMusicOnQuit() { PlayMusic("music/blank.ogg", 0.5f, 0); }

void EndGameProcess() {
  std::fflush(stdout);
  std::_Exit(0);
}
