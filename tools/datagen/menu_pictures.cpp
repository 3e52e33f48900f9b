// Pictures of the menus: main-menu buttons, the play screen's difficulty
// buttons and level strip, the options and profile screens, the cursors.
#include <cmath>

#include "tools/datagen/picture_jobs.h"
#include "tools/datagen/ui_kit.h"

namespace {

// Main menu buttons are 0.3675 x 0.0915 of the screen; back buttons 0.21 x 0.065325;
// profile buttons 0.17745 x 0.061425.
void AddButtonPair(std::vector<PictureJob>& jobs, const std::string& normal, const std::string& highlighted,
                   const std::string& text, float width, float height) {
  jobs.push_back({normal, [=] { return ButtonPicture(width, height, text, false); }});
  jobs.push_back({highlighted, [=] { return ButtonPicture(width, height, text, true); }});
}

// A label on a dark translucent plate, text on the left (options rows).
Canvas LabelPicture(float width, float height, const std::string& text, Colour colour, bool centred) {
  Canvas c = ScreenCanvas(width, height);
  float w = float(c.Width()), h = float(c.Height());
  DrawPanel(c, {2, 2}, {w - 2, h - 2}, 0.75f);
  DrawFittedText(c, text, {centred ? w * 0.1f : h * 0.35f, h * 0.24f}, {w - h * 0.35f, h * 0.76f}, colour, FontFace::Bold, centred);
  return c;
}

Canvas DifficultyButton(const std::string& text, Colour stripe) {
  Canvas c = ScreenCanvas(0.2475f, 0.061f);
  DrawPlate(c, false, 2.0f);
  float w = float(c.Width()), h = float(c.Height());
  c.Fill(RoundRectShape({w * 0.05f, h * 0.2f}, {w * 0.09f, h * 0.8f}, 3.0f), stripe);
  c.Fill(RoundRectShape({w * 0.91f, h * 0.2f}, {w * 0.95f, h * 0.8f}, 3.0f), stripe);
  DrawFittedText(c, text, {w * 0.14f, h * 0.24f}, {w * 0.86f, h * 0.76f}, ui::kText);
  return c;
}

Canvas CompletedStamp() {
  Canvas c = ScreenCanvas(0.12375f, 0.0915f);
  float w = float(c.Width()), h = float(c.Height());
  Canvas stamp(c.Width(), c.Height());
  Colour green = Rgb(90, 230, 120);
  stamp.Fill(Outlined(RoundRectShape({6, h * 0.22f}, {w - 6, h * 0.78f}, 6), 2.0f), green);
  DrawFittedText(stamp, "UKOŃCZONE", {14, h * 0.3f}, {w - 14, h * 0.7f}, green);
  // Tilt the stamp a little, as if pressed by hand.
  float a = -0.12f, cs = std::cos(a), sn = std::sin(a);
  c.Shade([&](glm::vec2 p, Colour) {
    glm::vec2 d = p - glm::vec2(w, h) * 0.5f;
    glm::vec2 s = glm::vec2(cs * d.x + sn * d.y, -sn * d.x + cs * d.y) + glm::vec2(w, h) * 0.5f;
    int x = int(s.x), y = int(s.y);
    if (x < 0 || y < 0 || x >= stamp.Width() || y >= stamp.Height()) return Colour(0.0f);
    Colour k = stamp.At(x, y);
    return WithAlpha(k, k.a * 0.92f);
  });
  return c;
}

Canvas LevelStrip() {
  Canvas c = ScreenCanvas(0.7f, 0.061f);
  float w = float(c.Width()), h = float(c.Height());
  DrawPanel(c, {1, 1}, {w - 1, h - 1}, 0.8f);
  return c;
}

// The frame around one level number: steel outline, or lit orange when selected.
Canvas LevelFrame(bool selected) {
  Canvas c = ScreenCanvas(0.0435f, 0.032f);
  float w = float(c.Width()), h = float(c.Height());
  if (selected) {
    c.Fill(RoundRectShape({1, 1}, {w - 1, h - 1}, 5), WithAlpha(ui::kAccent, 0.45f));
    c.Fill(Outlined(RoundRectShape({2, 2}, {w - 2, h - 2}, 5), 1.6f), ui::kAccentLight);
  } else {
    c.Fill(RoundRectShape({2, 2}, {w - 2, h - 2}, 5), WithAlpha(Rgb(20, 24, 30), 0.6f));
    c.Fill(Outlined(RoundRectShape({2, 2}, {w - 2, h - 2}, 5), 1.0f), ui::kEdge);
  }
  return c;
}

// The mark of a level won at par, just above its number: a five-pointed star, light inside a dark outline, so that it reads by its
// shape and its brightness, not by its gold alone.
Canvas ParStar() {
  Canvas c = ScreenCanvas(0.018f, 0.024f);
  float w = float(c.Width()), h = float(c.Height());
  float outer = std::min(w, h) * 0.5f - 1.5f, inner = outer * 0.45f;
  glm::vec2 centre(w * 0.5f, h * 0.5f + outer * 0.08f);
  std::vector<glm::vec2> star;
  for (int k = 0; k < 10; ++k) {
    float angle = 3.14159265f * (-0.5f + 0.2f * float(k));
    star.push_back(centre + (k % 2 == 0 ? outer : inner) * glm::vec2(std::cos(angle), std::sin(angle)));
  }
  c.Fill(Outlined(PolygonShape(star), 1.4f), Rgb(20, 24, 30));
  c.Fill(PolygonShape(star), Rgb(255, 214, 70));
  return c;
}

Canvas Cursor() {
  Canvas c = ScreenCanvas(0.0375f, 0.0375f);
  float s = float(c.Width());
  std::vector<glm::vec2> arrow = {{1.5f, 1.5f}, {s * 0.9f, s * 0.55f}, {s * 0.52f, s * 0.6f}, {s * 0.3f, s * 0.95f}};
  c.Fill(PolygonShape(arrow), Rgb(20, 20, 24));
  std::vector<glm::vec2> inner = {{4.5f, 5.0f}, {s * 0.78f, s * 0.54f}, {s * 0.48f, s * 0.56f}, {s * 0.31f, s * 0.82f}};
  c.FillVertical(PolygonShape(inner), 4.0f, s * 0.8f, ui::kAccentLight, ui::kAccent);
  return c;
}

Canvas Crosshair() {
  Canvas c = ScreenCanvas(0.05f, 0.05f);
  float s = float(c.Width());
  glm::vec2 m(s * 0.5f);
  for (float width : {3.5f, 1.6f}) {
    Colour k = width > 2.0f ? Rgb(20, 20, 24) : ui::kAccentLight;
    c.Fill(RingShape(m, s * 0.3f, width), k);
    c.Fill(LineShape({m.x, 2}, {m.x, s * 0.36f}, width * 0.6f), k);
    c.Fill(LineShape({m.x, s * 0.64f}, {m.x, s - 2}, width * 0.6f), k);
    c.Fill(LineShape({2, m.y}, {s * 0.36f, m.y}, width * 0.6f), k);
    c.Fill(LineShape({s * 0.64f, m.y}, {s - 2, m.y}, width * 0.6f), k);
  }
  return c;
}

Canvas InfoPanel() {
  Canvas c = ScreenCanvas(0.7f, 0.1f);
  float w = float(c.Width()), h = float(c.Height());
  DrawPanel(c, {2, 2}, {w - 2, h - 2}, 0.8f);
  DrawFittedText(c, "WYBIERZ POZIOM TRUDNOŚCI", {w * 0.1f, h * 0.14f}, {w * 0.9f, h * 0.52f}, ui::kAccent);
  DrawFittedText(c, "kliknij etap, a potem kliknij go jeszcze raz, aby zagrać", {w * 0.08f, h * 0.58f}, {w * 0.92f, h * 0.84f},
                 ui::kText, FontFace::CondensedBold);
  return c;
}

Canvas RestartNotice() {
  Canvas c = ScreenCanvas(0.308f, 0.2268f);
  float w = float(c.Width()), h = float(c.Height());
  DrawPanel(c, {2, 2}, {w - 2, h - 2}, 0.85f);
  DrawFittedText(c, "UWAGA", {w * 0.1f, h * 0.1f}, {w * 0.9f, h * 0.3f}, ui::kAccent);
  const char* lines[] = {"nowa rozdzielczość", "zadziała po ponownym", "uruchomieniu gry"};
  for (int i = 0; i < 3; ++i)
    DrawFittedText(c, lines[i], {w * 0.08f, h * (0.38f + 0.18f * float(i))}, {w * 0.92f, h * (0.52f + 0.18f * float(i))},
                   ui::kText, FontFace::CondensedBold);
  return c;
}

Canvas ProfilePanel() {
  Canvas c = ScreenCanvas(0.6f, 0.545f);
  float w = float(c.Width()), h = float(c.Height());
  DrawPanel(c, {2, 2}, {w - 2, h - 2}, 0.82f);
  // Header band for "GRACZ  LATWE SREDNIE TRUDNE" (drawn by the game) and a
  // line between the names and the progress columns.
  float header = h * (0.445f - 0.37f) / 0.545f;
  c.Fill(LineShape({12, header}, {w - 12, header}, 1.2f), WithAlpha(ui::kAccent, 0.8f));
  float column = w * (0.485f - 0.2f) / 0.6f;
  c.Fill(LineShape({column, header + 6}, {column, h - 12}, 0.8f), WithAlpha(ui::kEdge, 0.5f));
  return c;
}

Canvas ProfileBar(bool selected) {
  Canvas c = ScreenCanvas(0.569f, 0.046f);
  float w = float(c.Width()), h = float(c.Height());
  if (selected) {
    c.FillVertical(RoundRectShape({1, 1}, {w - 1, h - 1}, 6), 1, h - 1, WithAlpha(ui::kAccent, 0.55f), WithAlpha(Rgb(200, 100, 10), 0.55f));
    c.Fill(Outlined(RoundRectShape({1, 1}, {w - 1, h - 1}, 6), 1.0f), ui::kAccentLight);
  } else {
    c.Fill(RoundRectShape({1, 1}, {w - 1, h - 1}, 6), WithAlpha(Rgb(180, 200, 230), 0.22f));
    c.Fill(Outlined(RoundRectShape({1, 1}, {w - 1, h - 1}, 6), 0.8f), WithAlpha(Rgb(200, 215, 235), 0.6f));
  }
  return c;
}

Canvas DemoLabel() {
  Canvas c = ScreenCanvas(0.2f, 0.06f);
  DrawPlate(c, false);
  DrawFittedText(c, "DEMO", {20, 12}, {float(c.Width()) - 20, float(c.Height()) - 12}, ui::kText);
  return c;
}

}  // namespace

