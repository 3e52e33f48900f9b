// Scripted runs: timed input from a script file fed through the platform's
// event queue (the same path as real keys, text and mouse), the virtual
// clock, screenshots at given game times and the end of the run.
#pragma once
#include <cstdint>

#include "gameplay/run_options.h"

// Reads the script and arms the clock, shots and quit time. False, with one
// diagnostic line, when the script cannot be read or parsed.
bool StartScriptedRun(const RunOptions& options);
bool ScriptedRunActive();
// Milliseconds of game time since the run started.
uint32_t ScriptedRunTime();
// One line on standard output, stamped with the game time, while a scripted
// run is active (a level started, won or lost, the pause, leaving): what the
// end-to-end tests and a bug report read.
void LogRunEvent(const char* format, ...);

// After each shown frame: saves the shots due, advances the virtual clock,
// feeds the input due and ends the run when its time has come.
void AdvanceScriptedRun();
