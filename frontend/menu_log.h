// Where the player is in the menus, for the run log of scripted runs.
#pragma once

// Logs "menu NAME" (main, play, players, options, credits) as a screen opens.
void LogMenuScreen(const char* name);
