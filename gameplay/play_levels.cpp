// The play loop: one board, level after level, frame by frame.
#include "gameplay/play_levels.h"

#include <cmath>

#include "gameplay/board_play.h"
#include "gameplay/game_assets.h"
#include "gameplay/intro_tour.h"
#include "gameplay/level_music.h"
#include "gameplay/play_frame.h"
#include "gameplay/play_phases.h"
#include "gameplay/progress_save.h"
#include "gameplay/scripted_run.h"
#include "input/controllers.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "input/typed_keys.h"
#include "platform/window.h"
#include "rules/loss_cause.h"
#include "shell/diagnostics.h"
#include "shell/pump.h"
#include "shell/settings.h"
#include "sound/sound.h"

namespace {
bool ConfirmHeld() {
  return IsKeyDown(VK_RETURN) != 0 || (GetControllerCount() != 0 && GetControllerAxis(0, 0) != 0.0f) ||
         GetMouseButtons() != 0;
}

void CopyCameraIn(Board& board, const PlayerProgress& p) {
  board.eyeHeight = p.eyeHeight;
  board.eyeDistance = p.eyeDistance;
  board.spareCamera[0] = p.spare1;
  board.spareCamera[1] = p.spare2;
  board.pitch = p.pitch;
  board.robotViewYaw = p.robotViewYaw;
  board.eyeHeight = std::sin(board.pitch * 3.1415f / 180.0f) * 50.0f;
  board.eyeDistance = std::cos(board.pitch * 3.1415f / 180.0f) * 50.0f;
}

void CopyCameraOut(const Board& board, PlayerProgress& p) {
  p.eyeHeight = board.eyeHeight;
  p.eyeDistance = board.eyeDistance;
  p.spare1 = board.spareCamera[0];
  p.spare2 = board.spareCamera[1];
  p.pitch = board.pitch;
  p.robotViewYaw = board.robotViewYaw;
}

// What changed in a frame, for the run log of scripted runs.
void LogChanges(const Board& board, const PlayState& before, const PlayState& after) {
  if (after.outcome != before.outcome) {
    if (after.outcome == kOutcomeWon) LogRunEvent("level %d won", after.level);
    if (after.outcome == kOutcomeLost) {
      LogRunEvent("level %d lost: %s", after.level, LossCauseWord(LossCauseOf(board, after.lostByTime)));
    }
  }
  if (before.cardStage != 0 && after.cardStage == 0) LogRunEvent("level %d started", after.level);
  if (after.phase == kPhasePaused && before.phase != kPhasePaused) LogRunEvent("paused at level %d", after.level);
  if (after.endStage != 0 && before.endStage == 0) LogRunEvent("end scene");
}

int loadedLevel = 0;  // the level on the board, for the tour's banner

// A level whose files cannot be read is reported and never played: an empty
// board has no robots left on it and would count as won.
bool LoadPlayLevel(Board& board, int level) {
  const bool loaded = board.LoadLevel(level);
  loadedLevel = level;
  board.elapsed = 0;
  if (loaded) {
    LogRunEvent("level %d loaded", level);
  } else {
    PrintDiagnostic("level %d could not be loaded; back to the level choice\n", level);
    LogRunEvent("level %d could not be loaded", level);
  }
  return loaded;
}

PlayActions BindActions(Board& board, BoardPlay& play) {
  PlayActions a;
  a.loadLevel = [&board](int level) { return LoadPlayLevel(board, level); };
  a.reachLevel = StoreLevelReached;
  a.levelStatus = [&board] { return static_cast<int>(board.LevelStatus()); };
  a.pickMusic = PickLevelMusic;
  a.tourNextLevel = [&board] {
    IntroTour(board, 0, loadedLevel);
    return PlatformTickCount();
  };
  a.popTypedKey = [] { return static_cast<int>(PopTypedKey()); };
  a.confirmHeld = ConfirmHeld;
  a.playTimeBeep = [] { PlaySound(GetGameAssets().timeBeep); };
  a.timeLimit = &board.timeLimit;
  a.elapsed = &board.elapsed;
  a.cameraMode = &board.CameraMode;
  BindBoardPlay(play, a);  // steps, undo, redo, hints
  return a;
}
}  // namespace

void PlayLevels(PlayerProgress& progress) {
  // A Board holds 800 robot records: too big for the stack of every platform.
  Board* boardStorage = new Board;
  Board& board = *boardStorage;
  PlayState s;
  ForgetLevelMusic();
  s.level = progress.currentLevel < 1 ? 1 : progress.currentLevel;
  if (s.level > kLastLevel) s.level = kLastLevel;
  CopyCameraIn(board, progress);
  BoardPlay play(board);
  const PlayActions actions = BindActions(board, play);
  if (actions.loadLevel(s.level)) {
    PickLevelMusic(s.level);
    BeginProgressGuard(progress, s.level);
    IntroTour(board, 1, s.level);
    BeginPlaySession(s, actions, PlatformTickCount());
  } else {
    s.loadFailed = true;
    s.phase = kPhaseLeaveNow;
  }
  while (s.phase != kPhaseLeaveNow) {
    ComposePlayFrame(board, s, ShowMoves(play, s.level));
    const PlayState before = s;
    RunPlayFrame(s, actions, PlatformTickCount());
    LogChanges(board, before, s);
    if (!s.loadFailed) UpdateProgressGuard(s.level);
    PumpMessages();
  }

  if (IsMusicEnabled() == 1) PlayMusic("music/menu.ogg", 1.0f, 0);
  CopyCameraOut(board, progress);
  progress.highestLevel = HighestLevelOnLeaving(s, progress.highestLevel);
  EndProgressGuard();
  LogRunEvent("left at level %d, highest level %d", s.level, progress.highestLevel);
  delete boardStorage;
}
