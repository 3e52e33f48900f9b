// SDL events to window messages, and the held-key table and focus kept current.
#include "platform/events.h"

#include <deque>

#include "input/keyboard.h"
#include "platform/events_internal.h"
#include "platform/window.h"
#include "platform/window_internal.h"

namespace {
std::deque<WindowMessage> pending;
ResizeRepaint resizeRepaint = nullptr;
bool leftControlHeld = false;
bool rightControlHeld = false;
uint32_t pushedButtons = 0;  // buttons held by pushed events, in the game's numbering
bool keypadHeldAsArrow[SDL_NUM_SCANCODES];

// The Windows virtual-key code of an SDL key, 0 for keys the game never asks for.
int VirtualKeyFromSdl(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  switch (key) {
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_F11: return VK_F11;
    case SDLK_F12: return VK_F12;
    default: return 0;
  }
}

// With Num Lock off the number pad is a second set of arrows and paging keys,
// as on other systems; with it on, its keys type digits through text input.
int KeypadNavigationKey(SDL_Scancode scancode) {
  switch (scancode) {
    case SDL_SCANCODE_KP_8: return VK_UP;
    case SDL_SCANCODE_KP_2: return VK_DOWN;
    case SDL_SCANCODE_KP_4: return VK_LEFT;
    case SDL_SCANCODE_KP_6: return VK_RIGHT;
    case SDL_SCANCODE_KP_7: return VK_HOME;
    case SDL_SCANCODE_KP_1: return VK_END;
    case SDL_SCANCODE_KP_9: return VK_PRIOR;
    case SDL_SCANCODE_KP_3: return VK_NEXT;
    case SDL_SCANCODE_KP_PERIOD: return VK_DELETE;
    default: return 0;
  }
}

// The virtual key an event stands for. A number-pad key let go after Num Lock
// changed still lets go of what it held, so no arrow stays held for ever.
int VirtualKeyOf(const SDL_KeyboardEvent& event) {
  const SDL_Scancode scancode = event.keysym.scancode;
  const int keypad = scancode >= 0 && scancode < SDL_NUM_SCANCODES ? KeypadNavigationKey(scancode) : 0;
  if (keypad == 0) return VirtualKeyFromSdl(event.keysym.sym);
  if (event.type == SDL_KEYDOWN) {
    keypadHeldAsArrow[scancode] = (event.keysym.mod & KMOD_NUM) == 0;
    return keypadHeldAsArrow[scancode] ? keypad : 0;
  }
  const bool held = keypadHeldAsArrow[scancode];
  keypadHeldAsArrow[scancode] = false;
  return held ? keypad : 0;
}

// Keys that type a control character without a text-input event.
int ControlCharacterOf(int virtualKey) {
  switch (virtualKey) {
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_RETURN: return 13;
    case VK_ESCAPE: return 27;
    default: return 0;
  }
}

// Either Ctrl key holds VK_CONTROL; releasing one leaves it held by the other.
void TrackControl(SDL_Keycode key, bool down) {
  if (key == SDLK_LCTRL) leftControlHeld = down;
  if (key == SDLK_RCTRL) rightControlHeld = down;
  SetKeyHeld(VK_CONTROL, leftControlHeld || rightControlHeld);
}

void Queue(int32_t kind, int32_t code = 0, int32_t x = 0, int32_t y = 0) {
  WindowMessage message;
  message.kind = kind;
  message.code = code;
  message.repeat = kind == kMessageChar ? 1 : 0;
  message.x = x;
  message.y = y;
  pending.push_back(message);
}

void TranslateKey(const SDL_KeyboardEvent& event) {
  bool down = event.type == SDL_KEYDOWN;
  int virtualKey = VirtualKeyOf(event);
  if (virtualKey == 0) return;
  if (virtualKey == VK_CONTROL) {
    TrackControl(event.keysym.sym, down);
  } else {
    SetKeyHeld(virtualKey, down);
  }
  if (!down) return;
  Queue(kMessageKeyDown, virtualKey);
  // A held key's repeats are marked, for keys that act once per press.
  pending.back().repeat = event.repeat != 0 ? 1 : 0;
  int character = ControlCharacterOf(virtualKey);
  if (character != 0) Queue(kMessageChar, character);
}

void TranslateText(const SDL_TextInputEvent& event) {
  for (const char* c = event.text; *c != 0 && c < event.text + sizeof(event.text); ++c) {
    Queue(kMessageChar, static_cast<int8_t>(*c));
  }
}

// Floor division, so that points left of or above the picture stay negative.
int FloorDivide(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return static_cast<int>(q);
}

// Window points to picture pixels: the picture fills the window, or for full
// screen its centred rectangle with bars.
void TranslateMouse(int windowX, int windowY) {
  int pictureW = 0;
  int pictureH = 0;
  PlatformGetPictureSize(&pictureW, &pictureH);
  int windowW = 0;
  int windowH = 0;
  if (PlatformSdlWindow() != nullptr) SDL_GetWindowSize(PlatformSdlWindow(), &windowW, &windowH);
  int rectX = 0;
  int rectY = 0;
  int rectW = windowW;
  int rectH = windowH;
  if (PlatformShowsPictureInBars()) {
    FitPictureRect(windowW, windowH, pictureW, pictureH, &rectX, &rectY, &rectW, &rectH);
  }
  if (rectW <= 0 || rectH <= 0) {
    Queue(kMessageMouseMove, 0, windowX, windowY);
    return;
  }
  int x = FloorDivide(int64_t{windowX - rectX} * pictureW, rectW);
  int y = FloorDivide(int64_t{windowY - rectY} * pictureH, rectH);
  Queue(kMessageMouseMove, 0, x, y);
}

void TranslateWindowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED: Queue(kMessageSize); break;
    case SDL_WINDOWEVENT_CLOSE: Queue(kMessageDestroy); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: SetInputFocus(true); break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      // Keys let go in another window never reach us: forget them all.
      SetInputFocus(false);
      ReleaseAllKeys();
      leftControlHeld = rightControlHeld = false;
      for (bool& held : keypadHeldAsArrow) held = false;
      break;
    default: break;
  }
}

