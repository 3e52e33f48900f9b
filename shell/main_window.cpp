// Creating the main window and the state that belongs to it.
#include "shell/main_window.h"

#include <cstdlib>
#include <cstring>

#include "platform/window.h"
#include "shell/settings.h"

namespace {
char titleBuffer[800] = "Tarvik 3D Engine";
int32_t requestedWidth = 0;
int32_t requestedHeight = 0;
int32_t requestedDepth = 0;
int clientWidth = 640;
int clientHeight = 480;

// Windowed size: the screen less a margin for the frame and the task bar.
int WindowedSize(int screen, int margin) { return screen - margin > 64 ? screen - margin : 64; }
}  // namespace

bool CreateMainWindow(const CommandLine& commandLine, bool hidden) {
  LoadSettingsAndCommandLine(commandLine);
  int screenWidth = 0;
  int screenHeight = 0;
  PlatformGetScreenSize(&screenWidth, &screenHeight);
  bool fullScreen = requestedWidth > 0 && requestedHeight > 0;
  SetClientSize(requestedWidth != 0 ? std::abs(requestedWidth) : WindowedSize(screenWidth, 30),
                requestedHeight != 0 ? std::abs(requestedHeight) : WindowedSize(screenHeight, 50));

  WindowConfig config;
  config.width = clientWidth;
  config.height = clientHeight;
  config.fullScreen = fullScreen;
  config.hidden = hidden;
  config.resizable = !fullScreen;
  config.title = titleBuffer;
  // Centred across, 15 pixels above the middle.
  config.placed = !fullScreen;
  config.x = (screenWidth - clientWidth) / 2;
  config.y = (screenHeight - clientHeight - 30) / 2;
  if (!PlatformCreateWindow(config)) return false;
  PlatformSetWindowIcon(kWindowIconFile);  // without it the desktop shows its own
  return true;
}

void SetWindowTitle(const char* text) {
  if (text == nullptr) text = "";
  std::strncpy(titleBuffer, text, sizeof(titleBuffer) - 1);
  titleBuffer[sizeof(titleBuffer) - 1] = 0;
  PlatformSetWindowTitle(titleBuffer);
}

const char* GetWindowTitle() { return titleBuffer; }

void RequestDisplayMode(int32_t width, int32_t height, int32_t depth) {
  requestedWidth = width;
  requestedHeight = height;
  requestedDepth = depth;
}

void GetRequestedDisplayMode(int32_t* width, int32_t* height, int32_t* depth) {
  *width = requestedWidth;
  *height = requestedHeight;
  *depth = requestedDepth;
}

int GetClientWidth() { return clientWidth; }
int GetClientHeight() { return clientHeight; }

void SetClientSize(int width, int height) {
  clientWidth = width > 0 ? width : 1;
  clientHeight = height > 0 ? height : 1;
}
