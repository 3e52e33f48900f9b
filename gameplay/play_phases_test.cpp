// The play loop's phase machine against a fake level: cards and the confirm
// latch, winning into the next level, losing and restarting, the pause, the
// end scene, running out of time and what leaving writes back.
#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "gameplay/play_phases.h"
#include "input/typed_keys.h"

namespace {
// A level that is won or lost after a given number of simulation steps.
struct FakeLevel {
  int stepsToEnd = 1 << 30;  // tests set it to end the level
  int endStatus = 1;  // 1 won, 2 lost
  int steps = 0;
  std::vector<int> loads;
  std::set<int> unreadable;  // levels whose files cannot be read
  std::vector<std::string> events;  // reach, load and tour, in order
  std::vector<int> musicAsks;
  int tours = 0;
  int beeps = 0;
  bool confirm = false;
  std::deque<int> typed;
  int32_t timeLimit = 0, elapsed = 0, cameraMode = 0;
  uint32_t now = 1000;

  PlayActions Actions() {
    PlayActions a;
    a.loadLevel = [this](int level) {
      loads.push_back(level), steps = 0, elapsed = 0, stepsToEnd = 1 << 30;
      events.push_back("load " + std::to_string(level));
      if (unreadable.count(level) == 0) return true;
      stepsToEnd = 0;  // an empty board: nobody left on it
      return false;
    };
    a.reachLevel = [this](int level) { events.push_back("reach " + std::to_string(level)); };
    a.step = [this] { ++steps; };
    a.levelStatus = [this] { return steps >= stepsToEnd ? endStatus : 0; };
    a.pickMusic = [this](int level) { musicAsks.push_back(level); };
    a.tourNextLevel = [this] {
      ++tours, now += 3000;
      events.push_back("tour");
      return now;
    };
    a.popTypedKey = [this] {
      if (typed.empty()) return 0;
      const int k = typed.front();
      typed.pop_front();
      return k;
    };
    a.confirmHeld = [this] { return confirm; };
    a.playTimeBeep = [this] { ++beeps; };
    a.timeLimit = &timeLimit;
    a.elapsed = &elapsed;
    a.cameraMode = &cameraMode;
    return a;
  }
};

struct Session {
  FakeLevel level;
  PlayActions actions = level.Actions();
  PlayState s;

  explicit Session(int startLevel) {
    s.level = startLevel;
    level.loads.push_back(startLevel);  // PlayLevels loads before its first tour
    BeginPlaySession(s, actions, level.now);
  }
  // One frame of 20 ms, as the loop runs it.
  void Frame() {
    ApplyCardDecision(s);
    level.now += 20;
    RunPlayFrame(s, actions, level.now);
  }
  void Frames(int n) {
    for (int i = 0; i < n && s.phase != kPhaseLeaveNow; ++i) Frame();
  }
  // Holds the confirm input for a few frames and lets it go.
  void Confirm() {
    level.confirm = true;
    Frames(3);
    level.confirm = false;
    Frames(3);
  }
  // Past the first card and brightened: playing.
  void StartPlaying() {
    Confirm();
    Frames(30);
  }
  // The level ends after n more steps (20 frames hold 80).
  void EndAfter(int n) { level.stepsToEnd = level.steps + n; }
  void Type(int key) {
    level.typed.push_back(key);
    Frame();
  }
};
}  // namespace

TEST(PlayPhases, FirstCardWaitsForAFreshConfirmThenPlayStartsInFullLight) {
  Session g(1);
  // The key that ended the tour is still held: it must not also skip the card.
  g.level.confirm = true;
  g.actions = g.level.Actions();
  BeginPlaySession(g.s, g.actions, g.level.now);
  g.Frames(50);
  EXPECT_EQ(g.s.outcome, kOutcomeCard);
  EXPECT_FLOAT_EQ(g.s.fade, 0.5f);
  EXPECT_EQ(g.level.steps, 0);
  g.level.confirm = false;
  g.Frames(2);
  g.Confirm();
  g.Frames(20);  // 0.5 s of brightening
  EXPECT_EQ(g.s.phase, kPhasePlaying);
  EXPECT_EQ(g.s.outcome, kOutcomeNone);
  EXPECT_EQ(g.s.cardStage, 0);
  EXPECT_FLOAT_EQ(g.s.fade, 1.0f);
  EXPECT_EQ(g.level.loads, (std::vector<int>{1, 1}));  // reloaded fresh as play begins
  int before = g.level.steps;
  g.Frame();
  EXPECT_EQ(g.level.steps - before, 4);  // 20 ms of 5 ms steps
  // A half-second stall: every tick is caught up.
  before = g.level.steps;
  g.level.now += 500;
  g.Frame();
  EXPECT_EQ(g.level.steps - before, 104);
}

