// Loads every level source of the set, in level order.
#include "level_catalogue.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "level_mechanics.h"

namespace {

// Level sources are a few hundred bytes; anything far larger is not one.
constexpr std::streamsize kMaxSourceBytes = 64 * 1024;

bool ReadSmallFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string bytes(kMaxSourceBytes + 1, '\0');
  in.read(bytes.data(), kMaxSourceBytes + 1);
  if (in.gcount() > kMaxSourceBytes) return false;
  bytes.resize(static_cast<size_t>(in.gcount()));
  *text = bytes;
  return true;
}

}  // namespace

std::string NameLevelSource(const std::string& sourceDir, int levelNumber) {
  char name[32];
  std::snprintf(name, sizeof name, "/level%02d.txt", levelNumber);
  return sourceDir + name;
}

bool LoadLevelCatalogue(const std::string& sourceDir, std::vector<LevelSource>* levels,
                        std::string* error) {
  levels->clear();
  for (int n = 1; n <= 99; ++n) {
    std::string path = NameLevelSource(sourceDir, n);
    std::string text;
    if (!ReadSmallFile(path, &text)) break;
    LevelSource level;
    std::string what;
    if (!ParseLevelSource(text, &level, &what)) {
      *error = path + ": " + what;
      return false;
    }
    what = CheckLevelShape(level);
    if (!what.empty()) {
      *error = path + ": " + what;
      return false;
    }
    levels->push_back(level);
  }
  if (levels->empty()) {
    *error = "no level sources in " + sourceDir;
    return false;
  }
  return true;
}

const char* NameDifficulty(int levelNumber) {
  int difficulty = (levelNumber - 1) / kLevelsPerDifficulty;
  return difficulty <= 0 ? "LATWE" : difficulty == 1 ? "SREDNIE" : "TRUDNE";
}
