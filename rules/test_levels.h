// Test helpers: level files written into a temporary folder, and boards
// loaded from them, so rule tests read levels exactly as the game does.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "rules/board.h"

using CellList = std::vector<std::pair<int, int>>;

class TestLevelFolder {
 public:
  TestLevelFolder();
  ~TestLevelFolder();
  TestLevelFolder(const TestLevelFolder&) = delete;
  TestLevelFolder& operator=(const TestLevelFolder&) = delete;

  const std::string& Path() const { return path; }
  // Writes the index records of level n and its three data files. Cell rows
  // shorter than 18 are padded with floor ('0'); missing rows are floor.
  void WriteLevel(int n, const std::vector<std::string>& cells, const CellList& robots, int32_t timeLimit = 0);
  // Any file under the folder, byte for byte.
  void WriteFile(const std::string& relative, const std::string& bytes) const;
  // Sets the 14-byte name of level n's record in one index file.
  void WriteIndexRecord(const std::string& indexName, int n, const std::string& dataName) const;
  std::string ReadFile(const std::string& relative) const;

 private:
  std::string path;
};

// The 240 bytes of a layout: 12 lines of 18 characters and CR LF.
std::string LayoutBytes(const std::vector<std::string>& rows, char fill = '0');
std::string RobotLayoutBytes(const CellList& robots);

// A fresh board holding level 1 made of these rows (loaded through LoadLevel).
std::unique_ptr<Board> MakeTestBoard(const std::vector<std::string>& cells, const CellList& robots);

// Steps ticks times with the same input; the sounds asked for, summed.
StepReport StepTicks(Board& board, int ticks, const StepInput& input = {});
StepReport StepTicks(Board& board, int ticks, Direction direction);
