// The parts of start-up that bring in the graphics and sound devices, the
// intro scene, the loading screen and the level asked for on the command line.
#pragma once

#include "shell/command_line.h"

// Keeps the run options (--level, --window, the scripted-run options) for
// the devices and play, with their file names made absolute.
void SetRunOptions(const RunOptions& options);
// Before the window: the size --window asks for (a windowed start only).
void RequestRunWindowSize(bool windowed);
// After the window: the render device, its resize repaint, sound and the
// render queue, then the scripted run. False when the device or the script
// cannot be had.
bool StartGameDevices();

// The intro scene and the three loading pictures.
void LoadIntroScene();
void StartLogoMusic();
void DrawIntroFrame(float sceneFrame);
void SilenceLogoMusic();

// With --level N: plays level N right after loading, as if it had been chosen
// on the play screen, where leaving it lands (and back from there, the main
// menu). Without it, nothing.
void RunCommandLineLevel();
// The music fades out as the game ends.
void FadeMusicOnQuit();
// After the last step of a normal quit: the process ends at once, as it does
// when the window is closed, so no destructor races the sound timer thread.
[[noreturn]] void EndGameProcess();
