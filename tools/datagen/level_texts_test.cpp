// Level cards quote the level sources: the keys are found wherever they stand,
// damaged or over-long values cannot break the card, and a missing file gives
// the plain card's empty texts.
#include <gtest/gtest.h>

#include <fstream>

#include "tools/datagen/level_texts.h"

namespace {

TEST(LevelTexts, ReadsTitleAndHintAmongOtherLinesCutAndCleaned) {
  LevelText text = ParseLevelText("grid:\nafffa\ntitle:  Pierwsze kroki  \r\nlimit: 0\nhint: Dojedź do wyjścia.\r\n"
                                  "title: Drugi\n");
  EXPECT_EQ(text.title, "Pierwsze kroki");
  EXPECT_EQ(text.hint, "Dojedź do wyjścia.");
  EXPECT_EQ(ParseLevelText("subtitle: nie to\n").title, "");
  EXPECT_EQ(ParseLevelText("title: a\n").hint, "");
  // Long values are cut between characters, controls dropped.
  std::string longHint = "hint: ";
  for (int i = 0; i < 200; ++i) longHint += "ż";  // two bytes each
  text = ParseLevelText(longHint + "\ntitle: a\x01\x1b" "b\n");
  EXPECT_LE(text.hint.size(), kMaxLevelTextBytes);
  EXPECT_EQ(text.hint.size() % 2, 0u);  // no half of a letter left at the end
  EXPECT_EQ(text.title, "ab");
}

// Source paths are checked on the shipped levels (LevelWords).
TEST(LevelTexts, MissingFileGivesEmptyTexts) {
  EXPECT_TRUE(ReadLevelText("/nonexistent/level99.txt").title.empty());
  std::string path = std::string(::testing::TempDir()) + "level_text_test.txt";
  std::ofstream(path) << "title: Z pliku\n";
  EXPECT_EQ(ReadLevelText(path).title, "Z pliku");
}

}  // namespace
