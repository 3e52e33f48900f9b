// The game's icon: a robot's head on a riveted steel plate. The window shows
// it, and the desktop's menu entry installs it.
#include "tools/datagen/picture_jobs.h"
#include "tools/datagen/ui_kit.h"

namespace {
constexpr int kIconSize = 256;

Canvas Icon() {
  Canvas c(kIconSize, kIconSize);
  const float s = float(kIconSize);
  Distance plate = RoundRectShape({8, 8}, {s - 8, s - 8}, 44);
  c.FillVertical(plate, 8, s - 8, ui::kPlateTop, ui::kPlateBottom);
  c.Fill(Outlined(plate, 3.0f), ui::kEdge);
  for (glm::vec2 at : {glm::vec2(34, 34), glm::vec2(s - 34, 34), glm::vec2(34, s - 34), glm::vec2(s - 34, s - 34)}) {
    c.Fill(CircleShape(at, 10), Rgb(20, 24, 30));
    c.Fill(CircleShape(at - 2.0f, 7), Rgb(170, 180, 196));
  }
  // Antenna, head, eyes and mouth grille.
  c.Fill(LineShape({s / 2, 38}, {s / 2, 74}, 5), ui::kEdge);
  c.Fill(CircleShape({s / 2, 36}, 11), ui::kAccentLight);
  Distance head = RoundRectShape({58, 72}, {s - 58, s - 50}, 30);
  c.FillVertical(head, 72, s - 50, ui::kAccentLight, ui::kAccent);
  c.Fill(Outlined(head, 3.0f), Rgb(120, 70, 10));
  for (float x : {s / 2 - 36, s / 2 + 36}) {
    c.Fill(CircleShape({x, 124}, 22), Rgb(28, 24, 20));
    c.Fill(CircleShape({x, 124}, 11), Rgb(120, 220, 255));
  }
  c.Fill(RoundRectShape({s / 2 - 46, 164}, {s / 2 + 46, 186}, 8), Rgb(28, 24, 20));
  for (float x = s / 2 - 30; x <= s / 2 + 30; x += 20) c.Fill(LineShape({x, 168}, {x, 182}, 2.5f), ui::kEdge);
  return c;
}
}  // namespace

std::vector<PictureJob> IconPictureJobs() { return {{"data/png/icon.png", Icon}}; }