// The real mouse is read from SDL's state when the game asks; only pushed
// buttons need keeping here.
void TranslateButton(const SDL_MouseButtonEvent& event) {
  if (event.which != kPushedMouseId || event.button > 7) return;
  uint32_t bit = 1u << event.button;
  pushedButtons = event.state == SDL_PRESSED ? (pushedButtons | bit) : (pushedButtons & ~bit);
}

void Translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: TranslateKey(event.key); break;
    case SDL_TEXTINPUT: TranslateText(event.text); break;
    case SDL_MOUSEMOTION: TranslateMouse(event.motion.x, event.motion.y); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: TranslateButton(event.button); break;
    case SDL_WINDOWEVENT: TranslateWindowEvent(event.window); break;
    case SDL_QUIT: Queue(kMessageDestroy); break;
    default: break;
  }
}

uint32_t PollSdlMouseButtons() {
  uint32_t real = SDL_WasInit(SDL_INIT_VIDEO) != 0 ? MouseMaskFromSdlButtons(SDL_GetMouseState(nullptr, nullptr)) : 0;
  return real | pushedButtons;
}

void SetSdlCursorMode(int mode) {
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return;
  SDL_ShowCursor(mode == 1 ? SDL_ENABLE : SDL_DISABLE);
  if (PlatformSdlWindow() != nullptr) SDL_SetWindowGrab(PlatformSdlWindow(), mode == 2 ? SDL_TRUE : SDL_FALSE);
}
}  // namespace

void PlatformPumpEvents() {
  if (SDL_WasInit(SDL_INIT_EVENTS) != 0) SDL_PumpEvents();
}

bool PlatformPeekMessage(WindowMessage* message) {
  *message = WindowMessage{};
  if (pending.empty()) {
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return false;
    // No pumping here: eighty peeks a frame would ask the window system (and
    // every joystick) eighty times.
    SDL_Event event;
    if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) != 1) return false;
    Translate(event);
    if (pending.empty()) return true;  // taken, but nothing the game handles
  }
  *message = pending.front();
  pending.pop_front();
  return true;
}

void PlatformDiscardPendingMessages() { pending.clear(); }

void SetPushedButtons(uint32_t mask) { pushedButtons = mask; }

void SetResizeRepaint(ResizeRepaint repaint) { resizeRepaint = repaint; }

void RepaintAfterResize() {
  if (resizeRepaint != nullptr) resizeRepaint();
}

MouseDevice PlatformMouseDevice() {
  MouseDevice device;
  device.pollButtons = PollSdlMouseButtons;
  device.setCursorMode = SetSdlCursorMode;
  return device;
}

uint32_t MouseMaskFromSdlButtons(uint32_t sdlButtons) {
  uint32_t mask = 0;
  if (sdlButtons & SDL_BUTTON_LMASK) mask |= 1u << 0;
  if (sdlButtons & SDL_BUTTON_RMASK) mask |= 1u << 1;
  if (sdlButtons & SDL_BUTTON_MMASK) mask |= 1u << 2;
  if (sdlButtons & SDL_BUTTON_X1MASK) mask |= 1u << 3;
  if (sdlButtons & SDL_BUTTON_X2MASK) mask |= 1u << 4;
  return mask;
}