TEST(PlayPhases, WinningDarkensToBlackThenToursAndShowsTheNextCard) {
  Session g(1);
  g.Confirm();
  g.Frames(20);
  g.EndAfter(100);
  g.Frames(30);
  // The next level's music is asked for at the moment of the win.
  ASSERT_FALSE(g.level.musicAsks.empty());
  EXPECT_EQ(g.level.musicAsks.front(), 2);
  EXPECT_EQ(g.s.phase, kPhaseWinDarkening);
  EXPECT_EQ(g.s.wonLast, 1);
  g.Frames(60);  // darkening to black, then level 2's tour
  EXPECT_EQ(g.level.tours, 1);
  // The win is kept before the tour, which a closed window may end.
  EXPECT_EQ(g.level.events, (std::vector<std::string>{"load 1", "reach 2", "load 2", "tour"}));
  EXPECT_EQ(g.s.level, 2);
  EXPECT_EQ(g.level.loads.back(), 2);
  EXPECT_FLOAT_EQ(g.s.fade, 0.5f);
  // Level 2 has its own card and waits.
  g.Frames(50);
  EXPECT_EQ(g.s.outcome, kOutcomeNextReady);
  EXPECT_EQ(g.s.phase, kPhaseAfterWin);
  g.StartPlaying();
  EXPECT_EQ(g.s.phase, kPhasePlaying);
  EXPECT_EQ(g.s.cardStage, 0);
}

TEST(PlayPhases, WinningLevel19StartsLevel20WithoutWaiting) {
  Session g(19);
  g.Frames(60);  // no card of its own: it starts by itself
  ASSERT_EQ(g.s.phase, kPhasePlaying);
  g.EndAfter(40);
  while (g.level.tours == 0 && g.level.now < 100000) g.Frame();
  g.Frame();
  // The three seconds of the tour are not caught up as ticks: level 20
  // brightens in its own time instead of appearing at once.
  EXPECT_LT(g.s.fade, 0.7f);
  EXPECT_NE(g.s.phase, kPhasePlaying);
  g.Frames(200);
  EXPECT_EQ(g.s.level, 20);
  EXPECT_EQ(g.s.phase, kPhasePlaying);
  EXPECT_EQ(g.s.cardStage, 0);
}

// After a loss the generic card waits. Confirming restarts the level; U (or
// Backspace) takes back the fatal move and play goes on in full light without
// a reload, but a loss by time offers no undo.
TEST(PlayPhases, TheLossCardRestartsOrUndoesTheFatalMoveUnlessTimeRanOut) {
  Session g(20);
  int undos = 0;
  g.actions.undoLoss = [&] {
    ++undos;
    g.level.stepsToEnd = 1 << 30;  // the board before the fatal move plays on
    return true;
  };
  g.level.endStatus = 2;
  g.Frames(60);  // first of the session without a card of its own: starts at once
  ASSERT_EQ(g.s.phase, kPhasePlaying);
  g.level.timeLimit = 1000;
  int frames = 0;
  while (g.s.outcome != kOutcomeCard && frames++ < 500) g.Frame();
  ASSERT_TRUE(g.s.lostByTime);
  g.Type(8);  // Backspace
  g.Frames(30);
  EXPECT_EQ(undos, 0);
  EXPECT_EQ(g.s.outcome, kOutcomeCard);

  const size_t loads = g.level.loads.size();
  g.level.timeLimit = 0;
  g.Confirm();
  g.Frames(30);
  EXPECT_EQ(g.s.phase, kPhasePlaying);
  EXPECT_EQ(g.s.level, 20);
  EXPECT_EQ(g.level.loads.size(), loads + 1);
  EXPECT_EQ(g.level.loads.back(), 20);

  g.EndAfter(40);
  g.Frames(40);  // lost on the board, darkened to half
  EXPECT_EQ(g.s.wonLast, 0);
  ASSERT_EQ(g.s.outcome, kOutcomeCard);
  EXPECT_FLOAT_EQ(g.s.fade, 0.5f);
  g.Frames(100);
  EXPECT_EQ(g.s.outcome, kOutcomeCard);  // the generic card waits after a loss
  g.Type('u');
  g.Frames(30);
  EXPECT_EQ(undos, 1);
  EXPECT_EQ(g.s.phase, kPhasePlaying);
  EXPECT_FLOAT_EQ(g.s.fade, 1.0f);
  EXPECT_EQ(g.level.loads.size(), loads + 1);
  const int steps = g.level.steps;
  g.Frames(5);
  EXPECT_GT(g.level.steps, steps);
}

