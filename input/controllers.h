// Game controllers: joysticks and pads as numbered controllers, each a table
// of 50 controls read on demand from the device the platform hands to
// InitControllers. Pads come and go while the game runs; the list follows
// them, so a pad pulled out stops counting at once and reads 0.
#pragma once
#include <cstdint>

constexpr int kMaxControllers = 16;
constexpr int kControlCount = 50;

// Where each control sits in a controller's table. Buttons read 0 or 1, axes
// -1..1 (X right, Y down), triggers and sliders 0..1.
enum ControllerControl : int {
  kControlButton0 = 0,  // buttons 0..15
  kControlX = 16,       // left stick, D-pad and first hat together
  kControlY = 17,
  kControlZ = 18,
  kControlRotationX = 19,
  kControlRotationY = 20,
  kControlRotationZ = 21,
  kControlSlider0 = 22,
  kControlSlider1 = 23,
  kControlHat0 = 24,    // four hats of three controls: x, y, angle in degrees (-1 centred)
  kControlHatCount = 4,
};

// The buttons of a standard pad (one the system knows the layout of), in the
// table. South is A on some pads and Cross on others.
enum PadButton : int {
  kPadSouth = 0,
  kPadEast = 1,
  kPadWest = 2,
  kPadNorth = 3,
  kPadBack = 4,
  kPadGuide = 5,
  kPadStart = 6,
  kPadLeftStick = 7,
  kPadRightStick = 8,
  kPadLeftShoulder = 9,
  kPadRightShoulder = 10,
  kPadUp = 11,
  kPadDown = 12,
  kPadLeft = 13,
  kPadRight = 14,
};

// One attached device as the platform reads it, before dead zones.
struct ControllerReading {
  int32_t id = 0;            // the same for as long as the device stays attached
  bool standardPad = false;  // its buttons follow PadButton
  char name[256] = {};
  float values[kControlCount] = {};
};

// What the platform offers. poll fills up to capacity readings of the
// attached devices, oldest first, and returns how many; null: no devices.
struct ControllerDevice {
  int (*poll)(ControllerReading* readings, int capacity) = nullptr;
};

// Connects the device and takes the controllers attached now, one diagnostic
// line each. Later arrivals and departures get a line of their own.
void InitControllers(const ControllerDevice& device);

// The number of controllers attached (polls, so a new pad is seen).
int GetControllerCount();
// One control after its dead zone: within the dead zone of the centre it reads
// 0, the rest of the travel is stretched to reach +-1 at the ends. 0 for a
// controller or control out of range (checked before any poll), and for
// every control while another window is active.
float GetControllerAxis(int controller, int control);
// Kept only for valid indices and 0 <= deadZone < 1. The six axes X..rotation Z
// start at 0.05, everything else at 0.
void SetDeadZone(int controller, int control, float deadZone);
// Whether the controller has the standard pad layout (false when out of range).
bool IsStandardPad(int controller);
