// The per-frame message pump.
#include "shell/pump.h"

#include "input/mouse.h"
#include "input/typed_keys.h"
#include "shell/main_window.h"
#include "shell/shutdown.h"

namespace {
constexpr int kAttemptsPerPump = 80;
int cursorX = 0;
int cursorY = 0;

// The typed-key code of a navigation key, 0 for any other key.
int NavigationCode(int virtualKey) {
  switch (virtualKey) {
    case 33: return kKeyPageUp;
    case 34: return kKeyPageDown;
    case 35: return kKeyEnd;
    case 36: return kKeyHome;
    case 37: return kKeyLeft;
    case 38: return kKeyUp;
    case 39: return kKeyRight;
    case 40: return kKeyDown;
    case 46: return kKeyDelete;
    default: return 0;
  }
}

// Points beyond an edge of the client area (the bars of a full-screen picture,
// a drag outside the window) hold the cursor at that edge.
void ClampCursor() {
  int width = GetClientWidth();
  int height = GetClientHeight();
  if (cursorX < 0) cursorX = 0;
  if (cursorY < 0) cursorY = 0;
  if (cursorX > width - 1) cursorX = width - 1;
  if (cursorY > height - 1) cursorY = height - 1;
  SetMousePosition(static_cast<float>(cursorX) / static_cast<float>(width),
                   static_cast<float>(cursorY) / static_cast<float>(height));
}
}  // namespace

void PumpMessages() {
  for (int attempt = 0; attempt < kAttemptsPerPump; ++attempt) {
    WindowMessage message;
    if (!PlatformPeekMessage(&message)) continue;
    if (message.kind == kMessageMouseMove) {
      cursorX = message.x;
      cursorY = message.y;
    }
    ClampCursor();
    DispatchWindowMessage(message);
  }
}

void DispatchWindowMessage(const WindowMessage& message) {
  switch (message.kind) {
    case kMessageChar:
      for (int i = 0; i < message.repeat; ++i) PushTypedKey(static_cast<int8_t>(message.code));
      break;
    case kMessageKeyDown:
      if (NavigationCode(message.code) != 0) PushTypedKey(NavigationCode(message.code));
      break;
    case kMessageSize: RepaintAfterResize(); break;
    case kMessageDestroy: EndProcessOnClose(); break;
    default: break;
  }
}

int GetCursorX() { return cursorX; }
int GetCursorY() { return cursorY; }
