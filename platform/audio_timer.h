// The multimedia timer's stand-in: a thread that calls a function at a
// steady period, catching up on its schedule rather than drifting.
#pragma once
#include <cstdint>

using AudioTimerCallback = void (*)();

// Starts (or restarts with a new callback) the one periodic timer.
bool AudioStartTimer(int32_t periodMs, AudioTimerCallback callback);
// Stops it and waits until a running callback has returned.
void AudioStopTimer();
bool AudioTimerRunning();
