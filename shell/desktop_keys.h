// The keys the window owns rather than any screen, handled by the message
// pump so they work in the intro, the menus and play alike: F11 and Alt+Enter
// switch between full screen and a window (the choice is kept for the next
// start), F12 saves the shown frame as a PNG in the player's pictures folder.
#pragma once
#include <ctime>
#include <string>

#include "platform/events.h"

// True when the key message was one of these keys and has been acted on
// (a held key's repeats are taken and ignored).
bool HandleDesktopKey(const WindowMessage& message);

// Switches full screen and window and keeps the choice. False when the window
// system refused.
bool ToggleFullScreen();

// Writes the frame just shown into a PNG; installed once the graphics device
// exists (nothing is saved before).
using FrameSaver = bool (*)(const char* pngPath);
void SetFrameSaver(FrameSaver saver);
// F12 asks for a screenshot. The picture is cleared once it is shown, so the
// shot is taken when the next frame reaches the screen: the frame-shown hook
// calls SaveRequestedScreenshot.
void RequestScreenshot();
// Saves the requested screenshot, if any, and prints one line with its path.
// The path, or "" when none was asked for or it could not be saved.
std::string SaveRequestedScreenshot();

// The XDG pictures folder (XDG_PICTURES_DIR of user-dirs.dirs), when it is
// set and exists; "" otherwise.
std::string GetPicturesFolder();
// "rivet-run-YYYYMMDD-HHMMSS.png" for a moment in local time.
std::string ScreenshotName(std::time_t moment);
