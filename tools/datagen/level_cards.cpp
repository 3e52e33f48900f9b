// The level cards: "data/png/poz1.png" ... "poz9.png" and "poz45.png" show a
// level's number, its title and a hint of what it introduces (quoted from the
// level sources when they exist), centred on a panel over the dimmed board.
// "data/png/poz.png" is the general card: a banner asking to start, shown
// over the camera tour and after a lost level. The levels without a card of
// their own (10-44) start at once after their tour, so their title and hint
// ride on a strip along the top of the tour, "data/png/banerNN.png", which
// leaves the robots below it in view.
#include "tools/datagen/level_texts.h"
#include "tools/datagen/picture_jobs.h"
#include "tools/datagen/ui_kit.h"

namespace {

const char* DifficultyName(int level) {
  return level <= 15 ? "ŁATWY" : level <= 30 ? "ŚREDNI" : "TRUDNY";
}

Canvas LevelCard(int level, const LevelText& text) {
  Canvas c(kScreenWidth, kScreenHeight);
  float w = float(kScreenWidth);
  glm::vec2 low(w * 0.17f, 250.0f), high(w * 0.83f, 700.0f);
  DrawPanel(c, low, high, 0.9f);
  float left = low.x + 40.0f, right = high.x - 40.0f;
  int within = (level - 1) % 15 + 1;
  std::string heading = std::string(DifficultyName(level)) + "  ·  ETAP " + std::to_string(within);
  DrawFittedText(c, heading, {left + 90.0f, 282.0f}, {right - 90.0f, 336.0f}, ui::kAccent, FontFace::Bold, true, 2.0f);
  c.Fill(LineShape({left, 362.0f}, {right, 362.0f}, 1.2f), WithAlpha(ui::kEdge, 0.8f));
  std::string title = text.title.empty() ? (level == 45 ? "Ostatni etap" : "Etap " + std::to_string(level)) : text.title;
  DrawFittedText(c, title, {left, 380.0f}, {right, 450.0f}, ui::kText, FontFace::Bold);
  std::string hint = text.hint.empty() ? "Wyprowadź wszystkie roboty przez wyjścia." : text.hint;
  TextStyle style;
  style.face = FontFace::CondensedBold;
  style.size = 34;
  style.fill = Rgb(200, 212, 228);
  std::vector<std::string> lines = WrapText(hint, style.face, style.size, right - left);
  while (lines.size() > 4 && style.size > 18) lines = WrapText(hint, style.face, style.size -= 2, right - left);
  float y = 500.0f;
  for (size_t i = 0; i < lines.size() && i < 4; ++i, y += float(style.size) * 1.25f) DrawTextCentred(c, lines[i], {w * 0.5f, y}, style);
  DrawFittedText(c, "Enter lub kliknięcie  –  start", {left, 645.0f}, {right, 680.0f}, ui::kAccentLight, FontFace::CondensedBold);
  return c;
}

Canvas GeneralCard() {
  Canvas c(kScreenWidth, kScreenHeight);
  float w = float(kScreenWidth);
  glm::vec2 low(w * 0.22f, 735.0f), high(w * 0.78f, 815.0f);
  DrawPanel(c, low, high, 0.85f);
  DrawFittedText(c, "Enter lub kliknięcie  –  start", low + glm::vec2(30.0f, 18.0f), high - glm::vec2(30.0f, 18.0f), ui::kAccentLight);
  return c;
}

// 1024 x 160: 0.8 x 1/6 of the screen, drawn pixel for pixel at 1280 x 960.
Canvas TourBanner(int level, const LevelText& text) {
  Canvas c(1024, 160);
  const float w = float(c.Width());
  DrawPanel(c, {4.0f, 4.0f}, {w - 4.0f, 156.0f}, 0.85f);
  int within = (level - 1) % 15 + 1;
  std::string heading = std::string(DifficultyName(level)) + " " + std::to_string(within);
  DrawFittedText(c, heading, {28.0f, 22.0f}, {220.0f, 58.0f}, ui::kAccent, FontFace::Bold, false);
  std::string title = text.title.empty() ? "Etap " + std::to_string(level) : text.title;
  DrawFittedText(c, title, {236.0f, 16.0f}, {w - 28.0f, 66.0f}, ui::kText, FontFace::Bold, false);
  std::string hint = text.hint.empty() ? "Wyprowadź wszystkie roboty przez wyjścia." : text.hint;
  TextStyle style;
  style.face = FontFace::CondensedBold;
  style.size = 32;
  style.fill = Rgb(200, 212, 228);
  std::vector<std::string> lines = WrapText(hint, style.face, style.size, w - 56.0f);
  while (lines.size() > 2 && style.size > 18) lines = WrapText(hint, style.face, style.size -= 2, w - 56.0f);
  float y = lines.size() > 1 ? 96.0f : 112.0f;
  for (size_t i = 0; i < lines.size() && i < 2; ++i, y += float(style.size) * 1.2f) DrawTextCentred(c, lines[i], {w * 0.5f, y}, style);
  return c;
}

}  // namespace

std::vector<PictureJob> LevelCardJobs(const std::string& levelDirectory) {
  std::vector<PictureJob> jobs;
  for (int level : {1, 2, 3, 4, 5, 6, 7, 8, 9, 45}) {
    std::string path = levelDirectory.empty() ? "" : LevelSourcePath(levelDirectory, level);
    jobs.push_back({"data/png/poz" + std::to_string(level) + ".png", [level, path] {
                      return LevelCard(level, path.empty() ? LevelText{} : ReadLevelText(path));
                    }});
  }
  for (int level = 10; level <= 44; ++level) {
    std::string path = levelDirectory.empty() ? "" : LevelSourcePath(levelDirectory, level);
    jobs.push_back({"data/png/baner" + std::to_string(level) + ".png", [level, path] {
                      return TourBanner(level, path.empty() ? LevelText{} : ReadLevelText(path));
                    }});
  }
  jobs.push_back({"data/png/poz.png", GeneralCard});
  return jobs;
}
