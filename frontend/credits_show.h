// The credits' seven scenes as a state machine, apart from drawing and
// devices: each scene flies in from the distance, rests, turns once, rests
// again and flies past the viewer; Escape or a click fades the screen out.
#pragma once
#include <functional>

constexpr int kCreditsSceneCount = 7;

struct CreditsShow {
  int counter = 0;            // 0..6, the place in the order of scenes
  float approach = -160.0f;   // grows to 0 as the scene flies in
  float pause = 0.0f;         // the rest before the turn, 0..10
  float turn = 0.0f;          // degrees, 0..360
  float slide = 0.0f;         // past 40 the scene flies towards the viewer
  bool leaving = false;
  bool mouseLatch = false;
  bool fadingIn = true;
  bool fadingOut = false;
  float fadeLevel = 0.0f;
  bool finished = false;      // faded out: the screen returns
};

// A fresh show; a mouse button held on entry must be let go first.
CreditsShow BeginCredits(bool buttonDown);

// One 10 ms step. leaveHeld: Escape (or a pad's back button) is down.
// playSound gets the click's menu sound slot.
void StepCredits(CreditsShow& show, bool leaveHeld, bool buttonDown, const std::function<void(int slot)>& playSound);

// The scene file index (0 = "au1") of the scene now showing.
int CreditsSceneIndex(const CreditsShow& show);
// The scene's distance along the view (0: at rest in front of the camera;
// negative: flown past it) and its turn about x, in degrees.
float CreditsSceneY(const CreditsShow& show);
float CreditsSceneAngle(const CreditsShow& show);
