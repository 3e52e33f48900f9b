// The virtual pad over SDL's virtual joystick.
#include "platform/virtual_pad.h"

#include <SDL.h>

#include <cmath>
#include <cstdio>

#include "platform/pads_internal.h"

namespace {
SDL_JoystickID padId = -1;
SDL_Joystick* padHandle = nullptr;

int DeviceIndexOf(SDL_JoystickID id) {
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    if (SDL_JoystickGetDeviceInstanceID(i) == id) return i;
  }
  return -1;
}

// A pad read this instant sees the change: SDL takes it over on its next update.
bool Applied(int result) {
  if (result != 0) return false;
  SDL_JoystickUpdate();
  return true;
}
}  // namespace

bool PlatformAttachVirtualPad() {
  if (padHandle != nullptr || !StartPadSupport()) return false;
  SDL_VirtualJoystickDesc desc;
  SDL_zero(desc);
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "Virtual pad";
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  if (index >= 0) padHandle = SDL_JoystickOpen(index);
  if (padHandle == nullptr) {
    std::printf("virtual pad: %s\n", SDL_GetError());
    std::fflush(stdout);
    if (index >= 0) SDL_JoystickDetachVirtual(index);
    return false;
  }
  padId = SDL_JoystickInstanceID(padHandle);
  return true;
}

bool PlatformDetachVirtualPad() {
  if (padHandle == nullptr) return false;
  const int index = DeviceIndexOf(padId);
  if (index >= 0) SDL_JoystickDetachVirtual(index);
  SDL_JoystickClose(padHandle);
  padHandle = nullptr;
  padId = -1;
  SDL_JoystickUpdate();
  return true;
}

bool PlatformSetVirtualPadButton(int button, bool down) {
  if (padHandle == nullptr || button < 0 || button >= SDL_CONTROLLER_BUTTON_MAX) return false;
  return Applied(SDL_JoystickSetVirtualButton(padHandle, button, down ? SDL_PRESSED : SDL_RELEASED));
}

bool PlatformSetVirtualPadAxis(int axis, float value) {
  if (padHandle == nullptr || axis < 0 || axis >= kPadAxisCount || !(value == value)) return false;
  if (value > 1.0f) value = 1.0f;
  if (value < -1.0f) value = -1.0f;
  float raw = 0.0f;
  if (axis == kPadLeftTrigger || axis == kPadRightTrigger) {
    // A trigger's raw axis runs from all the way out (at rest) to all the way in.
    raw = value <= 0.0f ? -32768.0f : -32768.0f + value * 65535.0f;
  } else {
    raw = value < 0.0f ? value * 32768.0f : value * 32767.0f;
  }
  return Applied(SDL_JoystickSetVirtualAxis(padHandle, axis, static_cast<Sint16>(std::lround(raw))));
}
