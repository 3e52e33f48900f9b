// Runs the generator: writes the chosen parts of the game's data under a run
// directory, creating data/, data/png/ and data/font1/ as needed.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct GenerateOptions {
  std::string runDirectory;
  std::string fontDirectory;
  std::string levelDirectory;  // empty: plain numbered cards
  bool models = true;          // every .vxm model and data/kamera.cam
  bool pictures = true;        // every screen picture and font glyph
  bool cards = true;           // the level cards
};

struct GenerateReport {
  int files = 0;
  uint64_t bytes = 0;
  std::vector<std::string> failures;  // files that could not be made or written
};

GenerateReport GenerateData(const GenerateOptions& options);
