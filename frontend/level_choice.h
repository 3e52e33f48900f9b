// The play screen's choice of a level, apart from drawing and devices: the
// difficulty strips that open while the mouse is over them, select-then-start,
// the keyboard's moves over unlocked levels, the back button and the fades.
// RunPlayScreen feeds it the mouse, the keys and a sound player; tests feed fakes.
#pragma once
#include <cstdint>
#include <functional>

constexpr int kLevelsPerDifficulty = 15;
constexpr int kDifficultyCount = 3;

enum LevelChoiceFade : int {
  kChoiceIdle = 0,
  kChoiceFadedOut = 1,
  kChoiceFadingOut = 2,
  kChoiceFadingIn = 3,
};

enum LevelChoiceAction : int {
  kChoiceNoAction = 0,
  kChoiceStartLevel = 1,
  kChoiceLeave = 2,
};

// Menu sound slots the screen plays.
enum LevelChoiceSound : int {
  kChoiceClickSound = 0,  // the back button
  kChoiceMoveSound = 1,   // the keyboard moved the selection
  kChoiceStartSound = 4,  // a level is started
};

struct LevelChoicePointer {
  float x = 0.0f, y = 0.0f;  // 0..1 across the window
  bool buttonDown = false;   // any mouse button
};

using ChoiceSoundPlayer = std::function<void(int slot)>;

struct LevelChoice {
  int unlocked = 1;            // levels 1..unlocked may be played
  int openDifficulty = 0;      // 1..3; kept after the strip closes, so it fades out where it was
  int expanded = 0;            // the difficulty whose strip is open, or 0
  float stripOpacity = 0.0f;
  int selectedLevel = -1;      // 1..15 within selectedDifficulty
  int selectedDifficulty = -1;
  int mouseState = 0;          // 0 released, 1 held, 2 start asked for
  bool startSoundPlayed = false;
  bool backLatch = false;
  bool backHighlighted = false;
  // The last input used owns the highlight: while the keyboard does, the
  // strips do not follow the resting mouse.
  bool keyboardOwns = true;
  float lastMouseX = 0.0f, lastMouseY = 0.0f;
  // This frame's crosshair: where it points, or none.
  bool crosshair = false;
  float crosshairX = 0.0f, crosshairY = 0.0f;
  int fadeState = kChoiceFadingIn;
  float fadeLevel = 0.0f;
  int action = kChoiceNoAction;
  bool finished = false;       // faded out: the screen does its action now
};

// The highest level a profile may play: a damaged value (negative, beyond
// the last level) must never lock a player out of level 1.
int PlayableHighestLevel(int32_t highestLevel);

// A fresh screen, fading in, the selection resting on the highest unlocked
// level with its strip opening.
LevelChoice BeginLevelChoice(int32_t highestLevel, const LevelChoicePointer& pointer);

// Once per frame: the mouse over the level cells of the open strip (select,
// start, sweep) and this frame's crosshair.
void HitLevelCells(LevelChoice& c, const LevelChoicePointer& pointer, const ChoiceSoundPlayer& playSound);

// One 10 ms step: requests, the strip's opening, closing and opacity, the
// back button, the keyboard and the fades. intents: the menu intents of the
// step (arrows move, press starts); escapeHeld: Escape (or what stands for it)
// is down, which leaves as a held key does, once the fade-in is over.
void StepLevelChoice(LevelChoice& c, const LevelChoicePointer& pointer, bool escapeHeld, uint32_t intents,
                     const ChoiceSoundPlayer& playSound);

bool IsLevelUnlocked(const LevelChoice& c, int difficulty, int levelInDifficulty);
// The level number 1..45 of the selection.
int ChosenLevel(const LevelChoice& c);
bool IsDifficultyCompleted(const LevelChoice& c, int difficulty);
// A level the player has won in no more moves than its par: fewestMoves is
// the player's record (0 for no win yet), par the level's (0 when unknown,
// which never marks a level).
bool IsWonAtPar(int32_t fewestMoves, int32_t par);

// Where things are, in window fractions.
float LevelCellLeft(int levelInDifficulty);
float LevelRowTop(int difficulty);
float DifficultyButtonTop(int difficulty);
