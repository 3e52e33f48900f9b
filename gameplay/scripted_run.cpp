// Running a script against the real game.
#include "gameplay/scripted_run.h"

#include <algorithm>
#include <cstdarg>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "files/file_stream.h"
#include "gameplay/script_file.h"
#include "graphics/render_device.h"
#include "platform/events_inject.h"
#include "platform/virtual_clock.h"
#include "platform/virtual_pad.h"
#include "platform/window.h"
#include "shell/main_window.h"
#include "shell/shutdown.h"

namespace {
// Taken while the program loads, close enough to the start of the process.
const std::chrono::steady_clock::time_point processStart = std::chrono::steady_clock::now();

struct ScriptedRun {
  uint32_t framesShown = 0;
  bool active = false;
  uint32_t startTick = 0;
  uint32_t stepMs = 0;
  std::vector<ScriptEvent> events;
  ScriptCursor cursor;
  bool closing = false;
};

ScriptedRun& Run() {
  static ScriptedRun* run = new ScriptedRun;
  return *run;
}

constexpr int32_t kMaxScriptBytes = 1 << 20;

bool ReadScriptText(const std::string& name, std::string* text) {
  FileStream file;
  if (file.Open(name.c_str(), "rb") == FileStream::kClosed) return false;
  const int32_t size = file.Size();
  if (size < 0 || size > kMaxScriptBytes) return false;
  text->resize(static_cast<size_t>(size));
  const int32_t read = size > 0 ? file.Read(text->data(), size) : 0;
  text->resize(static_cast<size_t>(read > 0 ? read : 0));
  return true;
}

void SaveShot(const std::string& file) {
  if (SaveFramePng(file.c_str())) LogRunEvent("shot %s", file.c_str());
  else std::printf("script: the frame could not be saved to %s\n", file.c_str());
}

// Closing the window the way a player does: the close path saves what a
// normal quit would and ends the process.
void EndRun() {
  ScriptedRun& run = Run();
  if (run.closing) return;
  run.closing = true;
  LogRunEvent("quit");
  std::fflush(stdout);
  if (!PlatformPushClose()) EndProcessOnClose();
}

void Apply(const ScriptEvent& e) {
  switch (e.action) {
    case kScriptKeyDown:
      PlatformPushKey(e.code, true);
      // The real keyboard types a character as the key goes down, too.
      if (const char* typed = TypedTextOfKey(e.code)) PlatformPushText(typed);
      break;
    case kScriptKeyUp: PlatformPushKey(e.code, false); break;
    case kScriptText: PlatformPushText(e.text.c_str()); break;
    case kScriptMouseMove:
      PlatformPushMouseMove(static_cast<int>(e.x * static_cast<float>(GetClientWidth())),
                            static_cast<int>(e.y * static_cast<float>(GetClientHeight())));
      break;
    case kScriptButtonDown: PlatformPushMouseButton(e.code, true); break;
    case kScriptButtonUp: PlatformPushMouseButton(e.code, false); break;
    case kScriptShot: SaveShot(e.text); break;
    case kScriptQuit: EndRun(); break;
    case kScriptMark: {
      // What the frame just shown cost the device, beside the times.
      const FrameCost cost = LastFrameCost();
      LogRunEvent("mark %s (draws %d, uploads %d, binds %d)", e.text.c_str(), cost.drawCalls, cost.bufferUploads,
                  cost.textureBinds);
      break;
    }
    case kScriptPadAttach:
      if (PlatformAttachVirtualPad()) LogRunEvent("pad attached");
      break;
    case kScriptPadDetach:
      if (PlatformDetachVirtualPad()) LogRunEvent("pad detached");
      break;
    case kScriptPadButtonDown: PlatformSetVirtualPadButton(e.code, true); break;
    case kScriptPadButtonUp: PlatformSetVirtualPadButton(e.code, false); break;
    case kScriptPadAxis: PlatformSetVirtualPadAxis(e.code, e.x); break;
  }
}
}  // namespace

bool StartScriptedRun(const RunOptions& options) {
  ScriptedRun& run = Run();
  run.events.clear();
  if (!options.scriptFile.empty()) {
    std::string text, error;
    if (!ReadScriptText(options.scriptFile, &text)) {
      std::printf("script: %s cannot be read\n", options.scriptFile.c_str());
      return false;
    }
    if (!ParseScript(text, &run.events, &error)) {
      std::printf("script: %s: %s\n", options.scriptFile.c_str(), error.c_str());
      return false;
    }
    // A script's shots are saved beside the script unless it names a full path.
    const std::filesystem::path folder = std::filesystem::path(options.scriptFile).parent_path();
    for (ScriptEvent& e : run.events) {
      if (e.action == kScriptShot && std::filesystem::path(e.text).is_relative()) e.text = folder / e.text;
    }
  }
  // The command line's shots and quit time join the script's own events.
  std::vector<ScriptEvent> extra;
  for (const ShotRequest& shot : options.shots) {
    ScriptEvent e;
    e.time = shot.time;
    e.action = kScriptShot;
    e.text = shot.file;
    extra.push_back(e);
  }
  if (options.hasQuitAfter) {
    ScriptEvent e;
    e.time = options.quitAfter;
    e.action = kScriptQuit;
    extra.push_back(e);
  }
  run.events.insert(run.events.end(), extra.begin(), extra.end());
  std::stable_sort(run.events.begin(), run.events.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.time < b.time; });
  run.cursor = ScriptCursor{&run.events, 0};
  run.stepMs = options.virtualClockMs;
  if (run.stepMs > 0) PlatformStartVirtualClock();
  run.startTick = PlatformTickCount();
  run.active = !run.events.empty() || run.stepMs > 0;
  return true;
}

bool ScriptedRunActive() { return Run().active; }

uint32_t ScriptedRunTime() { return PlatformTickCount() - Run().startTick; }

void LogRunEvent(const char* format, ...) {
  if (!Run().active) return;
  char text[200];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  // Game time first; then what a measurement needs: frames shown, wall and
  // processor time since the program started.
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - processStart).count();
  const double cpu = static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
  std::printf("[%u ms, frame %u, wall %.3f s, cpu %.3f s] %s\n", static_cast<unsigned>(ScriptedRunTime()),
              static_cast<unsigned>(Run().framesShown), wall, cpu, text);
  std::fflush(stdout);
}

void AdvanceScriptedRun() {
  ScriptedRun& run = Run();
  if (!run.active) return;
  ++run.framesShown;
  // Shots first: the frame just shown is the one shown at this game time.
  const uint32_t shownAt = ScriptedRunTime();
  for (const ScriptEvent* e : TakeFrameEvents(run.cursor, shownAt)) Apply(*e);
  if (run.stepMs > 0) PlatformAdvanceVirtualClock(run.stepMs);
}
