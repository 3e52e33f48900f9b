// What start-up hands over to after the intro while there is no main menu:
// the loading of the play screen and play from the current profile's level.
#pragma once
#include "gameplay/run_options.h"

// The menu font and the fade overlay (the front end's share of the loading
// bar, steps 0..4), then every play-screen asset (steps 5..10).
void LoadPlayScreen();
// Plays from --level N, or else from the profile's highest level (at least
// 1), and stores the highest level reached when the player leaves.
void RunPlayFromStart(const RunOptions& options);
