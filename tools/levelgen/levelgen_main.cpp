// rivet-levelgen: turns the level sources into the files the game reads.
//
//   rivet-levelgen SOURCE_DIR RUN_DIR
//       writes RUN_DIR/levels/{gracze,etapy,reszta}.gra and each level's files
//   rivet-levelgen --report SOURCE_DIR RUN_DIR OUT_FILE
//       runs RUN_DIR/rivet-solve over the generated levels and writes a table
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "level_catalogue.h"
#include "level_files.h"
#include "level_report.h"

namespace {

int PrintUsage() {
  std::printf("usage: rivet-levelgen SOURCE_DIR RUN_DIR\n"
              "       rivet-levelgen --report SOURCE_DIR RUN_DIR OUT_FILE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool report = argc == 5 && std::strcmp(argv[1], "--report") == 0;
  if (!report && argc != 3) return PrintUsage();
  std::string sourceDir = argv[report ? 2 : 1];
  std::string runDir = argv[report ? 3 : 2];
  std::vector<LevelSource> levels;
  std::string error;
  if (!LoadLevelCatalogue(sourceDir, &levels, &error)) {
    std::printf("rivet-levelgen: %s\n", error.c_str());
    return 1;
  }
  if (report) {
    if (!WriteLevelReport(levels, runDir, argv[4], &error)) {
      std::printf("rivet-levelgen: %s\n", error.c_str());
      return 1;
    }
    return 0;
  }
  if (!WriteLevelFiles(levels, runDir, &error)) {
    std::printf("rivet-levelgen: %s\n", error.c_str());
    return 1;
  }
  std::printf("rivet-levelgen: wrote %zu levels into %s/levels\n", levels.size(), runDir.c_str());
  return 0;
}
