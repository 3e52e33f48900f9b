// The board characters of the game by cell kind, as the level designer sees them.
#include "level_mechanics.h"

#include <algorithm>
#include <cstring>

namespace {

struct KindChars {
  int kind;
  const char* chars;
};

const KindChars kKindChars[] = {
    {1, "a"},   {2, "hijk"},   {3, "fgUVXW"}, {4, "bcde"},  {5, "wx"},   {6, "y"},
    {7, "zA"},  {8, "B"},      {9, "C"},      {10, "D"},    {11, "E"},   {12, "F"},
    {13, "G"},  {14, "H"},     {15, "I"},     {16, "J"},    {17, "K"},   {18, "L"},
    {21, "O"},  {22, "P"},     {23, "mu"},    {24, "lnv"},  {25, "os"},  {26, "pt"},
    {27, "q"},  {28, "r"},     {29, "N"},     {30, "M"},    {31, "QR"},  {32, "ST"},
};

struct Mechanic {
  const char* name;
  std::vector<int> kinds;
};

// In the order a player meets them.
const Mechanic kMechanics[] = {
    {"wall", {1, 2, 3, 4}},      {"exit", {10}},
    {"oil", {9}},                {"blue door", {5, 31}},
    {"blue switch", {6}},        {"red door", {7, 32}},
    {"red switch", {8}},         {"rollers", {23, 24, 25, 26, 27, 28, 31, 32}},
    {"teleport", {11, 12, 13}},  {"cloner", {21, 22}},
    {"mine", {17, 29, 30}},      {"cables", {18}},
    {"door on rollers", {31, 32}}, {"mine on rollers", {29, 30}},
};

bool IsWallKind(int kind) { return kind >= 1 && kind <= 4; }

// Cell names of kinds 5..32 (19 and 20 have no character).
const char* const kElementNames[] = {
    "blue door", "blue switch", "red door", "red switch", "oil", "exit",
    "blue teleport", "green teleport", "orange teleport", "blue marker", "green marker",
    "orange marker", "mine", "cables", "", "", "cloner", "receiver", "rollers", "rollers",
    "rollers", "rollers", "rollers", "rollers", "mine on rollers", "mine on rollers",
    "blue door on rollers", "red door on rollers"};

int CountKind(const LevelSource& level, int kind) {
  int count = 0;
  for (const std::string& row : level.rows) {
    for (char c : row) count += CellKindOfChar(c) == kind;
  }
  return count;
}

// The family a cell is seen as on the board: walls and floor are background
// (""), a mine on rollers is a mine, a door on rollers is rollers.
std::string NameLineFamily(char c) {
  int kind = CellKindOfChar(c);
  if (kind == 17 || kind == 29 || kind == 30) return "mine";
  if (kind == 18) return "cables";
  if ((kind >= 23 && kind <= 28) || kind == 31 || kind == 32) return "rollers";
  if (kind == 5 || kind == 7) return "door";
  if (kind >= 11 && kind <= 16) return "teleport";
  if (kind == 0 || IsWallKind(kind)) return "";
  return NameCellElement(c);
}

}  // namespace

int CellKindOfChar(char c) {
  if (c == '\0') return 0;
  for (const KindChars& entry : kKindChars) {
    if (std::strchr(entry.chars, c) != nullptr) return entry.kind;
  }
  return 0;
}

std::string NameCellElement(char c) {
  int kind = CellKindOfChar(c);
  if (kind == 0) return "floor";
  if (IsWallKind(kind)) return "wall";
  return kElementNames[kind - 5];
}

char RemoveNeededCell(char c) {
  int kind = CellKindOfChar(c);
  bool wallUp = kind == 0 || kind == 5 || kind == 7 || kind == 10 || kind == 31 || kind == 32;
  return wallUp ? 'a' : '0';
}

std::vector<int> ListCellKinds(const LevelSource& level) {
  std::vector<int> kinds;
  for (const std::string& row : level.rows) {
    for (char c : row) kinds.push_back(CellKindOfChar(c));
  }
  std::sort(kinds.begin(), kinds.end());
  kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
  return kinds;
}

std::vector<std::string> ListMechanics(const LevelSource& level) {
  std::vector<int> kinds = ListCellKinds(level);
  std::vector<std::string> names;
  for (const Mechanic& mechanic : kMechanics) {
    bool used = std::any_of(mechanic.kinds.begin(), mechanic.kinds.end(), [&](int kind) {
      return std::binary_search(kinds.begin(), kinds.end(), kind);
    });
    if (used) names.push_back(mechanic.name);
  }
  if (level.robots.size() > 1) names.push_back("several robots");
  if (level.timeLimitSeconds > 0) names.push_back("time limit");
  return names;
}

