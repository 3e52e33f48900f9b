// The effects the rules play. They start empty (silent); the play screen's
// loader fills them from the files of kRuleSoundFiles at start-up.
#pragma once
#include "sound/sound_api.h"

extern SoundData explosionSound;
extern SoundData electroSound;
extern SoundData rollerSound;
extern SoundData blueDoorOpenSound;
extern SoundData blueDoorCloseSound;
extern SoundData redDoorOpenSound;
extern SoundData redDoorCloseSound;
extern SoundData engineSound;
extern SoundData exitSound;
extern SoundData clonerInSound;
extern SoundData clonerOutSound;
extern SoundData teleportInSound;
extern SoundData teleportOutSound;

struct RuleSoundFile {
  SoundData* sound;
  const char* fileName;
};
constexpr int kRuleSoundCount = 13;
extern const RuleSoundFile kRuleSoundFiles[kRuleSoundCount];

// The five latches that let a group of robots play one sound: they live for
// the whole process. Clearing them only changes which sounds play next.
void ClearSoundLatches();
