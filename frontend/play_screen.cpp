// The play screen (for now it only says where the player is).
#include "frontend/play_screen.h"

#include "frontend/menu_log.h"

void RunPlayScreen() { LogMenuScreen("play"); }
