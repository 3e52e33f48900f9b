// Reading a level's title and hint from its source file.
#include "tools/datagen/level_texts.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string Trimmed(const std::string& s) {
  size_t first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  size_t last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

// Cuts to at most `limit` bytes without splitting a UTF-8 sequence, and drops
// control characters, which no font draws.
std::string Clipped(const std::string& s, size_t limit) {
  std::string out;
  for (unsigned char c : s)
    if (c >= 0x20 && c != 0x7f) out += char(c);
  if (out.size() <= limit) return out;
  size_t cut = limit;
  while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
  return out.substr(0, cut);
}

}  // namespace

LevelText ParseLevelText(const std::string& source) {
  LevelText text;
  std::istringstream lines(source);
  std::string line;
  bool haveTitle = false, haveHint = false;
  while (std::getline(lines, line)) {
    std::string t = Trimmed(line);
    if (!haveTitle && t.rfind("title:", 0) == 0) {
      text.title = Clipped(Trimmed(t.substr(6)), kMaxLevelTextBytes);
      haveTitle = true;
    } else if (!haveHint && t.rfind("hint:", 0) == 0) {
      text.hint = Clipped(Trimmed(t.substr(5)), kMaxLevelTextBytes);
      haveHint = true;
    }
  }
  return text;
}

LevelText ReadLevelText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  std::string source;
  char buffer[4096];
  // Level sources are small; a runaway file is read no further than needed.
  while (file && source.size() < (1u << 20)) {
    file.read(buffer, sizeof buffer);
    source.append(buffer, size_t(file.gcount()));
  }
  return ParseLevelText(source);
}

std::string LevelSourcePath(const std::string& directory, int level) {
  char name[32];
  std::snprintf(name, sizeof name, "/level%02d.txt", level);
  return directory + name;
}
