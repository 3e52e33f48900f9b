// The players screen's state machine: ten profiles, a selected and a hovered
// row, renaming with typed keys, clearing, choosing by button or by a second
// click on the selected row, and leaving with Escape (changes kept) or the
// back button (changes dropped). No drawing and no devices here.
#pragma once
#include <cstdint>

#include "frontend/menu_step.h"
#include "shell/player_progress.h"

constexpr int kMaxProfileName = kProfileNameLimit;
constexpr uint32_t kDoubleClickMs = 500;
constexpr uint32_t kKeySoundSpacingMs = 85;

enum ProfileButton : int {
  kProfileNoButton = 0,
  kProfileBack = 1,
  kProfileRename = 2,
  kProfileDelete = 3,
  kProfileChoose = 4,
};
constexpr float kProfileButtonX = 0.811f;
constexpr float kProfileButtonWidth = 0.17745f;
constexpr float kProfileButtonHeight = 0.061425f;
// Tops of back, rename, delete and choose (index ProfileButton - 1).
constexpr float kProfileButtonTop[4] = {0.635f, 0.70625f, 0.7775f, 0.84875f};

enum ProfilesFade : int { kProfilesFadingIn, kProfilesIdle, kProfilesFadingOut, kProfilesDone };

// Where the keyboard's highlight rests: on the list or on one of the buttons.
enum ProfileFocus : int { kFocusList = 0 };

struct ProfilesState {
  ProfileRecord table[kProfileCount];
  int selected = 0;
  int hover = -1;
  bool editing = false;
  int fadeState = kProfilesFadingIn;
  float fade = 0.0f;
  float blink = 0.0f;
  bool clickRecorded = true;  // the entry counts as the first click
  uint32_t lastClick = 0;
  uint32_t lastKeySound = 0;
  bool escapeLatch = false;
  bool discard = false;
  MouseLatch latch;
  // The keyboard's highlight: the list, or a ProfileButton.
  int focus = kFocusList;
  bool keyboardOwns = false;
  float mouseX = -1.0f, mouseY = -1.0f;
};

struct ProfilesInput {
  float mouseX = 0, mouseY = 0;
  uint32_t buttons = 0;  // mouse button mask
  int typedKey = 0;      // from the typed-key queue, 0 for none
  bool escapeDown = false;
  uint32_t intents = 0;  // MenuIntent bits
  uint32_t now = 0;      // milliseconds
};

struct ProfilesStep {
  bool playClick = false;
  bool playKey = false;
};

// Entry: the table as read, the current profile (a damaged index picks the
// first), a latch set only by the left button alone.
ProfilesState StartProfiles(const ProfileRecord table[kProfileCount], int profileIndex, uint32_t mouseButtons,
                            uint32_t now);
ProfilesStep StepProfiles(ProfilesState& s, const ProfilesInput& in);
// The button under the mouse (delete, choose, back, rename tested in that
// order), or kProfileNoButton.
int ProfileButtonAt(float x, float y);
// The highlighted button as drawn: the keyboard's while it owns the
// highlight, else the one under the mouse.
int HighlightedProfileButton(const ProfilesState& s);
// The length of a name, at most 12 whatever the bytes after hold.
int ProfileNameLength(const ProfileRecord& record);
// The three progress numbers shown for a highest level: easy, medium, hard.
void ProfileProgress(int32_t highestLevel, int32_t out[3]);
