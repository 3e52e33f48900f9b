// SDL joysticks and game controllers as the game's controller device. The
// devices are refreshed and read when the game asks, never through events:
// the message pump's budget stays for the window, the keys and the mouse.
#include "platform/pads.h"

#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/pads_internal.h"

namespace {
struct OpenPad {
  SDL_JoystickID id = -1;
  SDL_Joystick* joystick = nullptr;
  SDL_GameController* pad = nullptr;  // null: no pad mapping, read raw
};

OpenPad openPads[kMaxControllers];
int openCount = 0;
// Devices that would not open, so each is reported once per plugging.
constexpr int kFailedKept = 32;
SDL_JoystickID failedIds[kFailedKept];
int failedCount = 0;
Uint32 lastUpdateTick = 0;
bool updatedOnce = false;

static_assert(int{kPadSouth} == int{SDL_CONTROLLER_BUTTON_A} && int{kPadStart} == int{SDL_CONTROLLER_BUTTON_START} &&
                  int{kPadRight} == int{SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
              "the table's pad buttons follow SDL's numbering");

// Asking SDL about the devices costs a system call per device: once per
// millisecond is as fresh as anyone can press.
void UpdateDevices() {
  const Uint32 now = SDL_GetTicks();
  if (updatedOnce && now == lastUpdateTick) return;
  updatedOnce = true;
  lastUpdateTick = now;
  SDL_JoystickUpdate();
}

void Close(OpenPad& p) {
  if (p.pad != nullptr) SDL_GameControllerClose(p.pad);
  else if (p.joystick != nullptr) SDL_JoystickClose(p.joystick);
  p = OpenPad{};
}

void DropDetached() {
  int kept = 0;
  for (int i = 0; i < openCount; ++i) {
    if (SDL_JoystickGetAttached(openPads[i].joystick)) {
      openPads[kept++] = openPads[i];
    } else {
      Close(openPads[i]);
    }
  }
  openCount = kept;
}

bool IsKnown(SDL_JoystickID id) {
  for (int i = 0; i < openCount; ++i) {
    if (openPads[i].id == id) return true;
  }
  for (int i = 0; i < failedCount && i < kFailedKept; ++i) {
    if (failedIds[i] == id) return true;
  }
  return false;
}

// A device that will not open is skipped and the search goes on: one odd
// device must not hide the pads after it.
void OpenNewDevices() {
  const int n = SDL_NumJoysticks();
  for (int i = 0; i < n && openCount < kMaxControllers; ++i) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(i);
    if (id < 0 || IsKnown(id)) continue;
    OpenPad p;
    p.id = id;
    if (SDL_IsGameController(i)) {
      p.pad = SDL_GameControllerOpen(i);
      if (p.pad != nullptr) p.joystick = SDL_GameControllerGetJoystick(p.pad);
    }
    if (p.joystick == nullptr) p.joystick = SDL_JoystickOpen(i);
    if (p.joystick == nullptr) {
      const char* name = SDL_JoystickNameForIndex(i);
      std::printf("Urzadzenie nie otwarte: %s (%s)\n", name != nullptr ? name : "?", SDL_GetError());
      std::fflush(stdout);
      failedIds[failedCount++ % kFailedKept] = id;
      continue;
    }
    openPads[openCount++] = p;
  }
}

float AxisValue(Sint16 raw) { return raw < 0 ? static_cast<float>(raw) / 32768.0f : static_cast<float>(raw) / 32767.0f; }

float Clamp(float v) { return v < -1.0f ? -1.0f : (v > 1.0f ? 1.0f : v); }

float PadAxis(SDL_GameController* pad, SDL_GameControllerAxis axis) {
  return AxisValue(SDL_GameControllerGetAxis(pad, axis));
}

void ReadHat(int hat, int bits, float* values) {
  const int at = kControlHat0 + 3 * hat;
  HatControls(bits, &values[at], &values[at + 1], &values[at + 2]);
}

// Stick and D-pad both steer: X and Y carry their sum.
void ReadStandardPad(SDL_GameController* pad, float* v) {
  for (int b = 0; b < 16; ++b) {
    v[kControlButton0 + b] = SDL_GameControllerGetButton(pad, static_cast<SDL_GameControllerButton>(b)) ? 1.0f : 0.0f;
  }
  v[kControlX] = Clamp(PadAxis(pad, SDL_CONTROLLER_AXIS_LEFTX) + v[kPadRight] - v[kPadLeft]);
  v[kControlY] = Clamp(PadAxis(pad, SDL_CONTROLLER_AXIS_LEFTY) + v[kPadDown] - v[kPadUp]);
  const float left = PadAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT);
  const float right = PadAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
  v[kControlZ] = left - right;  // both triggers on one axis, as older pad drivers give them
  v[kControlRotationX] = PadAxis(pad, SDL_CONTROLLER_AXIS_RIGHTX);
  v[kControlRotationY] = PadAxis(pad, SDL_CONTROLLER_AXIS_RIGHTY);
  v[kControlSlider0] = left;
  v[kControlSlider1] = right;
  const int dpad = (v[kPadUp] != 0 ? SDL_HAT_UP : 0) | (v[kPadRight] != 0 ? SDL_HAT_RIGHT : 0) |
                   (v[kPadDown] != 0 ? SDL_HAT_DOWN : 0) | (v[kPadLeft] != 0 ? SDL_HAT_LEFT : 0);
  ReadHat(0, dpad, v);
}

