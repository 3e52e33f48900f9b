// The contact sheet: every model render and every picture of a run directory
// tiled into one labelled overview PNG, so a reviewer sees the whole set.
#pragma once
#include <string>

// Tiles the PNGs of `rendersDirectory` (model renders, may be empty), then
// data/png/ and data/font1/ of `runDirectory`, into `output`.
bool WriteContactSheet(const std::string& runDirectory, const std::string& rendersDirectory, const std::string& output,
                       const std::string& fontDirectory);
