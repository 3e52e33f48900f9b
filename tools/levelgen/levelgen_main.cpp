// rivet-levelgen: turns the level sources into the files the game reads.
//
//   rivet-levelgen SOURCE_DIR RUN_DIR
//       writes RUN_DIR/levels/{gracze,etapy,reszta}.gra and each level's files
#include <cstdio>
#include <string>
#include <vector>

#include "level_catalogue.h"
#include "level_files.h"

namespace {

int PrintUsage() {
  std::printf("usage: rivet-levelgen SOURCE_DIR RUN_DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return PrintUsage();
  std::string sourceDir = argv[1];
  std::string runDir = argv[2];
  std::vector<LevelSource> levels;
  std::string error;
  if (!LoadLevelCatalogue(sourceDir, &levels, &error)) {
    std::printf("rivet-levelgen: %s\n", error.c_str());
    return 1;
  }
  if (!WriteLevelFiles(levels, runDir, &error)) {
    std::printf("rivet-levelgen: %s\n", error.c_str());
    return 1;
  }
  std::printf("rivet-levelgen: wrote %zu levels into %s/levels\n", levels.size(), runDir.c_str());
  return 0;
}
