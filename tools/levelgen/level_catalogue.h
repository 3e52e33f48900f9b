// The shipped set of levels: content/levels/level01.txt, level02.txt, ...
#pragma once

#include <string>
#include <vector>

#include "level_source.h"

constexpr int kShippedLevels = 45;
constexpr int kLevelsPerDifficulty = 15;

// Path of level n's source under the sources folder.
std::string NameLevelSource(const std::string& sourceDir, int levelNumber);

// Reads level01.txt, level02.txt, ... up to the first missing number, each
// parsed and checked for shape. False with "levelNN.txt: line L: ..." on the
// first bad one, or when there is no level at all.
bool LoadLevelCatalogue(const std::string& sourceDir, std::vector<LevelSource>* levels,
                        std::string* error);

// "LATWE", "SREDNIE" or "TRUDNE" for levels 1-15, 16-30, 31-45.
const char* NameDifficulty(int levelNumber);
