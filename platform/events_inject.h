// Input made by the program itself, fed through the same SDL queue and the
// same translation as the real devices: for tests and for scripted runs.
// Coordinates are window points, keys Windows virtual-key codes.
#pragma once

// Each returns false when SDL's queue refused the event (video not started).
bool PlatformPushMouseMove(int windowX, int windowY);
// Button 0 left, 1 right, 2 middle, 3-7 extra, as in the game's button mask.
bool PlatformPushMouseButton(int button, bool down);
bool PlatformPushKey(int virtualKey, bool down, bool repeat = false);
// UTF-8 text as a text-input event (at most 31 bytes).
bool PlatformPushText(const char* text);
bool PlatformPushResize(int width, int height);
bool PlatformPushClose();
// Our window gaining or losing the keyboard focus.
bool PlatformPushFocus(bool gained);
// Releases the buttons pushed with PlatformPushMouseButton.
void PlatformReleasePushedButtons();
