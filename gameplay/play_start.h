// Play started from the command line: --level N right after loading.
#pragma once
#include "gameplay/run_options.h"

// Plays from --level N, or else from the profile's highest level (at least
// 1), and stores the highest level reached when the player leaves.
void RunPlayFromStart(const RunOptions& options);
