// Reader of the designer's level text: "key: value" lines and a drawn board.
//
//   title: Pierwsze kroki
//   hint: Strzałki prowadzą wszystkie roboty naraz
//   time: none            (or whole seconds)
//   par: 4
//   solution: RRDL        (optional: a shortest solution, for the reader)
//   robot: 3 4            (optional: a robot on a cell that is not floor)
//   need: 7 4 oil         (a cell the level cannot do without: column, row, what it holds)
//   board:
//   aaaaaaaaaaaaaaaaaa    (12 rows of 18 cell characters; '.' is floor,
//   a.@.............Da     '@' a robot on floor)
//
// Lines starting with '#' are comments.
#include "level_source.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

std::string TrimSpaces(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t\r");
  if (begin == std::string::npos) return "";
  size_t end = text.find_last_not_of(" \t\r");
  return text.substr(begin, end - begin + 1);
}

// A whole decimal number within [low, high]; false for anything else.
bool ReadNumber(const std::string& text, int low, int high, int* value) {
  if (text.empty() || text.size() > 6) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  int number = std::atoi(text.c_str());
  if (number < low || number > high) return false;
  *value = number;
  return true;
}

bool Fail(std::string* error, int lineNumber, const std::string& what) {
  *error = "line " + std::to_string(lineNumber) + ": " + what;
  return false;
}

// A board character must be a printable ASCII byte: CR, LF and NUL would not
// become cells in the board file at all.
bool IsBoardChar(char c) { return c > ' ' && c < 127; }

bool ReadRobotLine(const std::string& value, int lineNumber, LevelSource* level,
                   std::string* error) {
  std::istringstream in(value);
  std::string xText, yText, rest;
  in >> xText >> yText >> rest;
  RobotStart robot;
  if (!rest.empty() || !ReadNumber(xText, 0, kBoardWidth - 1, &robot.x) ||
      !ReadNumber(yText, 0, kBoardHeight - 1, &robot.y)) {
    return Fail(error, lineNumber, "robot needs a column 0-17 and a row 0-11");
  }
  level->robots.push_back(robot);
  return true;
}

bool ReadNeedLine(const std::string& value, int lineNumber, LevelSource* level,
                  std::string* error) {
  std::istringstream in(value);
  std::string xText, yText, name, word;
  in >> xText >> yText;
  while (in >> word) name += (name.empty() ? "" : " ") + word;
  NeededCell need;
  if (name.empty() || !ReadNumber(xText, 0, kBoardWidth - 1, &need.x) ||
      !ReadNumber(yText, 0, kBoardHeight - 1, &need.y)) {
    return Fail(error, lineNumber, "need wants a column 0-17, a row 0-11 and what the cell holds");
  }
  need.name = name;
  level->needs.push_back(need);
  return true;
}

bool ReadKeyLine(const std::string& key, const std::string& value, int lineNumber,
                 LevelSource* level, std::string* error) {
  if (key == "title") {
    int chars = CountUtf8Chars(value);
    if (chars < 1 || chars > kMaxTitleChars) {
      return Fail(error, lineNumber, "title must be 1-40 characters of UTF-8");
    }
    level->title = value;
  } else if (key == "hint") {
    int chars = CountUtf8Chars(value);
    if (chars < 1 || chars > kMaxHintChars) {
      return Fail(error, lineNumber, "hint must be 1-64 characters of UTF-8");
    }
    level->hint = value;
  } else if (key == "time") {
    if (value == "none") {
      level->timeLimitSeconds = 0;
    } else if (!ReadNumber(value, 1, 3600, &level->timeLimitSeconds)) {
      return Fail(error, lineNumber, "time must be 'none' or 1-3600 seconds");
    }
  } else if (key == "par") {
    if (!ReadNumber(value, 1, 999, &level->par)) {
      return Fail(error, lineNumber, "par must be a number of moves 1-999");
    }
  } else if (key == "solution") {
    if (value.find_first_not_of("LRUD") != std::string::npos) {
      return Fail(error, lineNumber, "solution may hold only the letters L R U D");
    }
    level->solution = value;
  } else if (key == "robot") {
    return ReadRobotLine(value, lineNumber, level, error);
  } else if (key == "need") {
    return ReadNeedLine(value, lineNumber, level, error);
  } else {
    return Fail(error, lineNumber, "unknown key '" + key + "'");
  }
  return true;
}

// Turns the drawn rows into board characters and robots; the robots of
// "robot:" lines are merged in so that the order is the file order.
bool ReadBoardRows(const std::vector<std::string>& drawn, int firstLine, LevelSource* level,
                   std::string* error) {
  std::vector<bool> hasRobot(kBoardWidth * kBoardHeight, false);
  for (const RobotStart& robot : level->robots) {
    hasRobot[robot.y * kBoardWidth + robot.x] = true;
  }
  for (int y = 0; y < kBoardHeight; ++y) {
    std::string row = drawn[y];
    if (row.size() != kBoardWidth) {
      return Fail(error, firstLine + y, "a board row must have 18 characters");
    }
    for (int x = 0; x < kBoardWidth; ++x) {
      char c = row[x];
      if (!IsBoardChar(c)) return Fail(error, firstLine + y, "unprintable board character");
      if (c == '.') row[x] = '0';
      if (c == '@') {
        row[x] = '0';
        hasRobot[y * kBoardWidth + x] = true;
      }
    }
    level->rows.push_back(row);
  }
  level->robots.clear();
  for (int i = 0; i < kBoardWidth * kBoardHeight; ++i) {
    if (hasRobot[i]) level->robots.push_back({i % kBoardWidth, i / kBoardWidth});
  }
  return true;
}

}  // namespace

int CountUtf8Chars(const std::string& text) {
  int chars = 0;
  for (size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return -1;
    for (int k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return -1;
    }
    if (length == 1 && c < ' ') return -1;
    i += length;
    ++chars;
  }
  return chars;
}

bool ParseLevelSource(const std::string& text, LevelSource* level, std::string* error) {
  *level = LevelSource();
  std::istringstream in(text);
  std::string line;
  int lineNumber = 0;
  bool seenTime = false;
  std::vector<std::string> drawn;
  int boardLine = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (boardLine > 0) {
      if (drawn.size() < kBoardHeight) {
        drawn.push_back(line);
        continue;
      }
      if (TrimSpaces(line).empty() || line[0] == '#') continue;
      return Fail(error, lineNumber, "the board must be the last thing, 12 rows");
    }
    std::string trimmed = TrimSpaces(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    size_t colon = trimmed.find(':');
    if (colon == std::string::npos) return Fail(error, lineNumber, "expected 'key: value'");
    std::string key = TrimSpaces(trimmed.substr(0, colon));
    std::string value = TrimSpaces(trimmed.substr(colon + 1));
    if (key == "board") {
      boardLine = lineNumber + 1;
      continue;
    }
    if (key == "time") seenTime = true;
    if (!ReadKeyLine(key, value, lineNumber, level, error)) return false;
  }
  if (boardLine == 0 || drawn.size() != kBoardHeight) {
    return Fail(error, lineNumber, "the board needs 12 rows after 'board:'");
  }
  if (!ReadBoardRows(drawn, boardLine, level, error)) return false;
  if (level->title.empty() || level->hint.empty() || level->par == 0 || !seenTime) {
    return Fail(error, lineNumber, "title, hint, time and par are all required");
  }
  if (level->robots.empty()) return Fail(error, lineNumber, "a level needs a robot");
  if (!level->solution.empty() && static_cast<int>(level->solution.size()) != level->par) {
    return Fail(error, lineNumber, "the solution must have par moves");
  }
  return true;
}
