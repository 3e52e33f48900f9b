// The words a level card quotes: the "title:" and "hint:" lines of a level's
// source file (content/levels/levelNN.txt, UTF-8). Missing files or keys give
// empty texts; over-long values are cut at a character boundary.
#pragma once
#include <string>

struct LevelText {
  std::string title;
  std::string hint;
};

constexpr size_t kMaxLevelTextBytes = 160;

LevelText ParseLevelText(const std::string& source);
LevelText ReadLevelText(const std::string& path);
// "content/levels" + 7 -> "content/levels/level07.txt"
std::string LevelSourcePath(const std::string& directory, int level);
