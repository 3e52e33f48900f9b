// Full screen on F11 or Alt+Enter, screenshots on F12.
#include "shell/desktop_keys.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "input/keyboard.h"
#include "platform/window.h"
#include "shell/diagnostics.h"
#include "shell/save_folder.h"
#include "shell/settings.h"

namespace fs = std::filesystem;

namespace {
FrameSaver frameSaver = nullptr;
bool screenshotRequested = false;

std::string AbsoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

// A value of user-dirs.dirs: "$HOME/Pictures" or "/absolute/path", quoted.
std::string UserDirValue(std::string value, const std::string& home) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return "";
  value = value.substr(1, value.size() - 2);
  if (value.rfind("$HOME", 0) == 0) {
    if (home.empty()) return "";
    value = home + value.substr(5);
  }
  return !value.empty() && value[0] == '/' ? value : "";
}

// Where a screenshot goes: the pictures folder, else the save folder.
std::string ScreenshotFolder() {
  std::string pictures = GetPicturesFolder();
  if (!pictures.empty()) return pictures;
  std::string ignored;
  MakeSaveFolder(&ignored);
  std::string saves = GetSaveFolder();
  return saves.empty() ? "." : saves;
}
}  // namespace

bool HandleDesktopKey(const WindowMessage& message) {
  if (message.kind != kMessageKeyDown) return false;
  const bool altEnter = message.code == VK_RETURN && IsKeyDown(VK_MENU);
  if (message.code != VK_F11 && message.code != VK_F12 && !altEnter) return false;
  if (message.repeat != 0) return true;
  if (message.code == VK_F12) {
    RequestScreenshot();
  } else {
    ToggleFullScreen();
  }
  return true;
}

bool ToggleFullScreen() {
  const bool fullScreen = !PlatformIsFullScreen();
  if (!PlatformSetFullScreen(fullScreen)) return false;
  WriteWindowedChoice(fullScreen ? 0 : 1);
  PrintDiagnostic("display: %s\n", fullScreen ? "full screen" : "window");
  return true;
}

void SetFrameSaver(FrameSaver saver) { frameSaver = saver; }

void RequestScreenshot() { screenshotRequested = true; }

std::string SaveRequestedScreenshot() {
  if (!screenshotRequested || frameSaver == nullptr) return "";
  screenshotRequested = false;
  const fs::path folder = ScreenshotFolder();
  const std::string name = ScreenshotName(std::time(nullptr));
  // Two shots within a second get numbered names rather than replacing each other.
  fs::path path = folder / name;
  std::error_code error;
  for (int n = 2; fs::exists(path, error) && n < 100; ++n) {
    path = folder / (name.substr(0, name.size() - 4) + "-" + std::to_string(n) + ".png");
  }
  if (!frameSaver(path.c_str())) {
    PrintDiagnostic("screenshot: could not be saved in %s\n", folder.c_str());
    return "";
  }
  PrintDiagnostic("screenshot: %s\n", path.c_str());
  return path.string();
}

std::string GetPicturesFolder() {
  std::string home = AbsoluteVariable("HOME");
  std::string config = AbsoluteVariable("XDG_CONFIG_HOME");
  if (config.empty() && !home.empty()) config = home + "/.config";
  if (config.empty()) return "";
  std::ifstream dirs(config + "/user-dirs.dirs");
  std::string line, found;
  while (std::getline(dirs, line)) {
    const std::string key = "XDG_PICTURES_DIR=";
    if (line.rfind(key, 0) == 0) found = UserDirValue(line.substr(key.size()), home);
  }
  std::error_code error;
  return !found.empty() && fs::is_directory(found, error) ? found : "";
}

std::string ScreenshotName(std::time_t moment) {
  std::tm local{};
  localtime_r(&moment, &local);
  char name[64];
  std::strftime(name, sizeof name, "rivet-run-%Y%m%d-%H%M%S.png", &local);
  return name;
}
