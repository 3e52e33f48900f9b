// What goes into one step and what comes out of it besides the board: the
// player's input of the tick, the effects the step wants played, and the
// latches that let a group of robots play one sound. The rules read no device
// and play nothing; the play loop fills the input and plays the effects.
#pragma once
#include <cstdint>

// The direction all robots obey.
enum Direction : int32_t {
  kNoDirection = 0,
  kDirectionLeft = 1,
  kDirectionRight = 2,
  kDirectionUp = 3,
  kDirectionDown = 4,
};

struct StepInput {
  Direction direction = kNoDirection;  // arrows or the pad's stick
  // Ctrl held: Up and Down tilt the overview, and nothing else is read.
  bool tilting = false;
  bool tiltUp = false, tiltDown = false;
  uint16_t digitsHeld = 0;  // bit d while digit key d is held: look through robot d
  // Left and Right keys turn the view while looking through a robot.
  bool viewLeft = false, viewRight = false;
};

inline StepInput CommandInput(Direction direction) {
  StepInput input;
  input.direction = direction;
  return input;
}

enum RuleSound : int32_t {
  kSoundExplosion,
  kSoundElectro,
  kSoundRollers,
  kSoundBlueDoorOpen,
  kSoundBlueDoorClose,
  kSoundRedDoorOpen,
  kSoundRedDoorClose,
  kSoundEngine,
  kSoundExit,
  kSoundClonerIn,
  kSoundClonerOut,
  kSoundTeleportIn,
  kSoundTeleportOut,
  kRuleSoundCount
};

// The file each effect is loaded from ("music/...").
extern const char* const kRuleSoundFiles[kRuleSoundCount];

// What a step reports besides the board: how many times each effect is
// wanted (a switch plays one door sound per door it toggles), and whether the
// robots took the tick's direction as a new move.
struct StepReport {
  uint16_t plays[kRuleSoundCount] = {};
  bool commandTaken = false;
  void Add(RuleSound sound) { ++plays[sound]; }
  void Add(const StepReport& more) {
    for (int s = 0; s < kRuleSoundCount; ++s) plays[s] = static_cast<uint16_t>(plays[s] + more.plays[s]);
    commandTaken = commandTaken || more.commandTaken;
  }
};

// One sound for a whole group of robots: a latch stays set until its group is
// done. All clear for a new board; they only change which sounds play.
struct SoundLatches {
  bool explosion = false;
  bool electro = false;
  bool teleport = false;
  bool cloner = false;
  bool exit = false;
};
