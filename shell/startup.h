// Start-up and the main flow: the order the game comes up in, the intro, the
// hand-over to the menus, and what is saved on the way out.
#pragma once

// The whole life of the game, as main runs it: command line, data directory,
// window and settings, devices, intro and game. The process's exit code.
int RunRivetRun(int argc, const char* const* argv);

// The intro, the asset loading and the front end; returns when the player
// leaves the main menu, after the profile index is saved.
void RunIntroAndGame();

// Hands the drawing option of "options.dat" to the graphics device; returns it.
int ApplyDrawOption();
