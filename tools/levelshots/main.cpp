// rivet-level-shots: every level as the play screen's overview shows it at
// 640 x 480, and a showcase of doors, teleports, markers, exits and switches,
// each also as seen with protanopia, deuteranopia and by lightness alone.
//   rivet-level-shots RUN_DIR OUT_DIR
// writes OUT_DIR/levels_VISION/levelNN.png and OUT_DIR/showcase/NAME_VISION.png
// (the rr_level_sheets build target tiles them into contact sheets).
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/gpu_device.h"
#include "tools/levelshots/board_shots.h"
#include "tools/levelshots/colour_vision.h"
#include "tools/tool_arguments.h"

namespace fs = std::filesystem;

namespace {
constexpr ColourVision kVisions[4] = {ColourVision::Normal, ColourVision::Protanopia, ColourVision::Deuteranopia,
                                      ColourVision::Lightness};

bool Save(const Shot& shot, ColourVision vision, const fs::path& file) {
  std::vector<uint8_t> rgba = shot.rgba;
  SimulateColourVision(rgba, vision);
  if (GpuWritePng(file.string().c_str(), rgba, shot.width, shot.height)) return true;
  std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
  return false;
}
}  // namespace

int main(int argc, char** argv) {
  if (AsksForHelp(argc, argv) || argc != 3 || !AllPlainNames(argc, argv, 1)) {
    std::printf("usage: rivet-level-shots RUN_DIR OUT_DIR\n");
    return AsksForHelp(argc, argv) ? 0 : 2;
  }
  const fs::path out = fs::absolute(argv[2]);
  std::error_code error;
  for (ColourVision v : kVisions) fs::create_directories(out / (std::string("levels_") + ColourVisionName(v)), error);
  fs::create_directories(out / "showcase", error);
  if (!OpenShotScreen(argv[1], 640, 480)) return 1;
  static Board board;
  bool ok = true;
  for (int level = 1; level <= 45; ++level) {
    if (!board.LoadLevel(level)) {
      std::fprintf(stderr, "level %d could not be loaded\n", level);
      ok = false;
      continue;
    }
    const Shot shot = ShootBoard(board);
    char name[32];
    std::snprintf(name, sizeof name, "level%02d.png", level);
    for (ColourVision v : kVisions) ok = Save(shot, v, out / (std::string("levels_") + ColourVisionName(v)) / name) && ok;
  }
  for (bool open : {false, true}) {
    MakeShowcaseBoard(board, open);
    const Shot shot = ShootBoard(board);
    for (ColourVision v : kVisions) {
      const std::string name = std::string(open ? "doors_open_" : "doors_closed_") + ColourVisionName(v) + ".png";
      ok = Save(shot, v, out / "showcase" / name) && ok;
    }
  }
  return ok ? 0 : 1;
}