// No mapping: buttons, axes and hats in the order the device gives them; the
// first hat steers along with the first two axes.
void ReadRawJoystick(SDL_Joystick* joystick, float* v) {
  const int buttons = SDL_JoystickNumButtons(joystick);
  for (int b = 0; b < 16 && b < buttons; ++b) v[kControlButton0 + b] = SDL_JoystickGetButton(joystick, b) ? 1.0f : 0.0f;
  const int axes = SDL_JoystickNumAxes(joystick);
  for (int a = 0; a < 8 && a < axes; ++a) v[kControlX + a] = AxisValue(SDL_JoystickGetAxis(joystick, a));
  const int hats = SDL_JoystickNumHats(joystick);
  for (int h = 0; h < hats && h < kControlHatCount; ++h) ReadHat(h, SDL_JoystickGetHat(joystick, h), v);
  v[kControlX] = Clamp(v[kControlX] + v[kControlHat0]);
  v[kControlY] = Clamp(v[kControlY] + v[kControlHat0 + 1]);
}

void Read(const OpenPad& p, ControllerReading* r) {
  *r = ControllerReading{};
  r->id = p.id;
  r->standardPad = p.pad != nullptr;
  const char* name = SDL_JoystickName(p.joystick);
  std::snprintf(r->name, sizeof r->name, "%s", name != nullptr ? name : "?");
  for (int h = 0; h < kControlHatCount; ++h) ReadHat(h, SDL_HAT_CENTERED, r->values);
  if (p.pad != nullptr) ReadStandardPad(p.pad, r->values);
  else ReadRawJoystick(p.joystick, r->values);
}

int PollPads(ControllerReading* readings, int capacity) {
  if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0) return 0;
  UpdateDevices();
  DropDetached();
  OpenNewDevices();
  int n = 0;
  for (; n < openCount && n < capacity; ++n) Read(openPads[n], &readings[n]);
  return n;
}
}  // namespace

bool StartPadSupport() {
  if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) return true;
  // The game reads the devices itself when it asks, and reads 0 while another
  // window is active (input/ knows the focus); SDL must neither pump them
  // with every event fetch nor freeze them in the background.
  SDL_SetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS, "0");
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    std::printf("SDL controllers: %s\n", SDL_GetError());
    std::fflush(stdout);
    return false;
  }
  for (Uint32 type = SDL_JOYAXISMOTION; type <= SDL_CONTROLLERSENSORUPDATE; ++type) SDL_EventState(type, SDL_IGNORE);
  return true;
}

ControllerDevice PlatformControllerDevice() {
  ControllerDevice device;
  if (StartPadSupport()) device.poll = PollPads;
  return device;
}

void HatControls(int bits, float* x, float* y, float* angle) {
  *x = static_cast<float>(((bits & SDL_HAT_RIGHT) ? 1 : 0) - ((bits & SDL_HAT_LEFT) ? 1 : 0));
  *y = static_cast<float>(((bits & SDL_HAT_DOWN) ? 1 : 0) - ((bits & SDL_HAT_UP) ? 1 : 0));
  if (*x == 0.0f && *y == 0.0f) {
    *angle = -1.0f;
    return;
  }
  float degrees = std::atan2(*x, -*y) * 180.0f / 3.14159265f;
  if (degrees < 0.0f) degrees += 360.0f;
  *angle = std::round(degrees);
}
