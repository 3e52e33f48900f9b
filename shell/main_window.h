// The game's one window: its title, the display mode the settings ask for,
// and the client size the cursor is measured against.
#pragma once
#include <cstdint>

#include "shell/command_line.h"

constexpr const char* kWindowIconFile = "data/png/icon.png";

// Runs the settings step, then opens the window: full screen (a desktop-sized
// window showing the picture at the stored resolution, shape kept) unless the
// command line or the player's last choice asks for a window of the screen's
// size less 30 x 50. The window carries the game's icon.
// False (with a diagnostic line) when no window could be opened.
bool CreateMainWindow(const CommandLine& commandLine, bool hidden = false);

// Copies the title (at most 799 characters) and shows it once the window exists.
void SetWindowTitle(const char* text);
const char* GetWindowTitle();

// Set only by the settings step, before the window exists. Width and height
// above 0 ask for full screen.
void RequestDisplayMode(int32_t width, int32_t height, int32_t depth);
void GetRequestedDisplayMode(int32_t* width, int32_t* height, int32_t* depth);

// The client size in picture pixels, fixed when the window is created.
int GetClientWidth();
int GetClientHeight();
// Sets the client size without a window (tests, tools driving the pump).
void SetClientSize(int width, int height);
