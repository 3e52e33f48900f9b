// Level cards quote the level sources: the keys are found wherever they stand,
// damaged or over-long values cannot break the card, and a missing file gives
// the plain card's empty texts.
#include <gtest/gtest.h>

#include <fstream>

#include "tools/datagen/level_texts.h"

namespace {

TEST(LevelTexts, ReadsTitleAndHintAmongOtherLinesAndTheFirstValueWins) {
  LevelText text = ParseLevelText("grid:\nafffa\ntitle:  Pierwsze kroki  \r\nlimit: 0\nhint: Dojedź do wyjścia.\r\n"
                                  "title: Drugi\n");
  EXPECT_EQ(text.title, "Pierwsze kroki");
  EXPECT_EQ(text.hint, "Dojedź do wyjścia.");
  EXPECT_EQ(ParseLevelText("subtitle: nie to\n").title, "");
  EXPECT_EQ(ParseLevelText("title: a\n").hint, "");
}

TEST(LevelTexts, LongValuesAreCutBetweenCharactersAndControlsDropped) {
  std::string longHint = "hint: ";
  for (int i = 0; i < 200; ++i) longHint += "ż";  // two bytes each
  LevelText text = ParseLevelText(longHint + "\ntitle: a\x01\x1b" "b\n");
  EXPECT_LE(text.hint.size(), kMaxLevelTextBytes);
  EXPECT_EQ(text.hint.size() % 2, 0u);  // no half of a letter left at the end
  EXPECT_EQ(text.title, "ab");
}

TEST(LevelTexts, MissingFileGivesEmptyTextsAndPathsAreNumbered) {
  LevelText text = ReadLevelText("/nonexistent/level99.txt");
  EXPECT_TRUE(text.title.empty());
  EXPECT_EQ(LevelSourcePath("content/levels", 7), "content/levels/level07.txt");
  EXPECT_EQ(LevelSourcePath("x", 45), "x/level45.txt");
  std::string path = std::string(::testing::TempDir()) + "level_text_test.txt";
  std::ofstream(path) << "title: Z pliku\n";
  EXPECT_EQ(ReadLevelText(path).title, "Z pliku");
}

}  // namespace