std::string CheckLevelShape(const LevelSource& level) {
  for (const RobotStart& robot : level.robots) {
    int kind = CellKindOfChar(level.rows[robot.y][robot.x]);
    if (IsWallKind(kind) || kind == 17 || kind == 18 || kind == 29 || kind == 30) {
      return "a robot starts on a wall or a deadly cell";
    }
  }
  bool clonerPath = CountKind(level, 21) > 0 && CountKind(level, 22) > 0;
  if (CountKind(level, 10) == 0 && !clonerPath) return "no exit and no cloner with a receiver";
  for (int teleport = 11; teleport <= 13; ++teleport) {
    if (CountKind(level, teleport) > 0 && CountKind(level, teleport + 3) == 0) {
      return "a teleport has no marker of its colour";
    }
  }
  if (CountKind(level, 6) > 0 && CountKind(level, 5) + CountKind(level, 31) == 0) {
    return "a blue switch has no blue door";
  }
  if (CountKind(level, 8) > 0 && CountKind(level, 7) + CountKind(level, 32) == 0) {
    return "a red switch has no red door";
  }
  for (size_t i = 0; i < level.needs.size(); ++i) {
    const NeededCell& need = level.needs[i];
    std::string holds = NameCellElement(level.rows[need.y][need.x]);
    std::string where = std::to_string(need.x) + " " + std::to_string(need.y);
    if (holds != need.name) return "need " + where + " names " + need.name + " but the cell holds " + holds;
    for (size_t j = 0; j < i; ++j) {
      if (level.needs[j].x == need.x && level.needs[j].y == need.y) return "need " + where + " twice";
    }
  }
  return "";
}

std::vector<std::string> ListBoardLines(const LevelSource& level) {
  int left = kBoardWidth, right = -1, top = kBoardHeight, bottom = -1;
  for (int y = 0; y < kBoardHeight; ++y) {
    for (int x = 0; x < kBoardWidth; ++x) {
      if (IsWallKind(CellKindOfChar(level.rows[y][x]))) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  std::vector<std::string> lines;
  // Rows first (across = x), then columns (across = y).
  for (int byRow = 1; byRow >= 0; --byRow) {
    int lineFirst = byRow ? top : left, lineLast = byRow ? bottom : right;
    int alongFirst = byRow ? left : top, alongLast = byRow ? right : bottom;
    auto at = [&](int line, int along) {
      return byRow ? level.rows[line][along] : level.rows[along][line];
    };
    for (int line = lineFirst; line <= lineLast; ++line) {
      std::vector<std::string> families;
      for (int along = alongFirst; along <= alongLast; ++along) {
        std::string family = NameLineFamily(at(line, along));
        if (!family.empty() && std::find(families.begin(), families.end(), family) == families.end()) {
          families.push_back(family);
        }
      }
      for (const std::string& family : families) {
        int count = 0, runStart = 0, runLength = 0, bestStart = 0, bestLength = 0;
        for (int along = alongFirst; along <= alongLast; ++along) {
          if (NameLineFamily(at(line, along)) != family) {
            runLength = 0;
            continue;
          }
          ++count;
          if (runLength++ == 0) runStart = along;
          if (runLength > bestLength) bestStart = runStart, bestLength = runLength;
        }
        if (count * 2 < alongLast - alongFirst + 1) continue;
        std::string name = family + (byRow ? " rows" : " columns");
        std::vector<std::string> ends;
        for (int along : {bestStart - 1, bestStart + bestLength}) {
          if (along < 0 || along >= (byRow ? kBoardWidth : kBoardHeight)) continue;
          std::string end = NameLineFamily(at(line, along));
          if (!end.empty() && std::find(ends.begin(), ends.end(), end) == ends.end()) ends.push_back(end);
        }
        std::sort(ends.begin(), ends.end());
        for (size_t i = 0; i < ends.size(); ++i) name += (i == 0 ? " into " : " and ") + ends[i];
        lines.push_back(name);
      }
    }
  }
  return lines;
}

bool LevelsLookAlike(const LevelSource& a, const LevelSource& b) {
  if (a.rows == b.rows) return true;
  std::vector<std::string> linesA = ListBoardLines(a), linesB = ListBoardLines(b);
  for (const std::string& line : linesA) {
    if (std::count(linesA.begin(), linesA.end(), line) >= 2 &&
        std::count(linesB.begin(), linesB.end(), line) >= 2) {
      return true;
    }
  }
  return false;
}
