// Screen pictures: menu pictures are drawn at the size of their place on a
// 1280 x 960 screen, button pairs match, the font's glyphs share a baseline,
// and the level cards quote the level sources while keeping every word on
// their panel.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

#include "tools/datagen/level_texts.h"
#include "frontend/main_menu_logic.h"
#include "frontend/options_logic.h"
#include "frontend/profiles_logic.h"
#include "tools/datagen/picture_jobs.h"
#include "tools/datagen/text.h"

namespace fs = std::filesystem;

namespace {

class Pictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(OpenFonts("/usr/share/fonts/truetype/dejavu")); }
  static void TearDownTestSuite() { CloseFonts(); }

  static Canvas Draw(const std::string& file) {
    for (auto* list : {MenuPictureJobs, HudPictureJobs, IconPictureJobs, FontPictureJobs})
      for (const PictureJob& job : list())
        if (job.file == file) return job.draw();
    ADD_FAILURE() << "no job draws " << file;
    return Canvas();
  }
};

// Each menu picture is drawn at the size of its place as the screens' own
// code gives it (frontend/*_logic.h), so it is crisp there and keeps its shape.
TEST_F(Pictures, EachIsDrawnAtTheSizeOfItsPlaceOnTheScreen) {
  const struct {
    const char* file;
    float width, height;
  } slots[] = {
      {"data/png/graj1a.png", kMainButtonWidth, kMainButtonHeight},
      {"data/png/wyjscie1b.png", kMainButtonWidth, kMainButtonHeight},
      {"data/png/powrot1a.png", kOptionsBack.width, kOptionsBack.height},
      {"data/png/profile_zmien2.png", kProfileButtonWidth, kProfileButtonHeight},
      {"data/png/OP_ROZDZIEL.png", kOptionsLabel[2].width, kOptionsLabel[2].height},
      {"data/png/TAK.png", kOptionsValue[0].width, kOptionsValue[0].height},
      {"data/png/roz7.png", kOptionsValue[2].width, kOptionsValue[2].height},
  };
  for (const auto& slot : slots) {
    Canvas c = Draw(slot.file);
    EXPECT_NEAR(c.Width(), slot.width * 1280.0f, 1.0f) << slot.file;
    EXPECT_NEAR(c.Height(), slot.height * 960.0f, 1.0f) << slot.file;
  }
}

// Rows and columns of a picture that hold any ink.
struct InkBox {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

InkBox InkOf(const Canvas& c, float threshold = 0.5f) {
  InkBox box;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (c.At(x, y).a > threshold && c.At(x, y).r > 0.5f) {
        box.left = std::min(box.left, x), box.right = std::max(box.right, x);
        box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
      }
  return box;
}

TEST_F(Pictures, GlyphsShareOneBaselineAndStayInsideTheirCell) {
  int baseline = InkOf(Draw("data/font1/H0.png")).bottom;
  ASSERT_GT(baseline, 32);
  for (const char* flat : {"data/font1/A0.png", "data/font1/M0.png", "data/font1/W0.png", "data/font1/Z0.png", "data/font1/70.png"})
    EXPECT_NEAR(InkOf(Draw(flat)).bottom, baseline, 1) << flat;
  for (const char* tall : {"data/font1/J0.png", "data/font1/Q0.png"}) {
    InkBox ink = InkOf(Draw(tall));
    EXPECT_GE(ink.bottom, baseline) << tall;
    EXPECT_LT(ink.bottom, 63) << tall << " descender cut off";
  }
  InkBox wide = InkOf(Draw("data/font1/W0.png"));
  EXPECT_GT(wide.left, 0);
  EXPECT_LT(wide.right, 63);
}

// The par marker must not lean on its gold: seen as grey levels, its light
// fill, walked round on a circle about its middle, shows five points, and its
// outline is much darker than the fill.
TEST_F(Pictures, TheParStarReadsByItsShapeAndBrightnessAlone) {
  Canvas c = Draw("data/png/par_gwiazdka.png");
  auto grey = [&c](int x, int y) {
    Colour p = c.At(x, y);
    return p.a * (0.3f * p.r + 0.59f * p.g + 0.11f * p.b);
  };
  glm::vec2 centre(0.0f);
  float lightest = 0.0f, darkestInk = 1.0f, radius = 0.0f;
  int light = 0;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      if (grey(x, y) > 0.6f) centre += glm::vec2(float(x), float(y)), ++light;
      lightest = std::max(lightest, grey(x, y));
      if (c.At(x, y).a > 0.9f) darkestInk = std::min(darkestInk, grey(x, y));
    }
  ASSERT_GT(light, 10);
  centre /= float(light);
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (grey(x, y) > 0.6f) radius = std::max(radius, glm::length(glm::vec2(float(x), float(y)) - centre));
  int points = 0;
  bool wasLight = false;
  for (int step = 0; step <= 360; ++step) {
    float angle = float(step) * 3.14159265f / 180.0f;
    glm::vec2 p = centre + 0.7f * radius * glm::vec2(std::sin(angle), -std::cos(angle)) + 0.5f;
    bool isLight = grey(int(p.x), int(p.y)) > 0.6f;
    if (isLight && !wasLight && step > 0) ++points;
    wasLight = isLight;
  }
  EXPECT_EQ(points, 5);
  EXPECT_GT(lightest - darkestInk, 0.5f);
}

