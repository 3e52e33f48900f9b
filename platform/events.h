// The message side of the window stand-in: SDL events become the few window
// messages the game handles (mouse moves, typed characters, navigation keys,
// resize, close), and the held-key table and focus of input/ are kept current
// on the way.
#pragma once
#include <cstdint>

#include "input/mouse.h"

enum MessageKind : int32_t {
  kMessageNone = 0,   // an event that means nothing to the game
  kMessageMouseMove,  // x, y: cursor in picture pixels (may lie outside the picture)
  kMessageChar,       // code: the character as a signed byte; repeat: how many times
  kMessageKeyDown,    // code: the Windows virtual-key code (sent again while a key repeats)
  kMessageSize,       // the window changed size
  kMessageDestroy,    // the window was closed (or the process was asked to quit)
};

struct WindowMessage {
  int32_t kind = kMessageNone;
  int32_t x = 0;
  int32_t y = 0;
  int32_t code = 0;
  int32_t repeat = 0;  // kMessageChar: how many times; kMessageKeyDown: 1 for a held key's repeat
};

// Fetches what the window system has for us into the event queue; the pump
// does this once per call, then takes messages one by one.
void PlatformPumpEvents();
// Takes one message without waiting (from what the last PlatformPumpEvents
// fetched, and whatever the program pushed itself). False when nothing is waiting; true with
// kind kMessageNone for an event the game ignores, so each call handles at most
// one event. One event may yield several messages (a typed text's bytes, a key
// that also types a character): the rest come with the following calls.
bool PlatformPeekMessage(WindowMessage* message);
// Drops messages made from events already taken but not yet handed out.
void PlatformDiscardPendingMessages();

// The graphics device installs its repaint here once it exists: clear the
// picture to mid grey and show it while the window is resized. Null: nothing.
using ResizeRepaint = void (*)();
void SetResizeRepaint(ResizeRepaint repaint);
void RepaintAfterResize();

// The SDL mouse as the game's mouse device (for InitInput).
MouseDevice PlatformMouseDevice();
// SDL's button state (bit 0 left, 1 middle, 2 right, 3-4 extra) as the
// eight-button mask of the game (bit 0 left, 1 right, 2 middle, 3-4 extra).
uint32_t MouseMaskFromSdlButtons(uint32_t sdlButtons);
