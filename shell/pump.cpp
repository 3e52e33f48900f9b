// The per-frame message pump.
#include "shell/pump.h"

#include "input/keyboard.h"
#include "input/mouse.h"
#include "input/pad_keys.h"
#include "input/typed_keys.h"
#include "shell/desktop_keys.h"
#include "shell/main_window.h"
#include "shell/shutdown.h"

namespace {
constexpr int kAttemptsPerPump = 80;
int cursorX = 0;
int cursorY = 0;
// Alt+Enter also types a carriage return, which no screen should take.
bool dropCarriageReturn = false;

// The typed-key code of a navigation key, 0 for any other key.
int NavigationCode(int virtualKey) {
  switch (virtualKey) {
    case VK_PRIOR: return kKeyPageUp;
    case VK_NEXT: return kKeyPageDown;
    case VK_END: return kKeyEnd;
    case VK_HOME: return kKeyHome;
    case VK_LEFT: return kKeyLeft;
    case VK_UP: return kKeyUp;
    case VK_RIGHT: return kKeyRight;
    case VK_DOWN: return kKeyDown;
    case VK_DELETE: return kKeyDelete;
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
  PlatformPumpEvents();
  for (int attempt = 0; attempt < kAttemptsPerPump; ++attempt) {
    WindowMessage message;
    if (!PlatformPeekMessage(&message)) continue;
    if (message.kind == kMessageMouseMove) {
      cursorX = message.x;
      cursorY = message.y;
    }
    ClampCursor();
    WindowProc(message);
  }
  // The pad is read here, not through messages: it never takes a message's turn.
  PushPadKeys();
}

void WindowProc(const WindowMessage& message) {
  switch (message.kind) {
    case kMessageChar:
      if (dropCarriageReturn && message.code == 13) {
        dropCarriageReturn = false;
        break;
      }
      for (int i = 0; i < message.repeat; ++i) PushTypedKey(static_cast<int8_t>(message.code));
      break;
    case kMessageKeyDown:
      if (HandleDesktopKey(message)) {
        if (message.code == VK_RETURN) {
          dropCarriageReturn = true;
          SetKeyHeld(VK_RETURN, false);  // nor see Enter held
        }
        break;
      }
      if (NavigationCode(message.code) != 0) PushTypedKey(NavigationCode(message.code));
      break;
    case kMessageSize: RepaintAfterResize(); break;
    case kMessageDestroy: EndProcessOnClose(); break;
    default: break;
  }
}

int GetCursorX() { return cursorX; }
int GetCursorY() { return cursorY; }
