// The three settings of "options.dat" (music, drawing option, resolution) and
// the start-up step that reads them together with the command line.
#pragma once
#include <cstdint>

#include "shell/command_line.h"

// "options.dat": three little-endian signed 32-bit integers, 12 bytes.
struct Settings {
  int32_t music = 1;       // 1: menu and in-game music on
  int32_t drawOption = 1;  // 1: the extra texture layers of meshes are drawn
  int32_t resolution = 1;  // index into the resolution table, 0..6
};

constexpr int kResolutionCount = 7;
constexpr const char* kSettingsFile = "options.dat";
// The player's last choice of F11 or Alt+Enter: one little-endian signed
// 32-bit integer, 1 for a window, 0 for full screen. A file of its own, so
// options.dat keeps the 12 bytes that the options screen and older builds
// write whole (a fourth field there would be lost at each of their saves).
constexpr const char* kDisplayFile = "display.dat";

// Full-screen picture size for a resolution index (640 x 480 for a bad index).
void GetResolutionSize(int index, int* width, int* height);

// The stored settings with every bad field replaced by its default; all
// defaults when the file is missing or shorter than 12 bytes.
Settings ReadSettings();
// Writes the 12 bytes. False when the file cannot be written.
bool WriteSettings(const Settings& settings);

// 1 when the player last switched to a window, 0 for full screen (also when
// the file is missing or damaged).
int ReadWindowedChoice();
bool WriteWindowedChoice(int windowed);

// Start-up, just before the window exists: sets the title, reads and checks
// the settings, asks for full screen at the stored resolution unless the
// command line or the player's last choice asks for a window, and writes the
// checked settings back.
void LoadSettingsAndCommandLine(const CommandLine& commandLine);
// The resolution index start-up settled on (the options screen shows it).
int GetStartResolution();

// The music switch of "options.dat" (1 when the file is missing).
int IsMusicEnabled();
// The drawing option of "options.dat" (1 when the file is missing);
// ApplyDrawOption (shell/startup.h) hands it to the graphics device.
int ReadDrawOption();
