// The play loop's phases and outcomes, tick by tick and frame by frame.
#include "gameplay/play_phases.h"

#include "gameplay/level_card.h"
#include "gameplay/level_timer.h"
#include "input/typed_keys.h"

namespace {
constexpr int kKeyEnter = 13, kKeySpace = 32, kKeyEsc = 27;
constexpr float kFadeStep = 0.02f;

// Back to the level choice at once: nothing is drawn, stepped or won on a
// board that is not there.
void FailLoad(PlayState& s) {
  s.loadFailed = true;
  s.phase = kPhaseLeaveNow;
  s.outcome = kOutcomeNone;
  s.brightening = 0;
}

void StartLevelWhenConfirmed(PlayState& s, const PlayActions& a) {
  if (a.confirmHeld() && s.confirmLatch == 0) {
    s.outcome = kOutcomeStartWhenBright;
    s.brightening = 1;
    s.phase = kPhaseWaitingToStart;
    s.confirmLatch = 1;
  }
}

void Brighten(PlayState& s, const PlayActions& a, uint32_t now) {
  s.fade += kFadeStep;
  // The first card of a session stops at half light.
  if (s.cardStage == 1 && s.fade >= 0.5f) {
    s.fade = 0.5f;
    s.brightening = 0;
    s.cardStage = 2;
    s.outcome = kOutcomeCard;
    return;
  }
  if (s.fade < 1.0f) return;
  s.fade = 1.0f;
  s.brightening = 0;
  if (s.phase == kPhaseResuming) s.phase = kPhasePlaying;
  if (s.phase == kPhaseWaitingToStart || s.phase == kPhaseAfterWin) {
    if (s.phase == kPhaseWaitingToStart && s.outcome == kOutcomeStartWhenBright) {
      if (!a.loadLevel(s.level)) return FailLoad(s);
      s.lastSecond = now;
      s.cardStage = 0;
      s.wonLast = 0;
    }
    s.phase = kPhasePlaying;
    s.outcome = kOutcomeNone;
  }
}

// Darkening phases; each stops at its floor and moves on.
void Darken(PlayState& s) {
  switch (s.phase) {
    case kPhasePauseDarkening:
      s.fade -= kFadeStep;
      if (s.fade < 0.5f) s.fade = 0.5f, s.phase = kPhasePaused;
      break;
    case kPhaseLeaving:
      s.fade -= kFadeStep;
      if (s.fade < 0.0f) s.fade = 0.0f, s.phase = kPhaseAboutToLeave;
      break;
    case kPhaseAboutToLeave:
      s.phase = kPhaseLeaveNow;
      break;
    case kPhaseLossDarkening:
      s.fade -= kFadeStep;
      if (s.fade < 0.5f) s.fade = 0.5f, s.outcome = kOutcomeCard, s.phase = kPhaseWaitingToStart;
      break;
    case kPhaseWinDarkening:
      s.fade -= kFadeStep;
      if (s.fade < 0.0f) s.fade = 0.0f, s.outcome = kOutcomeNextLevel, s.phase = kPhaseAfterWin;
      break;
    default:
      break;
  }
}
}  // namespace

void BeginPlaySession(PlayState& s, const PlayActions& a, uint32_t now) {
  s.confirmLatch = a.confirmHeld() ? 1 : 0;
  s.brightening = 0;
  s.fade = 0.5f;
  s.outcome = kOutcomeCard;
  s.lastSecond = now;
  s.wonLast = 1;
  s.nextTick = now;
}

void ApplyCardDecision(PlayState& s) {
  if (s.endStage != 0) return;
  if (s.cardStage != 1 && s.cardStage != 2 && s.outcome != kOutcomeCard) return;
  if (ChooseLevelCard(s.level, s.wonLast) != kNoCard) return;
  s.outcome = kOutcomeStartWhenBright;
  s.phase = kPhaseWaitingToStart;
  s.confirmLatch = 1;
  s.brightening = 1;
}

bool IsUndoKey(int key) { return key == 8 || key == 'u' || key == 'U'; }

