// Steps with undo, redo and hints around them.
#include "gameplay/board_play.h"

#include "gameplay/level_par.h"
#include "gameplay/records_file.h"
#include "gameplay/scripted_run.h"
#include "gameplay/step_keys.h"
#include "input/keyboard.h"
#include "rules/settle.h"
#include "shell/player_progress.h"

void BoardPlay::Reset() {
  lastHint = kHintHidden;
  winLogged = false;
  hint.Forget();
  history.Clear();
  latches = SoundLatches{};
  redoing = kNoDirection;
}

void BoardPlay::Tick(const StepInput& input, int steps) {
  for (int n = 0; n < steps && board.LevelStatus() == kLevelPlaying; ++n) {
    StepInput in = input;
    const bool redo = redoing != kNoDirection;
    if (redo) in = CommandInput(redoing);
    redoing = kNoDirection;
    const bool mayTake = in.direction != kNoDirection && !in.tilting;
    BoardMoment before;
    if (mayTake && !redo) before = TakeMoment(board, latches);
    const StepReport report = board.Step(in, latches);
    PlayStepSounds(report);
    if (!report.commandTaken) continue;
    hint.Forget();
    if (redo || !mayTake) continue;  // a redone move is in the history already
    before.direction = in.direction;
    history.Record(std::move(before));
  }
}

bool BoardPlay::Undo() {
  if (!history.Undo(board, latches)) return false;
  hint.Forget();
  redoing = kNoDirection;
  return true;
}

bool BoardPlay::Redo() {
  const Direction d = history.Redo(board, latches);
  if (d == kNoDirection) return false;
  hint.Forget();
  redoing = d;
  return true;
}

MovesShown ShowMoves(BoardPlay& play, int level) {
  MovesShown shown;
  shown.moves = play.history.MovesMade();
  shown.par = LevelPar(level);
  shown.hint = play.hint.Shown();
  shown.arrow = play.hint.Arrow();
  shown.canUndo = play.history.CanUndo();
  if (shown.hint != play.lastHint) {
    if (shown.hint == kHintArrow) LogRunEvent("hint %c", LetterOfDirection(shown.arrow));
    if (shown.hint == kHintNoSolution) LogRunEvent("hint: no solution");
    if (shown.hint == kHintGaveUp) LogRunEvent("hint: gave up");
    play.lastHint = shown.hint;
  }
  return shown;
}

namespace {

void UndoMove(BoardPlay& play) {
  if (play.Undo()) LogRunEvent("move undone, %d moves", play.history.MovesMade());
}

void RedoMove(BoardPlay& play) {
  if (play.Redo()) LogRunEvent("move redone, %d moves", play.history.MovesMade());
}

}  // namespace

void BindBoardPlay(BoardPlay& play, PlayActions& a) {
  auto load = a.loadLevel;
  a.loadLevel = [&play, load](int level) {
    play.Reset();
    play.level = level;
    return load(level);
  };
  a.step = [&play] {
    play.Tick(ReadStepInput(), IsKeyDown(VK_TAB) ? kFastForwardSteps : 1);
    if (play.board.LevelStatus() == kLevelWon && !play.winLogged) {
      play.winLogged = true;
      LogRunEvent("won in %d moves", play.history.MovesMade());
      RecordWin(playerProgress.profileIndex, play.level, play.history.MovesMade());
    }
  };
  a.playKey = [&play](int key) {
    if (IsUndoKey(key)) UndoMove(play);
    if (key == 'r' || key == 'R') RedoMove(play);
    if (key == 'h' || key == 'H') play.AskHint();
  };
  a.undoLoss = [&play] {
    if (!play.Undo()) return false;
    LogRunEvent("fatal move undone, %d moves", play.history.MovesMade());
    return true;
  };
}
