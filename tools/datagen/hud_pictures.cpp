// Pictures of the loading screen and the play screen: the loading label and
// bar, the frame over the play screen with its bottom bar, the difficulty and
// level labels, the level-number digits, the pause panel, the black overlay.
#include <algorithm>
#include <cmath>

#include "tools/datagen/picture_jobs.h"
#include "tools/datagen/ui_kit.h"

namespace {

Canvas LoadingLabel() {
  Canvas c = ScreenCanvas(0.625f, 0.078f);
  float w = float(c.Width()), h = float(c.Height());
  DrawFittedText(c, "WCZYTYWANIE", {w * 0.2f, h * 0.12f}, {w * 0.8f, h * 0.88f}, ui::kAccent, FontFace::Bold, true, 2.0f);
  return c;
}

Canvas LoadingFrame() {
  Canvas c = ScreenCanvas(0.16f, 0.053f);
  float w = float(c.Width()), h = float(c.Height());
  c.Fill(Outlined(RoundRectShape({3, 3}, {w - 3, h - 3}, 8), 2.0f), ui::kEdge);
  c.Fill(Outlined(RoundRectShape({1, 1}, {w - 1, h - 1}, 9), 0.8f), Rgb(20, 24, 30));
  return c;
}

Canvas LoadingBar() {
  Canvas c = ScreenCanvas(0.154f, 0.025f);
  float w = float(c.Width()), h = float(c.Height());
  c.FillVertical(RoundRectShape({0, 0}, {w, h}, 3), 0, h, ui::kAccentLight, Rgb(200, 100, 10));
  return c;
}

// The frame over the whole play screen: a thin steel border and a bottom bar
// holding the difficulty label (x 0.072), the level label (x 0.555) and the
// two digits (x 0.83 and 0.873).
Canvas PlayFrame() {
  Canvas c(kScreenWidth, kScreenHeight);
  float w = float(kScreenWidth), h = float(kScreenHeight);
  float border = 10.0f, barTop = h * 0.875f;
  Distance outer = RoundRectShape({0, 0}, {w, h}, 0);
  Distance window = RoundRectShape({border, border}, {w - border, barTop}, 14);
  Distance frame{[=](glm::vec2 p) { return std::max(outer(p), -window(p)); }, outer.low, outer.high};
  c.FillVertical(frame, 0, h, ui::kPlateTop, ui::kPlateBottom);
  c.Fill(Outlined(window, 1.5f), ui::kEdge);
  c.Fill(LineShape({border + 20, barTop + 6}, {w - border - 20, barTop + 6}, 1.0f), WithAlpha(Colour(1.0f), 0.2f));
  // Recesses behind the labels, the clock and the digits.
  auto recess = [&](float x0, float y0, float x1, float y1) {
    glm::vec2 low(x0 * w, y0 * h), high(x1 * w, y1 * h);
    c.Fill(RoundRectShape(low, high, 8), Rgb(16, 18, 24));
    c.Fill(Outlined(RoundRectShape(low, high, 8), 1.0f), WithAlpha(ui::kEdge, 0.7f));
  };
  recess(0.062f, 0.895f, 0.307f, 0.984f);
  recess(0.335f, 0.895f, 0.52f, 0.984f);  // the countdown of a level with a time limit
  recess(0.545f, 0.893f, 0.765f, 0.98f);
  recess(0.82f, 0.885f, 0.933f, 0.99f);
  for (float x : {0.03f, 0.79f, 0.97f}) {
    glm::vec2 at(x * w, h * 0.94f);
    c.Fill(CircleShape(at, 7), Rgb(20, 24, 30));
    c.Fill(CircleShape(at - 1.5f, 4.5f), Rgb(150, 160, 176));
  }
  return c;
}

Canvas HudLabel(const std::string& text, float width, float height, Colour colour) {
  Canvas c = ScreenCanvas(width, height);
  float w = float(c.Width()), h = float(c.Height());
  DrawFittedText(c, text, {w * 0.06f, h * 0.16f}, {w * 0.94f, h * 0.84f}, colour, FontFace::Bold, true, 2.0f);
  return c;
}

Canvas LevelDigit(int d) {
  Canvas c = ScreenCanvas(0.05f, 0.09f);
  float w = float(c.Width()), h = float(c.Height());
  // Digits have no accents: they fill their box, every digit at the size of "0".
  TextStyle style;
  style.face = FontFace::MonoBold;
  style.size = FitTextSize("0", style.face, w * 0.84f - 5.0f, h * 0.8f - 5.0f);
  style.fill = ui::kAccentLight;
  style.outline = Colour(0.0f, 0.0f, 0.0f, 0.85f);
  style.outlineWidth = 2.5f;
  DrawTextOnCapLine(c, std::to_string(d), {w * 0.5f, h * 0.5f}, style);
  return c;
}

Canvas PausePanel() {
  Canvas c = ScreenCanvas(0.5f, 0.375f);
  float w = float(c.Width()), h = float(c.Height());
  DrawPanel(c, {3, 3}, {w - 3, h - 3}, 0.9f);
  DrawFittedText(c, "PAUZA", {w * 0.2f, h * 0.08f}, {w * 0.8f, h * 0.34f}, ui::kAccent, FontFace::Bold, true, 2.0f);
  const char* lines[] = {"Enter  –  graj dalej", "Spacja  –  zacznij etap od nowa", "Esc  –  wyjdź do menu"};
  for (int i = 0; i < 3; ++i)
    DrawFittedText(c, lines[i], {w * 0.1f, h * (0.44f + 0.16f * float(i))}, {w * 0.9f, h * (0.56f + 0.16f * float(i))}, ui::kText,
                   FontFace::CondensedBold);
  return c;
}

}  // namespace

