// rivet-levelgen: turns the level sources into the files the game reads.
//
//   rivet-levelgen SOURCE_DIR RUN_DIR
//       writes RUN_DIR/levels/{gracze,etapy,reszta}.gra and each level's files
#include <cstdio>
#include <string>
#include <vector>

#include "level_catalogue.h"
#include "level_files.h"
#include "tools/tool_arguments.h"

namespace {

int PrintUsage(std::FILE* out, int status) {
  std::fprintf(out, "usage: rivet-levelgen SOURCE_DIR RUN_DIR\n");
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (AsksForHelp(argc, argv)) return PrintUsage(stdout, 0);
  if (argc != 3 || !AllPlainNames(argc, argv, 1)) return PrintUsage(stderr, 2);
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
