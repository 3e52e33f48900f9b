// rivet-datagen: writes the game's data into a run directory.
//   rivet-datagen --out RUN_DIR [--fonts DIR] [--levels DIR] [--only data|cards|all]
//   rivet-datagen --sheet OUT.png --out RUN_DIR [--renders DIR]
//   rivet-datagen --sample OUT.vxm --out RUN_DIR    (a review board for the contact sheet)
// "data" is every model, picture and glyph and "data/kamera.cam"; "cards" the
// level cards, which quote the level sources in --levels.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/datagen/board_sample.h"
#include "tools/datagen/contact_sheet.h"
#include "tools/datagen/generate.h"
#include "tools/datagen/text.h"
#include "tools/tool_arguments.h"

int main(int argc, char** argv) {
  GenerateOptions options;
  options.fontDirectory = "/usr/share/fonts/truetype/dejavu";
  std::string only = "all", sheet, renders, sample;
  const char* usage =
      "usage: rivet-datagen --out RUN_DIR [--fonts DIR] [--levels DIR] [--only data|cards|all]\n"
      "       rivet-datagen --sheet OUT.png --out RUN_DIR [--renders DIR]\n"
      "       rivet-datagen --sample OUT.vxm --out RUN_DIR\n";
  if (AsksForHelp(argc, argv)) {
    std::fputs(usage, stdout);
    return 0;
  }
  // Options come in pairs, and no value is itself an option.
  if (argc % 2 == 0) {
    std::fprintf(stderr, "rivet-datagen: %s needs a value\n%s", argv[argc - 1], usage);
    return 2;
  }
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string key = argv[i], value = argv[i + 1];
    if (LooksLikeOption(value.c_str())) {
      std::fprintf(stderr, "rivet-datagen: %s needs a value, not %s\n%s", key.c_str(), value.c_str(), usage);
      return 2;
    }
    if (key == "--out") options.runDirectory = value;
    else if (key == "--fonts") options.fontDirectory = value;
    else if (key == "--levels") options.levelDirectory = value;
    else if (key == "--only") only = value;
    else if (key == "--sheet") sheet = value;
    else if (key == "--renders") renders = value;
    else if (key == "--sample") sample = value;
    else {
      std::fprintf(stderr, "rivet-datagen: unknown option %s\n", key.c_str());
      return 2;
    }
  }
  if (options.runDirectory.empty()) {
    std::fputs(usage, stderr);
    return 2;
  }
  if (!sample.empty()) {
    // Needs the fonts for the scenes' signs.
    if (!OpenFonts(options.fontDirectory)) return 1;
    bool written = WriteModel(BoardSample(), sample);
    CloseFonts();
    return written ? 0 : 1;
  }
  if (!sheet.empty()) return WriteContactSheet(options.runDirectory, renders, sheet, options.fontDirectory) ? 0 : 1;
  options.models = options.pictures = only == "all" || only == "data";
  options.cards = only == "all" || only == "cards";
  auto start = std::chrono::steady_clock::now();
  GenerateReport report = GenerateData(options);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("rivet-datagen: %d files, %.1f MB in %.2f s\n", report.files, double(report.bytes) / 1e6, seconds);
  for (const std::string& failure : report.failures) std::printf("rivet-datagen: could not write %s\n", failure.c_str());
  return report.failures.empty() ? 0 : 1;
}
