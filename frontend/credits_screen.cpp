// The credits screen (for now it only says where the player is).
#include "frontend/credits_screen.h"

#include "frontend/menu_log.h"

void RunCreditsScreen() { LogMenuScreen("credits"); }
