// A clock for reproducible runs: while it is on, PlatformTickCount reads it
// instead of the wall clock, and it moves only when it is advanced (a fixed
// number of milliseconds per shown frame), so a scripted run plays the same
// way on any machine and as fast as frames are drawn.
#pragma once
#include <cstdint>

// Starts the virtual clock at the current tick count.
void PlatformStartVirtualClock();
bool PlatformVirtualClockOn();
uint32_t PlatformVirtualClockNow();
void PlatformAdvanceVirtualClock(uint32_t milliseconds);