// The hint's arrow, pointing right, left, up or down (quarter turns of one shape).
Canvas HintArrow(int quarterTurns) {
  Canvas c = ScreenCanvas(0.09f, 0.12f);
  float w = float(c.Width()), h = float(c.Height());
  float s = std::min(w, h);
  glm::vec2 centre(w * 0.5f, h * 0.5f);
  std::vector<glm::vec2> shape = {{-0.42f, -0.14f}, {0.05f, -0.14f}, {0.05f, -0.36f}, {0.44f, 0.0f},
                                  {0.05f, 0.36f},   {0.05f, 0.14f},  {-0.42f, 0.14f}};
  for (glm::vec2& p : shape) {
    for (int q = 0; q < quarterTurns; ++q) p = glm::vec2(-p.y, p.x);
    p = centre + p * s;
  }
  c.Fill(Outlined(PolygonShape(shape), 3.0f), Rgb(20, 24, 30));
  c.Fill(PolygonShape(shape), ui::kAccentLight);
  return c;
}

std::vector<PictureJob> HudPictureJobs() {
  std::vector<PictureJob> jobs = {
      {"data/png/loading.png", LoadingLabel},
      {"data/png/load_ramka.png", LoadingFrame},
      {"data/png/load_pasek.png", LoadingBar},
      {"data/png/ramka.png", PlayFrame},
      {"data/png/latwy.png", [] { return HudLabel("ŁATWY", 0.225f, 0.07f, Rgb(110, 235, 130)); }},
      {"data/png/sredni.png", [] { return HudLabel("ŚREDNI", 0.225f, 0.07f, Rgb(250, 210, 60)); }},
      {"data/png/trudny.png", [] { return HudLabel("TRUDNY", 0.225f, 0.07f, Rgb(250, 100, 90)); }},
      {"data/png/etap.png", [] { return HudLabel("ETAP", 0.2f, 0.07f, ui::kText); }},
      {"data/png/pauza.png", PausePanel},
      {"data/png/blank.png", [] { return Canvas(16, 16, Colour(0.0f, 0.0f, 0.0f, 1.0f)); }},
  };
  // Right, down, left, up: turned a quarter clockwise on screen each time.
  const char* arrows[] = {"data/png/hint_r.png", "data/png/hint_d.png", "data/png/hint_l.png", "data/png/hint_u.png"};
  for (int q = 0; q < 4; ++q) jobs.push_back({arrows[q], [q] { return HintArrow(q); }});
  for (int d = 0; d < 10; ++d) jobs.push_back({"data/png/g" + std::to_string(d) + ".png", [d] { return LevelDigit(d); }});
  return jobs;
}
