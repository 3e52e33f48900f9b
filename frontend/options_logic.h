// The options screen's state machine: the effects, music and resolution rows
// stepped forward by a left click and back by a right click, the pulsing
// hovered value, the back button and Escape. No drawing and no devices here.
#pragma once
#include <cstdint>

#include "frontend/menu_step.h"
#include "shell/settings.h"

enum OptionsRow : int {
  kRowEffects = 0,
  kRowMusic = 1,
  kRowResolution = 2,
  kRowBack = 3,
};
constexpr int kOptionsRows = 4;

enum OptionsFade : int { kOptionsFadingIn, kOptionsIdle, kOptionsFadingOut, kOptionsDone };

// Where the value pictures are (the hovered one pulses about its centre).
struct OptionsBox {
  float x, y, width, height;
};
constexpr OptionsBox kOptionsLabel[3] = {
    {0.14f, 0.41f, 0.245f, 0.09f}, {0.14f, 0.56f, 0.245f, 0.09f}, {0.14f, 0.71f, 0.405f, 0.09f}};
constexpr OptionsBox kOptionsValue[3] = {
    {0.39f, 0.41f, 0.245f, 0.09f}, {0.39f, 0.56f, 0.245f, 0.09f}, {0.525f, 0.71f, 0.405f, 0.09f}};
constexpr OptionsBox kOptionsBack = {0.14f, 0.86f, 0.21f, 0.065325f};

struct OptionsState {
  Settings settings;
  int hovered = -1;
  float pulse = 0.0f;
  float pulseDirection = 1.0f;
  bool latch = false;
  int fadeState = kOptionsFadingIn;
  float fade = 0.0f;
  bool keyboardOwns = false;
  float mouseX = -1.0f, mouseY = -1.0f;
};

struct OptionsInput {
  float mouseX = 0, mouseY = 0;
  uint32_t buttons = 0;     // mouse button mask
  bool escapeDown = false;
  bool arrowHeld = false;   // an arrow key is held: the mouse latch stays set
  uint32_t intents = 0;     // MenuIntent bits
};

struct OptionsStep {
  bool playClick = false;       // the back button
  bool playChange = false;      // a value changed
  bool drawOptionChanged = false;
  int musicSwitched = -1;       // 1 turned on, 0 turned off, -1 unchanged
};

// Entry: the settings as the validating reader gives them.
OptionsState StartOptions(const Settings& settings, uint32_t mouseButtons);
OptionsStep StepOptions(OptionsState& s, const OptionsInput& in);
// The value picture's box of a row with the pulse applied when it is hovered.
OptionsBox OptionsValueBox(const OptionsState& s, int row);