TEST(PlayPhases, PauseResumesByKeyOrPadRestartsAndLeaves) {
  Session g(5);
  g.StartPlaying();
  ASSERT_EQ(g.s.phase, kPhasePlaying);
  g.Type(27);
  g.Frames(30);
  EXPECT_EQ(g.s.phase, kPhasePaused);
  EXPECT_FLOAT_EQ(g.s.fade, 0.5f);
  const int steps = g.level.steps;
  g.Frames(10);
  EXPECT_EQ(g.level.steps, steps);  // nothing moves in the pause
  g.Type(13);
  g.Frames(30);
  EXPECT_EQ(g.s.phase, kPhasePlaying);
  // The pad's Start opens the pause and closes it again, not out of the level as Esc would.
  g.Type(kKeyPadStart);
  g.Frames(30);
  EXPECT_EQ(g.s.phase, kPhasePaused);
  g.Type(kKeyPadStart);
  g.Frames(30);
  EXPECT_EQ(g.s.phase, kPhasePlaying);

  g.level.timeLimit = 30000;
  g.Frames(150);  // three seconds counted
  EXPECT_GT(g.level.elapsed, 0);
  g.Type(27);
  g.Frames(30);
  const size_t loads = g.level.loads.size();
  g.Type(32);  // restart: reloaded and playing again, the countdown from the top
  EXPECT_EQ(g.level.loads.size(), loads + 1);
  EXPECT_EQ(g.level.elapsed, 0);
  g.Frames(30);
  EXPECT_EQ(g.s.phase, kPhasePlaying);

  g.Type(27);
  g.Frames(30);
  g.Type(27);
  g.Frames(100);
  EXPECT_EQ(g.s.phase, kPhaseLeaveNow);
  EXPECT_FLOAT_EQ(g.s.fade, 0.0f);
  EXPECT_EQ(RaisedHighestLevel(3, g.s.level), 5);
  EXPECT_EQ(RaisedHighestLevel(9, g.s.level), 9);
}

TEST(PlayPhases, ThirtySecondLimitLosesTheLevelByTime) {
  Session g(3);
  g.level.timeLimit = 30000;
  g.StartPlaying();
  ASSERT_EQ(g.s.phase, kPhasePlaying);
  int frames = 0;
  while (g.s.outcome == kOutcomeNone && frames < 5000) g.Frame(), ++frames;
  EXPECT_EQ(g.s.outcome, kOutcomeLost);
  EXPECT_EQ(g.level.beeps, 6);
  EXPECT_EQ(g.level.elapsed, 31000);
  EXPECT_NEAR(frames * 20, 31000, 1000);
}

// Space leaves the end scene, and so does Enter, though a real Enter is held
// (the confirm input) and typed at once.
TEST(PlayPhases, WinningTheLastLevelShowsTheEndSceneUntilAKeyIsTyped) {
  for (const int key : {32, 13}) {
    Session g(45);
    g.StartPlaying();
    g.EndAfter(10);
    g.Frames(200);
    EXPECT_EQ(g.s.endStage, 1);
    EXPECT_EQ(g.level.tours, 0);
    EXPECT_EQ(g.s.level, 45);
    g.Frames(100);
    EXPECT_NE(g.s.phase, kPhaseLeaveNow);  // holding nothing, typing nothing: it stays
    g.level.confirm = key == 13;
    g.Type(key);
    EXPECT_EQ(g.s.phase, kPhaseLeaveNow) << key;
  }
}

TEST(PlayPhases, ALevelThatCannotBeReadIsNeitherWonNorCredited) {
  // Reached by a win: the win is kept, the empty board is not played.
  Session g(4);
  g.level.unreadable = {5};
  g.StartPlaying();
  g.EndAfter(10);
  g.Frames(200);
  EXPECT_EQ(g.s.phase, kPhaseLeaveNow);
  EXPECT_TRUE(g.s.loadFailed);
  EXPECT_EQ(g.level.tours, 0);
  EXPECT_EQ(g.level.events, (std::vector<std::string>{"load 4", "reach 5", "load 5"}));
  EXPECT_EQ(HighestLevelOnLeaving(g.s, 5), 5);

  // Files gone between the card and play, or before a restart from the pause:
  // back out at once, nothing stepped and no win.
  Session h(12);
  h.level.unreadable = {12};
  h.Frames(60);
  EXPECT_EQ(h.s.phase, kPhaseLeaveNow);
  EXPECT_EQ(h.level.steps, 0);
  EXPECT_EQ(h.s.outcome, kOutcomeNone);
  EXPECT_EQ(HighestLevelOnLeaving(h.s, 3), 3);

  Session r(6);
  r.StartPlaying();
  r.Type(27);
  r.Frames(30);
  r.level.unreadable = {6};
  r.Type(32);
  EXPECT_EQ(r.s.phase, kPhaseLeaveNow);
  EXPECT_EQ(r.s.outcome, kOutcomeNone);
  EXPECT_EQ(HighestLevelOnLeaving(r.s, 2), 2);
}
