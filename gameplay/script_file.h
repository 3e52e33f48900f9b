// The text of a scripted run: timed key, text, mouse, screenshot and quit
// events, one per line (the format is described in the README).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum ScriptAction : int {
  kScriptKeyDown,
  kScriptKeyUp,
  kScriptText,
  kScriptMouseMove,
  kScriptButtonDown,
  kScriptButtonUp,
  kScriptShot,
  kScriptQuit,
  kScriptMark,  // a line in the run log
  kScriptPadAttach,      // the virtual pad plugged in
  kScriptPadDetach,      // ... and pulled out
  kScriptPadButtonDown,  // code: a PadButton
  kScriptPadButtonUp,
  kScriptPadAxis,        // code: a PadAxis, x: its value
};

struct ScriptEvent {
  uint32_t time = 0;  // game milliseconds
  ScriptAction action = kScriptQuit;
  int code = 0;       // virtual key, mouse button, pad button or pad axis
  float x = 0, y = 0; // cursor as fractions of the window; x: a pad axis's value
  std::string text;   // typed text, the shot's file or the mark
};

// Windows virtual-key code for a key name ("Enter", "Esc", "Left", "A", "7"),
// case-insensitive; 0 for an unknown name.
int VirtualKeyFromName(std::string_view name);

// What a key types as it goes down, as the real keyboard's text input gives
// it without Shift: " " for Space, the lower-case letter, the digit; nullptr
// for keys that type nothing this way (Enter and Esc type through their key).
const char* TypedTextOfKey(int virtualKey);

// Parses a whole script into events ordered by time (events of the same time
// keep their order in the file). False, with "line N: why" in error, at the
// first bad line; events then holds nothing.
bool ParseScript(std::string_view text, std::vector<ScriptEvent>* events, std::string* error);

// Hands out the events that are due, in order.
struct ScriptCursor {
  const std::vector<ScriptEvent>* events = nullptr;
  size_t next = 0;
};
// The next event due at or before gameTime, or nullptr.
const ScriptEvent* TakeDueEvent(ScriptCursor& cursor, uint32_t gameTime);
// The events to apply after the frame shown at gameTime. A key or button let
// go in the frame it went down would never be seen held, so its release (and
// everything after it) waits for the next frame.
std::vector<const ScriptEvent*> TakeFrameEvents(ScriptCursor& cursor, uint32_t gameTime);
