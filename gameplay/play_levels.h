// The play screen: levels one after another until the player leaves.
#pragma once
#include "shell/player_progress.h"

// Plays from progress.currentLevel (at least 1). On leaving, the camera
// settings go back into progress and highestLevel is raised to the level
// reached; the same happens if the window is closed during play.
void PlayLevels(PlayerProgress& progress);
