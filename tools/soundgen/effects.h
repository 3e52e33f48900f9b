// The game's sound effects, each synthesised from oscillators, noise and
// envelopes; named by the file the game loads ("wybuch" for music/wybuch.ogg).
#pragma once
#include <vector>

#include "tools/soundgen/synth.h"

struct EffectRecipe {
  const char* name;
  StereoClip (*make)();
};

const std::vector<EffectRecipe>& EffectRecipes();
