// LoadLevel: the three index files name each level's robot layout, board
// layout and time file; read them into the board.
#include <cstdio>
#include <cstring>
#include <string>

#include "files/file_stream.h"
#include "rules/board.h"

namespace {

constexpr int32_t kLevelCount = 45;
constexpr int32_t kIndexRecordSize = 16;
constexpr int32_t kIndexNameSize = 14;
constexpr int32_t kLayoutBytes = 240;  // 12 lines of 18 cells plus CR LF
constexpr int32_t kLayoutLine = 20;

std::string JoinPath(const char* folder, const char* name) {
  std::string path = folder != nullptr ? folder : "";
  if (!path.empty() && path.back() != '/') path += '/';
  return path + name;
}

// Reads level n's record of an index into its own zeroed buffer, so a
// missing index never hands on the name read from another one.
bool ReadIndexName(const char* folder, const char* indexName, int32_t n, char (&name)[kIndexNameSize + 1]) {
  std::memset(name, 0, sizeof(name));
  FileStream index;
  if (index.Open(JoinPath(folder, indexName).c_str(), "r") == FileStream::kClosed) {
    std::printf("level %d: cannot open %s\n", n, indexName);
    return false;
  }
  for (int32_t i = 0; i < kIndexRecordSize * n; ++i) index.ReadByte();
  index.Read(name, kIndexNameSize);
  index.Close();
  // A short index leaves the name empty.
  if (name[0] == 0) {
    std::printf("level %d: %s has no record for it\n", n, indexName);
    return false;
  }
  return true;
}

bool OpenLevelPart(FileStream& file, const char* folder, const char* indexName, int32_t n) {
  char name[kIndexNameSize + 1];
  if (!ReadIndexName(folder, indexName, n, name)) return false;
  if (file.Open(JoinPath(folder, name).c_str(), "r") == FileStream::kClosed) {
    std::printf("level %d: cannot open \"%s\" named by %s\n", n, name, indexName);
    return false;
  }
  return true;
}

RobotRecord StartingRobot(int32_t x, int32_t y) {
  RobotRecord r;
  r.x = static_cast<float>(x);
  r.y = static_cast<float>(y);
  r.dx = 0;
  r.dy = 1;
  r.angle = 90;
  r.active = 1;
  r.justArrived = 1;
  return r;
}

bool LoadRobots(Board& board, const char* folder, int32_t n) {
  board.robotCount = 0;
  FileStream file;
  if (!OpenLevelPart(file, folder, "levels/gracze.gra", n)) return false;
  for (int32_t i = 0; i < kLayoutBytes; ++i) {
    uint8_t c = file.ReadByte();
    int32_t x = i % kLayoutLine;
    // Columns 18 and 19 hold the line end; a '1' there is no cell and must
    // not put a robot off the board.
    if (c == '1' && x < kBoardColumns) board.robots[board.robotCount++] = StartingRobot(x, i / kLayoutLine);
  }
  return true;
}

bool LoadCells(Board& board, const char* folder, int32_t n) {
  FileStream file;
  if (!OpenLevelPart(file, folder, "levels/etapy.gra", n)) return false;
  for (int32_t i = 0; i < kLayoutBytes; ++i) {
    uint8_t c = file.ReadByte();
    int32_t x = i % kLayoutLine;
    int32_t y = i / kLayoutLine;
    // CR, LF and NUL leave the cell as the previous level had it.
    if (c == 10 || c == 13 || c == 0 || x >= kBoardColumns) continue;
    board.cellChars[x][y] = c;
    board.cellState[x][y] = 0;
  }
  return true;
}

bool LoadTimeLimit(Board& board, const char* folder, int32_t n) {
  FileStream file;
  if (!OpenLevelPart(file, folder, "levels/reszta.gra", n)) return false;
  uint8_t bytes[4] = {};
  if (file.Read(bytes, 4) != 4) {
    std::printf("level %d: time file is shorter than 4 bytes\n", n);
    return false;
  }
  uint32_t value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
  board.timeLimit = static_cast<int32_t>(value);
  return true;
}

}  // namespace

bool Board::LoadLevel(int32_t levelNumber, const char* folder) {
  GameState = kGamePlaying;
  doorsMoving = 1;  // let the first step look at every door
  electroAnim = 0;
  explosionAnim = 0;
  exitAnim = 0;
  lookAt[0] = lookAt[1] = lookAt[2] = 0;
  CameraMode = 0;
  bool complete = false;
  if (levelNumber < 1 || levelNumber > kLevelCount) {
    std::printf("level %d: there is no such level\n", levelNumber);
    robotCount = 0;
  } else {
    bool robotsRead = LoadRobots(*this, folder, levelNumber);
    bool cellsRead = LoadCells(*this, folder, levelNumber);
    bool timeRead = LoadTimeLimit(*this, folder, levelNumber);
    complete = robotsRead && cellsRead && timeRead;
  }
  elapsed = 0;
  return complete;
}
