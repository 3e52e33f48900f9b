// The files the game reads for its levels: three index files of 16-byte
// records and, per level, a robot layout, a board layout and a time file.
#pragma once

#include <string>
#include <vector>

#include "level_source.h"

struct LevelFileNames {
  std::string robots;  // named by "levels/gracze.gra"
  std::string board;   // named by "levels/etapy.gra"
  std::string time;    // named by "levels/reszta.gra"
};

constexpr int kIndexRecordBytes = 16;
constexpr int kIndexNameBytes = 14;
constexpr int kLayoutBytes = 240;  // 12 lines of 18 characters and CR LF

// Names (relative to the run directory) of level n's data files.
LevelFileNames NameLevelFiles(int levelNumber);

// 12 lines of 18 bytes and CR LF: '1' where a robot starts, '0' elsewhere.
std::string MakeRobotLayout(const LevelSource& level);
// 12 lines of the 18 cell characters and CR LF.
std::string MakeBoardLayout(const LevelSource& level);
// The time limit in milliseconds, 32-bit signed little-endian; 0 for none.
std::string MakeTimeFile(const LevelSource& level);
// Record n at byte 16 n: the name padded with NUL to 14 bytes, then CR LF.
// Record 0 is never read and holds no name. Names longer than 14 bytes give "".
std::string MakeIndexFile(const std::vector<std::string>& names);

// Writes the index files and every level's data files under runDir/levels,
// and levels/par.txt: line n holds level n's par (the moves of its shortest
// solution), which the play screen shows.
// levels[0] is level 1. Returns false with a message on the first failure.
bool WriteLevelFiles(const std::vector<LevelSource>& levels, const std::string& runDir,
                     std::string* error);
