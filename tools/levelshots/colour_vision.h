// How a picture looks to players who tell fewer colours apart: the two
// common red-green kinds of colour blindness simulated by a colour matrix,
// and plain lightness (no colour at all), which keeps only shape and shade.
#pragma once
#include <cstdint>
#include <vector>

enum class ColourVision { Normal, Protanopia, Deuteranopia, Lightness };

// Rewrites RGBA pixels (sRGB, alpha untouched) as seen with `vision`.
void SimulateColourVision(std::vector<uint8_t>& rgba, ColourVision vision);
// "normal", "protanopia", "deuteranopia", "lightness".
const char* ColourVisionName(ColourVision vision);
