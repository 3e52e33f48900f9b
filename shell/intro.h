// The six-second intro: its clock in fixed 10 ms steps, its skip inputs, and
// the loop that runs it.
#pragma once
#include <cstdint>

constexpr float kIntroLength = 6.0f;     // intro seconds
constexpr float kIntroLastPose = 4.0f;   // the scene holds its last pose after this
constexpr float kIntroSkipped = 16.0f;   // intro time set by a skip

// Intro time t in seconds, and the next step's deadline in milliseconds.
struct IntroClock {
  float time = 0.0f;
  double deadline = 0.0;
};

IntroClock StartIntroClock(uint32_t now);
// Adds 0.01 s for each full 10 ms that has passed the deadline, so a slow
// frame catches up in several steps. Returns the steps taken.
int AdvanceIntroClock(IntroClock& clock, uint32_t now);
// The frame of the intro scene shown at intro time t.
float IntroSceneFrame(float time);
// Escape, Space, the first controller's first button, Enter or any mouse button.
bool IsIntroSkipRequested();

using TickSource = uint32_t (*)();

// What the intro loop calls besides its clock and the pump; any may be null.
struct IntroCalls {
  TickSource tick = nullptr;                      // null: the platform's tick count
  void (*drawFrame)(float sceneFrame) = nullptr;  // queue the intro scene and show the frame
  void (*onSkip)() = nullptr;                     // silence the logo music
};

// Runs the intro until its time reaches 6 s or it is skipped. Each pass draws
// (without a drawer it naps a millisecond, so the loop does not spin),
// advances the clock, pumps messages and looks for a skip. Returns the final
// intro time (16 after a skip).
float RunIntro(const IntroCalls& calls);
