// Pushing made-up input into SDL's event queue.
#include "platform/events_inject.h"

#include <cstring>

#include "input/keyboard.h"
#include "platform/events_internal.h"
#include "platform/window_internal.h"

namespace {
Uint32 WindowId() { return PlatformSdlWindow() != nullptr ? SDL_GetWindowID(PlatformSdlWindow()) : 0; }

bool Push(SDL_Event& event) {
  if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return false;
  return SDL_PushEvent(&event) == 1;
}

SDL_Keycode SdlKeyFromVirtualKey(int virtualKey) {
  if (virtualKey >= 'A' && virtualKey <= 'Z') return SDLK_a + (virtualKey - 'A');
  if (virtualKey >= '0' && virtualKey <= '9') return SDLK_0 + (virtualKey - '0');
  switch (virtualKey) {
    case VK_BACK: return SDLK_BACKSPACE;
    case VK_TAB: return SDLK_TAB;
    case VK_RETURN: return SDLK_RETURN;
    case VK_SHIFT: return SDLK_LSHIFT;
    case VK_CONTROL: return SDLK_LCTRL;
    case VK_ESCAPE: return SDLK_ESCAPE;
    case VK_SPACE: return SDLK_SPACE;
    case VK_PRIOR: return SDLK_PAGEUP;
    case VK_NEXT: return SDLK_PAGEDOWN;
    case VK_END: return SDLK_END;
    case VK_HOME: return SDLK_HOME;
    case VK_LEFT: return SDLK_LEFT;
    case VK_UP: return SDLK_UP;
    case VK_RIGHT: return SDLK_RIGHT;
    case VK_DOWN: return SDLK_DOWN;
    case VK_DELETE: return SDLK_DELETE;
    case VK_MENU: return SDLK_LALT;
    case VK_F11: return SDLK_F11;
    case VK_F12: return SDLK_F12;
    default: return SDLK_UNKNOWN;
  }
}
}  // namespace

bool PlatformPushMouseMove(int windowX, int windowY) {
  SDL_Event event = {};
  event.type = SDL_MOUSEMOTION;
  event.motion.windowID = WindowId();
  event.motion.x = windowX;
  event.motion.y = windowY;
  return Push(event);
}

bool PlatformPushMouseButton(int button, bool down) {
  if (button < 0 || button > 7) return false;
  SDL_Event event = {};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.windowID = WindowId();
  event.button.which = kPushedMouseId;
  event.button.button = static_cast<Uint8>(button);  // the game's numbering; see the translation
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  return Push(event);
}

bool PlatformPushKey(int virtualKey, bool down, bool repeat) {
  SDL_Keycode key = SdlKeyFromVirtualKey(virtualKey);
  if (key == SDLK_UNKNOWN) return false;
  SDL_Event event = {};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.windowID = WindowId();
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.sym = key;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
  return Push(event);
}

bool PlatformPushText(const char* text) {
  if (text == nullptr) return false;
  SDL_Event event = {};
  event.type = SDL_TEXTINPUT;
  event.text.windowID = WindowId();
  std::strncpy(event.text.text, text, sizeof(event.text.text) - 1);
  return Push(event);
}

bool PlatformPushResize(int width, int height) {
  SDL_Event event = {};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = WindowId();
  event.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
  event.window.data1 = width;
  event.window.data2 = height;
  return Push(event);
}

bool PlatformPushClose() {
  SDL_Event event = {};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = WindowId();
  event.window.event = SDL_WINDOWEVENT_CLOSE;
  return Push(event);
}

bool PlatformPushFocus(bool gained) {
  SDL_Event event = {};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = WindowId();
  event.window.event = gained ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST;
  return Push(event);
}

void PlatformReleasePushedButtons() { SetPushedButtons(0); }
