// Writes the level files in the exact byte layout the level loader reads.
#include "level_files.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string TwoDigits(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

bool WriteBytes(const std::string& path, const std::string& bytes, std::string* error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    *error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace

LevelFileNames NameLevelFiles(int levelNumber) {
  std::string stem = "levels/" + TwoDigits(levelNumber);
  return {stem + ".rob", stem + ".map", stem + ".tim"};
}

std::string MakeRobotLayout(const LevelSource& level) {
  std::string bytes;
  for (int y = 0; y < kBoardHeight; ++y) {
    std::string line(kBoardWidth, '0');
    for (const RobotStart& robot : level.robots) {
      if (robot.y == y && robot.x >= 0 && robot.x < kBoardWidth) line[robot.x] = '1';
    }
    bytes += line + "\r\n";
  }
  return bytes;
}

std::string MakeBoardLayout(const LevelSource& level) {
  std::string bytes;
  for (int y = 0; y < kBoardHeight; ++y) {
    std::string line = y < static_cast<int>(level.rows.size()) ? level.rows[y] : "";
    line.resize(kBoardWidth, '0');
    bytes += line + "\r\n";
  }
  return bytes;
}

std::string MakeTimeFile(const LevelSource& level) {
  uint32_t ms = static_cast<uint32_t>(level.timeLimitSeconds) * 1000u;
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((ms >> (8 * i)) & 0xff);
  return bytes;
}

std::string MakeIndexFile(const std::vector<std::string>& names) {
  std::string bytes(kIndexNameBytes, '\0');
  bytes += "\r\n";
  for (const std::string& name : names) {
    std::string record = name.size() <= kIndexNameBytes ? name : "";
    record.resize(kIndexNameBytes, '\0');
    bytes += record + "\r\n";
  }
  return bytes;
}

bool WriteLevelFiles(const std::vector<LevelSource>& levels, const std::string& runDir,
                     std::string* error) {
  std::error_code code;
  std::filesystem::create_directories(runDir + "/levels", code);
  if (code) {
    *error = "cannot make " + runDir + "/levels: " + code.message();
    return false;
  }
  std::vector<std::string> robotNames, boardNames, timeNames;
  std::string pars;
  for (size_t i = 0; i < levels.size(); ++i) {
    pars += std::to_string(levels[i].par) + "\n";
    LevelFileNames names = NameLevelFiles(static_cast<int>(i) + 1);
    if (!WriteBytes(runDir + "/" + names.robots, MakeRobotLayout(levels[i]), error) ||
        !WriteBytes(runDir + "/" + names.board, MakeBoardLayout(levels[i]), error) ||
        !WriteBytes(runDir + "/" + names.time, MakeTimeFile(levels[i]), error)) {
      return false;
    }
    robotNames.push_back(names.robots);
    boardNames.push_back(names.board);
    timeNames.push_back(names.time);
  }
  return WriteBytes(runDir + "/levels/gracze.gra", MakeIndexFile(robotNames), error) &&
         WriteBytes(runDir + "/levels/etapy.gra", MakeIndexFile(boardNames), error) &&
         WriteBytes(runDir + "/levels/reszta.gra", MakeIndexFile(timeNames), error) &&
         WriteBytes(runDir + "/levels/par.txt", pars, error);
}
