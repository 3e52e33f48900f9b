// The review board: a small level laid out with every cell kind.
#include "tools/datagen/board_sample.h"

#include <map>
#include <string>

#include "tools/datagen/mesh.h"
#include "tools/datagen/model_jobs.h"

namespace {

// Characters as the level files use them, with the kind's model and angle.
struct Visual {
  const char* model;
  float angle;
};

const std::map<char, Visual>& Visuals() {
  static const std::map<char, Visual> table = {
      {'0', {"data/k00.vxm", 0}}, {'a', {"data/k01.vxm", 0}}, {'h', {"data/k02.vxm", 180}}, {'i', {"data/k02.vxm", 0}},
      {'f', {"data/k03.vxm", 0}}, {'g', {"data/k03.vxm", 90}}, {'b', {"data/k04.vxm", 90}}, {'c', {"data/k04.vxm", 0}},
      {'d', {"data/k04.vxm", 180}}, {'e', {"data/k04.vxm", 270}}, {'w', {"data/k00 drzwi blue.vxm", 180}},
      {'x', {"data/k00 drzwi blue.vxm", 90}}, {'y', {"data/k00 wl1.vxm", 0}}, {'z', {"data/k00 drzwi red.vxm", 180}},
      {'A', {"data/k00 drzwi red.vxm", 90}}, {'B', {"data/k00 wl2.vxm", 0}}, {'C', {"data/k00 olej.vxm", 0}},
      {'D', {"data/k00 wyj.vxm", 0}}, {'E', {"data/tele blue.VXM", 0}}, {'F', {"data/tele green.VXM", 0}},
      {'G', {"data/tele oran.VXM", 0}}, {'H', {"data/znacznik blue.VXM", 0}}, {'I', {"data/znacznik green.VXM", 0}},
      {'J', {"data/znacznik oran.VXM", 0}}, {'K', {"data/k00 mina.VXM", 0}}, {'L', {"data/k00 kable.VXM", 0}},
      {'O', {"data/kloner.VXM", 0}}, {'P', {"data/kloner odb.VXM", 0}}, {'m', {"data/k00 rolki1.VXM", 90}},
      {'l', {"data/k00 rolki2.VXM", 180}}, {'o', {"data/k00 rolki1b.VXM", 90}}, {'p', {"data/k00 rolki2b.VXM", 180}},
      {'q', {"data/k00 rolki1c.VXM", 90}}, {'r', {"data/k00 rolki2c.VXM", 180}}, {'N', {"data/k00 rolki_i_mina.VXM", 90}},
      {'M', {"data/k00 rolki2_i_mina.VXM", 180}}, {'Q', {"data/k00 rolki1 drzwi1.VXM", 180}},
      {'S', {"data/k00 rolki1 drzwi2.VXM", 90}},
  };
  return table;
}

// 18 columns x 12 rows, as a level file would hold them.
const char* const kRows[12] = {
    "afffffffffffffffga",
    "g00000000000000a0g",
    "g0EFG00HIJ00KL0i0g",
    "g00000000000000h0g",
    "g0wxyzAB0CD0OP000g",
    "g00000000000000000",
    "g0mmmm0llll0NM0QS0",
    "g0oooo0pppp0qqrr00",
    "g00000000000000000",
    "g000000000000000c0",
    "g0000000000000000d",
    "afffffffffffffffea",
};

}  // namespace

ModelKit BoardSample() {
  ModelKit board(1);
  std::map<std::string, ModelKit> built;
  std::vector<ModelJob> jobs = AllModelJobs();
  auto model = [&](const std::string& file) -> const ModelKit& {
    auto found = built.find(file);
    if (found != built.end()) return found->second;
    for (const ModelJob& job : jobs)
      if (job.file == file) return built.emplace(file, job.build()).first->second;
    return built.emplace(file, ModelKit(1)).first->second;
  };
  board.MergeStill(model("data/cube.vxm"), glm::mat4(1.0f));
  board.MergeStill(model("data/ramka.vxm"), glm::mat4(1.0f));
  auto cellAt = [](int x, int y) { return glm::vec3(2.0f * float(x) - 18.0f, 12.0f - 2.0f * float(y), 0.0f); };
  for (int x = -1; x <= 18; ++x)
    for (int y = -1; y <= 12; ++y)
      if ((x == -1 || x == 18) != (y == -1 || y == 12)) board.MergeStill(model("data/k00.vxm"), Translation(cellAt(x, y)));
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 18; ++x) {
      auto found = Visuals().find(kRows[y][x]);
      Visual v = found == Visuals().end() ? Visual{"data/k00.vxm", 0} : found->second;
      int frame = std::string(v.model).find("drzwi") != std::string::npos ? (x % 2 ? 2 : 0) : 0;
      board.MergeStill(model(v.model), Translation(cellAt(x, y)) * RotationZ(v.angle), frame);
    }
  }
  // Robots facing left, down, right and up, each with its reflection.
  const int robotCells[4][2] = {{3, 9}, {6, 9}, {9, 9}, {12, 9}};
  for (int i = 0; i < 4; ++i) {
    glm::mat4 at = Translation(cellAt(robotCells[i][0], robotCells[i][1])) * RotationZ(90.0f * float(i));
    board.MergeStill(model("data/kipek.vxm"), at);
    board.MergeStill(model("data/kipek.vxm"), at * RotationX(180.0f));
  }
  return board;
}
