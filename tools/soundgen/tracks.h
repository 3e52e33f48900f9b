// The game's music: the logo jingle, the menu track, four in-game tracks and
// the silent track that stops the music, composed for the sequencer.
#pragma once
#include <vector>

#include "tools/soundgen/sequencer.h"

struct TrackRecipe {
  const char* name;
  Song (*compose)();
};

const std::vector<TrackRecipe>& TrackRecipes();
