// The countdown of a level with a time limit: whole seconds, counted once per
// frame, with a beep for each of the last five seconds and for zero.
#pragma once
#include <cstdint>

struct LevelTimerTick {
  bool beep = false;      // play "music/time_beep.ogg"
  bool timedOut = false;  // the level is lost by time
};

// Whether the clock runs this frame: not paused (phase 3), no outcome yet,
// the overview camera, and a limit at all.
bool LevelTimerRuns(int phase, int outcome, int cameraMode, int32_t timeLimit);

// Counts at most one second per call and restarts the second from now, so
// time spent while the clock does not run is never counted.
LevelTimerTick AdvanceLevelTimer(int32_t timeLimit, int32_t& elapsed, uint32_t& lastSecond,
                                 uint32_t now);

// Whole seconds the countdown text shows.
int32_t RemainingSeconds(int32_t timeLimit, int32_t elapsed);
// The countdown warns (turns red) while it shows its last five seconds, the
// ones that beep.
bool CountdownWarns(int32_t timeLimit, int32_t elapsed);
