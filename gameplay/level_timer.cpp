// Level countdown: seconds, beeps and running out of time.
#include "gameplay/level_timer.h"

bool LevelTimerRuns(int phase, int outcome, int cameraMode, int32_t timeLimit) {
  return phase != 3 && outcome == 0 && cameraMode == 0 && timeLimit > 0;
}

LevelTimerTick AdvanceLevelTimer(int32_t timeLimit, int32_t& elapsed, uint32_t& lastSecond,
                                 uint32_t now) {
  LevelTimerTick tick;
  // Unsigned difference: the tick count may wrap during a long session.
  if (now - lastSecond >= 1000u) {
    elapsed += 1000;
    lastSecond = now;
    const int32_t remaining = timeLimit - elapsed;
    tick.beep = remaining >= 0 && remaining <= 5000;
  }
  tick.timedOut = elapsed > timeLimit;
  return tick;
}

int32_t RemainingSeconds(int32_t timeLimit, int32_t elapsed) {
  int32_t remaining = timeLimit - elapsed;
  if (remaining < 1) remaining = 0;
  return remaining / 1000;
}

bool CountdownWarns(int32_t timeLimit, int32_t elapsed) {
  return timeLimit > 0 && RemainingSeconds(timeLimit, elapsed) <= 5;
}
