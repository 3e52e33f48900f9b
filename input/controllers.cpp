// The controller table: readings from the platform, dead zones kept per
// device while it stays attached, and a line for each device that comes or goes.
#include "input/controllers.h"

#include <cstdio>

#include "input/keyboard.h"

namespace {
constexpr float kAxisDeadZone = 0.05f;
constexpr int kFirstAxisWithDeadZone = kControlX;
constexpr int kLastAxisWithDeadZone = kControlRotationZ;

struct Controller {
  ControllerReading reading;
  float deadZones[kControlCount] = {};
};

ControllerDevice device;
Controller controllers[kMaxControllers];
int controllerCount = 0;

void Print(const char* what, const char* name) {
  std::printf("%s%s\n", what, name);
  std::fflush(stdout);
}

void SetDefaultDeadZones(Controller& c) {
  for (int i = 0; i < kControlCount; ++i) {
    c.deadZones[i] = (i >= kFirstAxisWithDeadZone && i <= kLastAxisWithDeadZone) ? kAxisDeadZone : 0.0f;
  }
}

int FindById(const ControllerReading* readings, int count, int32_t id) {
  for (int i = 0; i < count; ++i) {
    if (readings[i].id == id) return i;
  }
  return -1;
}

bool SameDevicesAsBefore(const ControllerReading* readings, int n) {
  if (n != controllerCount) return false;
  for (int i = 0; i < n; ++i) {
    if (readings[i].id != controllers[i].reading.id) return false;
  }
  return true;
}

// Reads every device and rebuilds the list in the platform's order; a device
// seen before keeps its dead zones. Devices that went away drop out, so the
// ones after them move up and a pulled pad can never read stale values.
void Poll(bool starting) {
  static ControllerReading readings[kMaxControllers];
  static Controller previous[kMaxControllers];
  static ControllerReading previousReadings[kMaxControllers];
  int n = device.poll != nullptr ? device.poll(readings, kMaxControllers) : 0;
  if (n < 0) n = 0;
  if (n > kMaxControllers) n = kMaxControllers;
  for (int j = 0; j < n; ++j) readings[j].name[sizeof readings[j].name - 1] = '\0';
  if (SameDevicesAsBefore(readings, n)) {
    for (int j = 0; j < n; ++j) controllers[j].reading = readings[j];
    return;
  }
  const int previousCount = controllerCount;
  for (int i = 0; i < previousCount; ++i) {
    previous[i] = controllers[i];
    previousReadings[i] = controllers[i].reading;
    if (FindById(readings, n, previous[i].reading.id) < 0) Print("Urzadzenie odlaczone: ", previous[i].reading.name);
  }
  for (int j = 0; j < n; ++j) {
    Controller& c = controllers[j];
    const int old = FindById(previousReadings, previousCount, readings[j].id);
    if (old >= 0) {
      for (int i = 0; i < kControlCount; ++i) c.deadZones[i] = previous[old].deadZones[i];
    } else {
      SetDefaultDeadZones(c);
      Print(starting ? "Urzadzenie: " : "Urzadzenie podlaczone: ", readings[j].name);
    }
    c.reading = readings[j];
  }
  controllerCount = n;
}
}  // namespace

void InitControllers(const ControllerDevice& newDevice) {
  device = newDevice;
  controllerCount = 0;
  Poll(true);
}

int GetControllerCount() {
  Poll(false);
  return controllerCount;
}

float GetControllerAxis(int controller, int control) {
  if (control < 0 || control >= kControlCount || controller < 0 || controller >= controllerCount) return 0.0f;
  Poll(false);
  // The device may have been pulled out just now.
  if (controller >= controllerCount || !HasInputFocus()) return 0.0f;
  const float v = controllers[controller].reading.values[control];
  const float d = controllers[controller].deadZones[control];
  float r = 0.0f;
  if (v >= 0.0f) {
    r = (v - d) / (1.0f - d);
    if (r < 0.0f) r = 0.0f;
  } else {
    r = (v + d) / (1.0f - d);
    if (r > 0.0f) r = 0.0f;
  }
  return r;
}

void SetDeadZone(int controller, int control, float deadZone) {
  if (controller < 0 || controller >= controllerCount || control < 0 || control >= kControlCount) return;
  if (!(deadZone >= 0.0f && deadZone < 1.0f)) return;
  controllers[controller].deadZones[control] = deadZone;
}

bool IsStandardPad(int controller) {
  return controller >= 0 && controller < controllerCount && controllers[controller].reading.standardPad;
}
