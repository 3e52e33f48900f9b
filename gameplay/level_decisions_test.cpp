// The small decisions of a level: which music plays, how the countdown runs
// and beeps, and which card a level shows.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "gameplay/level_card.h"
#include "gameplay/level_music.h"
#include "gameplay/level_timer.h"

namespace {
std::string Track(int level, int& last) {
  const char* name = ChooseLevelMusic(level, last);
  return name ? name : "";
}
}  // namespace

TEST(LevelMusic, SwitchesOnlyAtSessionStartAndDifficultyBorders) {
  // Winning 15 asks for 16's music: the medium track starts during the darkening.
  int last = -1;
  std::string switches;
  for (int n = 1; n <= 45; ++n) {
    const std::string track = Track(n, last);
    if (!track.empty()) switches += std::to_string(n) + " " + track + "\n";
  }
  EXPECT_EQ(switches, "1 music/ingame1.ogg\n16 music/ingame2.ogg\n31 music/ingame3.ogg\n");
  EXPECT_EQ(Track(45, last), "") << "asking again for the same level never restarts the track";
  // A session starting midway picks that difficulty.
  for (const auto& [level, track] : {std::pair{15, "music/ingame1.ogg"}, {20, "music/ingame2.ogg"}, {40, "music/ingame3.ogg"}}) {
    last = -1;
    EXPECT_EQ(Track(level, last), track);
    EXPECT_EQ(last, level);
  }
}

TEST(LevelTimer, ThirtySecondLevelBeepsForTheLastFiveSecondsAndZeroThenRunsOut) {
  const int32_t limit = 30000;
  int32_t elapsed = 0;
  uint32_t lastSecond = 1000;
  EXPECT_EQ(RemainingSeconds(limit, elapsed), 30);
  std::string beeps;
  int lostAtSecond = -1;
  for (int second = 1; second <= 40 && lostAtSecond < 0; ++second) {
    // Several frames within each second; only the one at the full second counts.
    for (uint32_t ms = 250; ms <= 1000; ms += 250) {
      const LevelTimerTick t = AdvanceLevelTimer(limit, elapsed, lastSecond, 1000 + (second - 1) * 1000 + ms);
      if (t.beep) beeps += std::to_string(RemainingSeconds(limit, elapsed)) + " ";
      // Red exactly while the seconds beep.
      EXPECT_EQ(CountdownWarns(limit, elapsed), elapsed > limit - 6000) << elapsed;
      if (t.timedOut) {
        lostAtSecond = second;
        break;
      }
    }
  }
  EXPECT_EQ(beeps, "5 4 3 2 1 0 ");
  // The text first shows 0 at second 30; the level is lost one second later.
  EXPECT_EQ(lostAtSecond, 31);
}

TEST(LevelTimer, CountsAtMostOneSecondPerFrameAndOnlyWhileRunning) {
  int32_t elapsed = 0;
  uint32_t lastSecond = 0;
  // A ten-second stall (a pause, a card) counts as one second, not ten.
  AdvanceLevelTimer(60000, elapsed, lastSecond, 10000);
  EXPECT_EQ(elapsed, 1000);
  AdvanceLevelTimer(60000, elapsed, lastSecond, 10999);
  EXPECT_EQ(elapsed, 1000);
  // Across the wrap of the 32-bit tick count.
  lastSecond = 0xFFFFFF00u;
  AdvanceLevelTimer(60000, elapsed, lastSecond, 0x00000300u);
  EXPECT_EQ(elapsed, 2000);

  EXPECT_TRUE(LevelTimerRuns(0, 0, 0, 30000));
  EXPECT_FALSE(LevelTimerRuns(3, 0, 0, 30000));  // paused
  EXPECT_FALSE(LevelTimerRuns(0, 4, 0, 30000));  // a card is showing
  EXPECT_FALSE(LevelTimerRuns(0, 0, 2, 30000));  // looking through robot 2
  EXPECT_FALSE(LevelTimerRuns(0, 0, 0, 0));      // no limit: never times out
  EXPECT_EQ(RemainingSeconds(30000, 31000), 0);
  EXPECT_EQ(RemainingSeconds(30000, 29000), 1);
}

TEST(LevelCard, OwnPicturesWaitOthersShowGenericCardOnlyAfterALoss) {
  for (int level = 1; level <= 9; ++level) {
    EXPECT_EQ(ChooseLevelCard(level, 1), level);
    EXPECT_EQ(ChooseLevelCard(level, 0), level);
  }
  EXPECT_EQ(ChooseLevelCard(45, 1), 45);
  EXPECT_EQ(ChooseLevelCard(20, 0), kGenericCard);
  EXPECT_EQ(ChooseLevelCard(20, 1), kNoCard);
  EXPECT_EQ(ChooseLevelCard(10, 1), kNoCard);
  EXPECT_EQ(ChooseLevelCard(44, 0), kGenericCard);
}

TEST(LevelCard, OpacityIsTwiceTheDarknessAndVanishesAtFullLight) {
  EXPECT_FLOAT_EQ(CardOpacity(0.0f), 1.0f);
  EXPECT_FLOAT_EQ(CardOpacity(0.5f), 1.0f);
  EXPECT_FLOAT_EQ(CardOpacity(0.75f), 0.5f);
  EXPECT_FLOAT_EQ(CardOpacity(1.0f), 0.0f);
}
