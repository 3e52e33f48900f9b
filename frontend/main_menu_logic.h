// The main menu's state machine: five buttons, the hover highlight, a press
// that fades the menu out and opens a screen, the fade back in after it.
// It knows nothing of drawing or devices: RunMainMenu hands in the mouse and
// the keyboard's intents and plays and opens what a step reports.
#pragma once
#include <cstdint>

#include "frontend/menu_step.h"

enum MainMenuButton : int {
  kMainPlay = 0,
  kMainPlayers = 1,
  kMainOptions = 2,
  kMainCredits = 3,
  kMainExit = 4,
};
constexpr int kMainButtonCount = 5;

enum MainMenuPhase : int {
  kMainIdle = 0,
  kMainFadedOut = 1,
  kMainFadingOut = 2,
  kMainFadingIn = 3,
};

// Where the buttons are drawn: all share x and size, each its own top.
constexpr float kMainButtonX = 0.3275f;
constexpr float kMainButtonWidth = 0.3675f;
constexpr float kMainButtonHeight = 0.0915f;
constexpr float kMainButtonTop[kMainButtonCount] = {0.34f, 0.4498f, 0.5596f, 0.6694f, 0.7792f};

struct MainMenuState {
  int highlight = 0;  // -1: none
  int phase = kMainIdle;
  float fade = 1.0f;
  MouseLatch latch;
  bool exitChosen = false;
  // The keyboard was used after the mouse last moved: it owns the highlight.
  bool keyboardOwns = false;
  float mouseX = -1.0f, mouseY = -1.0f;  // where the mouse was last step
};

struct MainMenuInput {
  float mouseX = 0, mouseY = 0;
  bool buttonDown = false;
  uint32_t intents = 0;  // MenuIntent bits
};

struct MainMenuStep {
  bool playClick = false;  // a button was pressed
  bool playHover = false;  // the highlight moved to another button
  int openScreen = -1;     // the faded-out menu opens this button's screen (not exit)
};

// A button held when the menu opens does nothing until it is let go.
MainMenuState StartMainMenu(bool buttonDownAtEntry);
// The button under the mouse, or -1.
int MainButtonAt(float x, float y);
// One 10 ms step. When it reports a screen, the menu is already fading in
// for the return; exitChosen is set by the step that ends the menu.
MainMenuStep StepMainMenu(MainMenuState& s, const MainMenuInput& in);