bool RunPlayTick(PlayState& s, const PlayActions& a, int key, uint32_t now) {
  // A pad's Start opens the pause as Esc does, and closes it as Enter does.
  if (key == kKeyPadStart) key = s.phase == kPhasePaused ? kKeyEnter : kKeyEsc;
  if (s.endStage == 1 || s.endStage == 2) {
    if (key == kKeyEnter || key == kKeySpace || key == kKeyEsc) s.phase = kPhaseLeaveNow;
    return true;
  }
  if (s.brightening) {
    Brighten(s, a, now);
    return true;
  }
  // The card after a loss also takes back the fatal move: play goes on from
  // the board before it, brightening as after the pause.
  if (IsUndoKey(key) && s.outcome == kOutcomeCard && s.wonLast == 0 && !s.lostByTime && s.cardStage == 2 &&
      a.undoLoss && a.undoLoss()) {
    s.outcome = kOutcomeNone;
    s.cardStage = 0;
    s.brightening = 1;
    s.phase = kPhaseResuming;
    s.lastSecond = now;
    return true;
  }
  if (s.cardStage != 0) return true;
  Darken(s);
  if (key == kKeyEsc && s.phase == kPhasePlaying && s.outcome != kOutcomeCard) {
    s.phase = kPhasePauseDarkening;
  } else if (key == kKeyEsc && s.phase == kPhasePaused) {
    s.phase = kPhaseLeaving;
  }
  if (key == kKeySpace && s.phase == kPhasePaused) {
    // Restart, then resume as Enter would.
    if (!a.loadLevel(s.level)) {
      FailLoad(s);
      return false;
    }
    key = kKeyEnter;
  }
  if (key == kKeyEnter && s.phase > kPhaseLeaveNow) {
    s.brightening = 1;
    s.phase = kPhaseResuming;
  }
  if (s.outcome == kOutcomeNone) {
    if (s.phase == kPhasePlaying) {
      if (key != 0 && a.playKey) a.playKey(key);
      a.step();
    }
    const int status = a.levelStatus();
    if (status == 1) s.outcome = kOutcomeWon;
    if (status == 2) s.outcome = kOutcomeLost, s.lostByTime = false;
    if (status == 1 || status == 2) return false;
  }
  return true;
}

void RunPlayFrame(PlayState& s, const PlayActions& a, uint32_t now) {
  // Signed difference: "nextTick earlier than now", safe across a wrap.
  while (static_cast<int32_t>(now - s.nextTick) > 0) {
    const int key = a.popTypedKey();
    s.nextTick += kPlayTickMs;
    if (!RunPlayTick(s, a, key, now)) break;
    if (s.phase == kPhaseLeaveNow) break;
  }
  // Leaving is final: the card's confirmation below must not turn an Enter
  // that leaves the end scene into the start of another level.
  if (s.phase == kPhaseLeaveNow) {
    if (!a.confirmHeld()) s.confirmLatch = 0;
    return;
  }
  if (a.timeLimit && a.elapsed && a.cameraMode &&
      LevelTimerRuns(s.phase, s.outcome, *a.cameraMode, *a.timeLimit)) {
    const LevelTimerTick t = AdvanceLevelTimer(*a.timeLimit, *a.elapsed, s.lastSecond, now);
    if (t.beep) a.playTimeBeep();
    if (t.timedOut) s.outcome = kOutcomeLost, s.lostByTime = true;
  }
  switch (s.outcome) {
    case kOutcomeWon:
      s.wonLast = 1;
      a.pickMusic(s.level + 1);
      s.phase = kPhaseWinDarkening;
      break;
    case kOutcomeLost:
      s.wonLast = 0;
      if (s.fade == 1.0f) s.phase = kPhaseLossDarkening;
      break;
    case kOutcomeCard:
      s.cardStage = 2;
      StartLevelWhenConfirmed(s, a);
      break;
    case kOutcomeNextLevel:
    case kOutcomeNextReady:
      if (s.outcome == kOutcomeNextLevel) {
        if (s.level < kLastLevel) {
          s.wonLast = 1;
          s.level += 1;
          if (a.reachLevel) a.reachLevel(s.level);
          if (!a.loadLevel(s.level)) return FailLoad(s);
          // The tour's own time is not play time: no backlog of ticks after it.
          s.nextTick = a.tourNextLevel();
          if (a.confirmHeld()) s.confirmLatch = 1;
          s.fade = 0.5f;
        } else {
          s.endStage = 1;
        }
      }
      s.outcome = kOutcomeNextReady;
      s.cardStage = 2;
      StartLevelWhenConfirmed(s, a);
      break;
    default:
      break;
  }
  if (!a.confirmHeld()) s.confirmLatch = 0;
}

int32_t RaisedHighestLevel(int32_t highestLevel, int level) {
  return highestLevel < level ? level : highestLevel;
}

int32_t HighestLevelOnLeaving(const PlayState& s, int32_t highestLevel) {
  return s.loadFailed ? highestLevel : RaisedHighestLevel(highestLevel, s.level);
}
