// The rules' effects and the files they come from.
#include "rules/rule_sounds.h"

SoundData explosionSound;
SoundData electroSound;
SoundData rollerSound;
SoundData blueDoorOpenSound;
SoundData blueDoorCloseSound;
SoundData redDoorOpenSound;
SoundData redDoorCloseSound;
SoundData engineSound;
SoundData exitSound;
SoundData clonerInSound;
SoundData clonerOutSound;
SoundData teleportInSound;
SoundData teleportOutSound;

const RuleSoundFile kRuleSoundFiles[kRuleSoundCount] = {
    {&explosionSound, "music/wybuch.ogg"},
    {&electroSound, "music/prad.ogg"},
    {&rollerSound, "music/tasma.ogg"},
    {&blueDoorOpenSound, "music/door_open1.ogg"},
    {&blueDoorCloseSound, "music/door_close1.ogg"},
    {&redDoorOpenSound, "music/door_open2.ogg"},
    {&redDoorCloseSound, "music/door_close2.ogg"},
    {&engineSound, "music/robot_engine.ogg"},
    {&exitSound, "music/wyjscie.ogg"},
    {&clonerInSound, "music/kloniarka_in.ogg"},
    {&clonerOutSound, "music/kloniarka_cel.ogg"},
    {&teleportInSound, "music/teleport_in.ogg"},
    {&teleportOutSound, "music/teleport_out.ogg"},
};