std::vector<PictureJob> MenuPictureJobs() {
  std::vector<PictureJob> jobs;
  const float mw = 0.3675f, mh = 0.0915f;
  AddButtonPair(jobs, "data/png/graj1a.png", "data/png/graj1b.png", "GRAJ", mw, mh);
  AddButtonPair(jobs, "data/png/gracze1a.png", "data/png/gracze1b.png", "GRACZE", mw, mh);
  AddButtonPair(jobs, "data/png/opcje1a.png", "data/png/opcje1b.png", "OPCJE", mw, mh);
  AddButtonPair(jobs, "data/png/autorzy1a.png", "data/png/autorzy1b.png", "AUTORZY", mw, mh);
  AddButtonPair(jobs, "data/png/wyjscie1a.png", "data/png/wyjscie1b.png", "WYJŚCIE", mw, mh);
  AddButtonPair(jobs, "data/png/powrot1a.png", "data/png/powrot1b.png", "POWRÓT", 0.21f, 0.065325f);
  AddButtonPair(jobs, "data/png/profile_skasuj1a.png", "data/png/profile_skasuj1b.png", "SKASUJ", 0.17745f, 0.061425f);
  AddButtonPair(jobs, "data/png/profile_wybierz1a.png", "data/png/profile_wybierz1b.png", "WYBIERZ", 0.17745f, 0.061425f);
  AddButtonPair(jobs, "data/png/profile_zmien1.png", "data/png/profile_zmien2.png", "ZMIEŃ", 0.17745f, 0.061425f);
  jobs.push_back({"data/png/kursor.png", Cursor});
  jobs.push_back({"data/png/celownik.png", Crosshair});
  jobs.push_back({"data/png/latwe.png", [] { return DifficultyButton("ŁATWE", Rgb(90, 220, 120)); }});
  jobs.push_back({"data/png/srednie.png", [] { return DifficultyButton("ŚREDNIE", Rgb(250, 200, 40)); }});
  jobs.push_back({"data/png/trudne.png", [] { return DifficultyButton("TRUDNE", Rgb(240, 70, 60)); }});
  jobs.push_back({"data/png/pasek.png", LevelStrip});
  jobs.push_back({"data/png/st_ramka1.png", [] { return LevelFrame(false); }});
  jobs.push_back({"data/png/st_ramka2.png", [] { return LevelFrame(true); }});
  jobs.push_back({"data/png/st_ukonczone.png", CompletedStamp});
  jobs.push_back({"data/png/par_gwiazdka.png", ParStar});
  jobs.push_back({"data/png/info_0.png", InfoPanel});
  jobs.push_back({"data/png/OP_OPCJE.png", [] { return LabelPicture(0.245f, 0.09f, "OPCJE", ui::kAccent, true); }});
  jobs.push_back({"data/png/OP_EFEKTY.png", [] { return LabelPicture(0.245f, 0.09f, "EFEKTY", ui::kText, false); }});
  jobs.push_back({"data/png/OP_MUZYKA.png", [] { return LabelPicture(0.245f, 0.09f, "MUZYKA", ui::kText, false); }});
  jobs.push_back({"data/png/OP_ROZDZIEL.png", [] { return LabelPicture(0.405f, 0.09f, "ROZDZIELCZOŚĆ", ui::kText, false); }});
  jobs.push_back({"data/png/TAK.png", [] { return LabelPicture(0.245f, 0.09f, "TAK", Rgb(110, 235, 130), true); }});
  jobs.push_back({"data/png/NIE.png", [] { return LabelPicture(0.245f, 0.09f, "NIE", Rgb(250, 100, 90), true); }});
  const char* sizes[7] = {"320 × 240", "640 × 480", "800 × 600", "1024 × 768", "1280 × 1024", "1600 × 1200", "2048 × 1536"};
  for (int i = 0; i < 7; ++i) {
    std::string text = sizes[i];
    jobs.push_back({"data/png/roz" + std::to_string(i + 1) + ".png", [text] { return LabelPicture(0.405f, 0.09f, text, ui::kAccentLight, true); }});
  }
  jobs.push_back({"data/png/uruchom.png", RestartNotice});
  jobs.push_back({"data/png/profile_tlo.png", ProfilePanel});
  jobs.push_back({"data/png/profile_pasek.png", [] { return ProfileBar(false); }});
  jobs.push_back({"data/png/profile_pasek_2.png", [] { return ProfileBar(true); }});
  jobs.push_back({"data/png/demo.png", DemoLabel});
  return jobs;
}
