// The files of the rules' effects.
#include "rules/step_input.h"

const char* const kRuleSoundFiles[kRuleSoundCount] = {
    "music/wybuch.ogg",         "music/prad.ogg",          "music/tasma.ogg",         "music/door_open1.ogg",
    "music/door_close1.ogg",    "music/door_open2.ogg",    "music/door_close2.ogg",   "music/robot_engine.ogg",
    "music/wyjscie.ogg",        "music/kloniarka_in.ogg",  "music/kloniarka_cel.ogg", "music/teleport_in.ogg",
    "music/teleport_out.ogg",
};
