// A level as its designer writes it in content/levels/levelNN.txt, and the
// reader that checks it before anything is generated from it.
#pragma once

#include <string>
#include <vector>

constexpr int kBoardWidth = 18;
constexpr int kBoardHeight = 12;

struct RobotStart {
  int x = 0;
  int y = 0;
};

// A cell the level's idea rests on: without it (see RemoveNeededCell) the
// level must become unsolvable or longer than par.
struct NeededCell {
  int x = 0;
  int y = 0;
  std::string name;  // what the cell holds, as NameCellElement names it
};

struct LevelSource {
  std::string title;                // Polish, UTF-8, one line: printed on the card
  std::string hint;                 // Polish, UTF-8, short: printed on the card
  int timeLimitSeconds = 0;         // 0: no time limit
  int par = 0;                      // moves of the shortest solution
  std::string solution;             // one shortest solution (letters L R U D), may be empty
  std::vector<std::string> rows;    // 12 rows of 18 cell characters of the board file
  std::vector<RobotStart> robots;   // in file order: row by row, left to right
  std::vector<NeededCell> needs;    // "need:" lines, in file order
};

// Longest hint, in characters, that still fits on a card.
constexpr int kMaxHintChars = 64;
constexpr int kMaxTitleChars = 40;

// Reads one level source. On failure returns false and puts one line saying
// what and where into *error; *level is then unspecified.
bool ParseLevelSource(const std::string& text, LevelSource* level, std::string* error);

// Number of characters (code points) of a UTF-8 string; -1 if it is not UTF-8.
int CountUtf8Chars(const std::string& text);
