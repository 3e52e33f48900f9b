// The message pump every screen loop calls once per frame, and the window
// procedure that turns messages into cursor position and typed keys.
#pragma once

#include "platform/events.h"

// Makes exactly 80 attempts to take a waiting message, never waits. Each
// message is clamped into the client area for the cursor, then dispatched.
void PumpMessages();

// What one message does: a mouse move sets the cursor, typed characters and
// the nine navigation keys go to the typed-key queue, F11, Alt+Enter and F12
// switch the display or save a screenshot (shell/desktop_keys.h), a resize
// repaints grey, a close saves what must be saved and ends the process.
void WindowProc(const WindowMessage& message);

// The cursor in client pixels, clamped to the client area.
int GetCursorX();
int GetCursorY();
