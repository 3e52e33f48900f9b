// Test support for the uninstaller's windows: a private Xvfb display for the
// test process, child processes with a time limit, and xdotool.
#pragma once

#include <sys/types.h>

#include <string>

// Starts Xvfb on a free display for this process, points DISPLAY at it and
// starts GTK on it; later calls reuse it. Returns an empty string on success,
// or why there is no display (the callers then skip).
std::string OpenTestDisplay();

// Starts program in dir; returns its process id, or -1.
pid_t StartProgram(const std::string& program, const std::string& dir);

// Waits up to timeoutMs for the child to end; returns its exit status, or -1
// if it had to be killed (or did not end normally).
int WaitForProgram(pid_t pid, int timeoutMs);

// Runs xdotool with the given arguments (shell syntax), giving up after ten
// seconds; returns its standard output.
std::string RunXdotool(const std::string& arguments);

// The first visible window whose title is exactly title, waiting for it up to
// ten seconds; empty if none appeared.
std::string FindWindow(const std::string& title);

// Gives the window the keyboard (there is no window manager) and types keys.
void PressKeys(const std::string& window, const std::string& keys);
