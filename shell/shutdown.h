// What must reach the disk when the window is closed. Closing the window ends
// the process at once, so anything a normal quit would save registers a saver
// here (start-up saves the profile index; the play loop adds its progress).
#pragma once

using ExitSaver = void (*)();

// Adds a saver; the same saver is kept once. At most 16.
void AddExitSaver(ExitSaver saver);
void RemoveExitSaver(ExitSaver saver);
// Runs every saver, in the order they were added.
void RunExitSavers();
// The close path: runs the savers, flushes the diagnostics and ends the
// process with exit code 0.
[[noreturn]] void EndProcessOnClose();
