// Light effects for animated models: unlit glows whose brightness follows
// the frame (by moving their texture coordinates along a dark-to-bright
// ramp), and see-through columns of light.
#pragma once
#include <functional>

#include "tools/datagen/model_kit.h"

// A glow of `colour` shaped by `shape(frame)`, brightness `level(frame)` in 0..1.
void AddGlow(ModelKit& kit, const char* name, Colour colour, const std::function<Mesh(int)>& shape,
             const std::function<float(int)>& level);
// Both faces of an open tube, so a column of light shows from inside and out.
Mesh LightColumn(float radius, float height);
