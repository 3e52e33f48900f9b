// Keeping the player's progress: the highest level reached goes into the
// player's record of "profile.dat" when play is left, and also when the
// window is closed during play (which ends the process at once).
#pragma once
#include <cstdint>

#include "shell/player_progress.h"

// Writes progress.highestLevel into record progress.profileIndex of
// "profile.dat" (the other nine records and the name are kept). A record that
// already holds a higher level keeps it. False when the file cannot be written.
bool StoreHighestLevel(const PlayerProgress& progress);

// While play runs: closing the window raises progress.highestLevel to the
// level being played and stores it.
void BeginProgressGuard(PlayerProgress& progress, int level);
void UpdateProgressGuard(int level);
// A win has brought play to level: the guarded progress is raised to it and
// stored at once (a later close, or a crash in the tour, keeps it).
void StoreLevelReached(int level);
void EndProgressGuard();
// What the close path runs (exposed for tests).
void SaveProgressOnClose();
