// The play loop's phase machine: card, brightening, play, pause, the fades
// after a win or a loss, the next level and the end scene. It knows nothing of
// drawing or devices; PlayLevels feeds it the clock and its actions.
#pragma once
#include <cstdint>
#include <functional>

enum PlayPhase : int {
  kPhasePlaying = 0,
  kPhaseLeaveNow = 1,
  kPhasePauseDarkening = 2,
  kPhasePaused = 3,
  kPhaseLeaving = 4,
  kPhaseAboutToLeave = 5,
  kPhaseResuming = 6,
  kPhaseLossDarkening = 8,
  kPhaseWaitingToStart = 9,
  kPhaseWinDarkening = 12,
  kPhaseAfterWin = 13,
};

enum PlayOutcome : uint8_t {
  kOutcomeNone = 0,
  kOutcomeWon = 1,
  kOutcomeLost = 2,
  kOutcomeStartWhenBright = 3,
  kOutcomeCard = 4,
  kOutcomeNextLevel = 6,
  kOutcomeNextReady = 7,
};

constexpr int kLastLevel = 45;
constexpr uint32_t kPlayTickMs = 5;

struct PlayState {
  int level = 1;
  int phase = kPhasePlaying;
  uint8_t outcome = kOutcomeNone;
  float fade = 0.0f;
  uint8_t brightening = 0;
  uint8_t cardStage = 1;
  int confirmLatch = 0;
  int wonLast = 1;
  int endStage = 0;
  uint32_t nextTick = 0;
  uint32_t lastSecond = 0;
  // A level whose files could not be read ends the session: it is neither
  // played nor won, and leaving credits nothing for it.
  bool loadFailed = false;
  // The last loss was by time: its card offers no undo.
  bool lostByTime = false;
};

// What the phase machine asks of the board and the devices. The real loop
// binds these to the board, the sound and the tour; tests bind fakes.
struct PlayActions {
  // LoadLevel, elapsed back to 0; false when the level's files could not be read.
  std::function<bool(int level)> loadLevel;
  std::function<void()> step;                    // one 5 ms simulation step
  std::function<int()> levelStatus;              // 0 playing, 1 won, 2 lost
  std::function<void(int level)> pickMusic;
  // A win has brought play to this level: kept before its tour starts, so a
  // window closed during the tour does not lose the win.
  std::function<void(int level)> reachLevel;
  // IntroTour ending on half light; gives the tick count when it ended.
  std::function<uint32_t()> tourNextLevel;
  std::function<int()> popTypedKey;
  std::function<bool()> confirmHeld;             // Enter, controller button or mouse
  std::function<void()> playTimeBeep;
  // A typed key during play that the phases do not use (undo, redo, hint).
  std::function<void(int key)> playKey;
  // Undo of the fatal move from the loss card; false when there is none.
  std::function<bool()> undoLoss;
  // The board's clock fields, read and written by the level timer.
  int32_t* timeLimit = nullptr;
  int32_t* elapsed = nullptr;
  int32_t* cameraMode = nullptr;
};

// Start of a session after the first tour: the card over half light.
void BeginPlaySession(PlayState& s, const PlayActions& a, uint32_t now);
// The card part of the frame composition: a level without a card of its own
// starts at once. Call once per frame before the ticks.
void ApplyCardDecision(PlayState& s);
// Runs every due 5 ms tick (full catch-up), then the level timer, the
// outcome and the confirm latch: steps b to e of one frame.
void RunPlayFrame(PlayState& s, const PlayActions& a, uint32_t now);
// Backspace or U: undo (during play, and on the card after a loss that was
// not by time).
bool IsUndoKey(int key);
// One tick with the typed key it took; exposed for tests.
// Returns false when the tick loop must stop (a level just ended).
bool RunPlayTick(PlayState& s, const PlayActions& a, int key, uint32_t now);
// What leaving writes back: the highest level reached.
int32_t RaisedHighestLevel(int32_t highestLevel, int level);
// The same for a whole session: a level that failed to load is not credited
// (the win that led to it was kept by reachLevel already).
int32_t HighestLevelOnLeaving(const PlayState& s, int32_t highestLevel);