TEST_F(Pictures, NormalAndHighlightedButtonsDifferButMatchInSize) {
  const std::pair<const char*, const char*> pairs[] = {{"data/png/graj1a.png", "data/png/graj1b.png"},
                                                       {"data/png/powrot1a.png", "data/png/powrot1b.png"},
                                                       {"data/png/profile_zmien1.png", "data/png/profile_zmien2.png"}};
  for (const auto& [normal, lit] : pairs) {
    Canvas a = Draw(normal), b = Draw(lit);
    ASSERT_EQ(a.Width(), b.Width()) << normal;
    ASSERT_EQ(a.Height(), b.Height()) << normal;
    Colour ca = a.At(a.Width() / 4, a.Height() / 2), cb = b.At(b.Width() / 4, b.Height() / 2);
    EXPECT_GT(glm::length(glm::vec3(ca) - glm::vec3(cb)), 0.3f) << normal;
  }
}

TEST_F(Pictures, LevelCardsQuoteTheirSourceAndKeepTheWordsOnThePanel) {
  fs::path dir = fs::path(::testing::TempDir()) / "card_levels";
  fs::create_directories(dir);
  std::string hint = "hint:";
  for (int i = 0; i < 30; ++i) hint += " Bardzo długa podpowiedź";
  std::ofstream(dir / "level01.txt") << "title: Próba\n" << hint << "\n";
  auto card = [&](const std::string& directory, const std::string& file) {
    for (const PictureJob& job : LevelCardJobs(directory))
      if (job.file == file) return job.draw();
    return Canvas();
  };
  Canvas quoted = card(dir.string(), "data/png/poz1.png"), plain = card("", "data/png/poz1.png");
  ASSERT_EQ(quoted.Width(), 1280);
  ASSERT_EQ(quoted.Height(), 960);
  EXPECT_NE(quoted.Rgba(), plain.Rgba());
  // Around the panel the card is clear, so the dimmed board shows.
  for (int y : {10, 200, 760, 950})
    for (int x : {10, 640, 1270}) EXPECT_EQ(quoted.At(x, y).a, 0.0f) << x << "," << y;
  EXPECT_EQ(card(dir.string(), "data/png/poz2.png").Rgba(), card("", "data/png/poz2.png").Rgba());
  // Levels without a card carry their words on the tour's banner, a strip
  // that leaves the tour below it in view.
  std::ofstream(dir / "level12.txt") << "title: Próba\nhint: Krótko.\n";
  Canvas banner = card(dir.string(), "data/png/baner12.png");
  ASSERT_EQ(banner.Width(), 1024);
  ASSERT_EQ(banner.Height(), 160);
  EXPECT_NE(banner.Rgba(), card("", "data/png/baner12.png").Rgba());
  Canvas general = card("", "data/png/poz.png");
  EXPECT_EQ(general.At(640, 300).a, 0.0f);  // the banner leaves the tour visible
  EXPECT_GT(general.At(640, 775).a, 0.5f);
}

// Every shipped level has words to show, and exactly one picture shows them:
// its card (1-9, 45) or its tour banner (10-44).
TEST(LevelWords, EveryLevelsTitleAndHintHaveAPictureToReachThePlayer) {
  const std::string levels = std::string(RR_TEST_SOURCE_DIR) + "/content/levels";
  std::map<std::string, int> files;
  for (const PictureJob& job : LevelCardJobs(levels)) ++files[job.file];
  for (int level = 1; level <= 45; ++level) {
    LevelText text = ReadLevelText(LevelSourcePath(levels, level));
    EXPECT_FALSE(text.title.empty()) << level;
    EXPECT_FALSE(text.hint.empty()) << level;
    const bool card = level <= 9 || level == 45;
    const std::string n = std::to_string(level);
    EXPECT_EQ(files["data/png/poz" + n + ".png"], card ? 1 : 0) << level;
    EXPECT_EQ(files["data/png/baner" + n + ".png"], card ? 0 : 1) << level;
  }
}

}  // namespace
