// A pad's buttons type what the keys they stand for type, for the screens
// that read the typed-key queue (the pause, the end scene, name editing): the
// first button Enter; a standard pad's east button Esc, its Back button Space
// (a restart from the pause), its Start button kKeyPadStart, its shoulders
// u and r (undo, redo) and its north button h (a hint). Menus read
// the pad's held state instead, and the robots its stick.
#pragma once

// Once per pumped frame: types the keys of the buttons of controller 0 that
// went down since the last call.
void PushPadKeys();
