// Level files for tests, written into a fresh folder under the system's temp directory.
#include "rules/test_levels.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>


namespace fs = std::filesystem;

TestLevelFolder::TestLevelFolder() {
  std::string pattern = (fs::temp_directory_path() / "rr-levels-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  path = made != nullptr ? made : pattern;
  fs::create_directories(fs::path(path) / "levels");
}

TestLevelFolder::~TestLevelFolder() {
  std::error_code ignored;
  fs::remove_all(path, ignored);
}

void TestLevelFolder::WriteFile(const std::string& relative, const std::string& bytes) const {
  fs::path file = fs::path(path) / relative;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TestLevelFolder::ReadFile(const std::string& relative) const {
  std::ifstream in(fs::path(path) / relative, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void TestLevelFolder::WriteIndexRecord(const std::string& indexName, int n, const std::string& dataName) const {
  std::string relative = "levels/" + indexName;
  std::string index = ReadFile(relative);
  size_t need = static_cast<size_t>(16 * (n + 1));
  if (index.size() < need) index.resize(need, '\0');
  std::string record = dataName.substr(0, 14);
  record.resize(14, '\0');
  record += "\r\n";
  index.replace(static_cast<size_t>(16 * n), 16, record);
  WriteFile(relative, index);
}

std::string LayoutBytes(const std::vector<std::string>& rows, char fill) {
  std::string bytes;
  for (size_t y = 0; y < 12; ++y) {
    std::string row = y < rows.size() ? rows[y] : "";
    row.resize(18, fill);
    bytes += row + "\r\n";
  }
  return bytes;
}

std::string RobotLayoutBytes(const CellList& robots) {
  std::vector<std::string> rows(12, std::string(18, '0'));
  for (auto [x, y] : robots) rows[y][x] = '1';
  return LayoutBytes(rows);
}

void TestLevelFolder::WriteLevel(int n, const std::vector<std::string>& cells, const CellList& robots,
                                 int32_t timeLimit) {
  char robotName[16], cellName[16], timeName[16];
  std::snprintf(robotName, sizeof(robotName), "levels/r%02d.txt", n);
  std::snprintf(cellName, sizeof(cellName), "levels/b%02d.txt", n);
  std::snprintf(timeName, sizeof(timeName), "levels/t%02d.dat", n);
  WriteIndexRecord("gracze.gra", n, robotName);
  WriteIndexRecord("etapy.gra", n, cellName);
  WriteIndexRecord("reszta.gra", n, timeName);
  WriteFile(robotName, RobotLayoutBytes(robots));
  WriteFile(cellName, LayoutBytes(cells));
  uint32_t t = static_cast<uint32_t>(timeLimit);
  std::string time = {static_cast<char>(t & 0xFF), static_cast<char>((t >> 8) & 0xFF),
                      static_cast<char>((t >> 16) & 0xFF), static_cast<char>(t >> 24)};
  WriteFile(timeName, time);
}

std::unique_ptr<Board> MakeTestBoard(const std::vector<std::string>& cells, const CellList& robots) {
  TestLevelFolder folder;
  folder.WriteLevel(1, cells, robots);
  auto board = std::make_unique<Board>();
  if (!board->LoadLevel(1, folder.Path().c_str())) std::abort();
  return board;
}

StepReport StepTicks(Board& board, int ticks, const StepInput& input) {
  static SoundLatches latches;  // one run of play across calls, as in the game
  StepReport all;
  for (int i = 0; i < ticks; ++i) all.Add(board.Step(input, latches));
  return all;
}

StepReport StepTicks(Board& board, int ticks, Direction direction) {
  return StepTicks(board, ticks, CommandInput(direction));
}
