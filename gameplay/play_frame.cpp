// Composing the play screen's frames and the end scene.
#include "gameplay/play_frame.h"

#include "frontend/font_text.h"
#include "gameplay/board_draw.h"
#include "gameplay/game_assets.h"
#include "gameplay/level_card.h"
#include "gameplay/screen_view.h"

#include <cstdio>
#include <cstring>
#include "graphics/render_device.h"
#include "graphics/render_queue.h"
#include "rules/loss_cause.h"
#include "sound/sound.h"

namespace {
float endFrame = 0;  // the end scene's animation, growing for the whole run

void QueuePicture(const Image& image, float x, float y, float w, float h, float opacity) {
  QueueImage(&image, x, y, w, h, -1.0f, opacity, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
}

void QueueHeadsUp(const GameAssets& a, int level) {
  const LevelDigits d = LevelDigitsOf(level);
  QueuePicture(a.screenFrame, 0, 0, 1, 1, 1);
  QueuePicture(a.difficulty[d.difficulty], 0.072f, 0.904f, 0.225f, 0.07f, 1);
  QueuePicture(a.levelLabel, 0.555f, 0.9f, 0.2f, 0.07f, 1);
  QueuePicture(a.digits[d.tens], 0.83f, 0.89f, 0.05f, 0.09f, 1);
  QueuePicture(a.digits[d.ones], 0.873f, 0.89f, 0.05f, 0.09f, 1);
}

void QueueCard(const GameAssets& a, PlayState& s) {
  if (s.cardStage != 1 && s.cardStage != 2 && s.outcome != kOutcomeCard) return;
  const LevelCard card = ChooseLevelCard(s.level, s.wonLast);
  if (card == kNoCard) {
    ApplyCardDecision(s);
    return;
  }
  QueueImage(&a.cards[CardPictureIndex(card)], 0, 0, 1, 1, 0.0f, CardOpacity(s.fade), 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
}

void QueueText(const char* text, float x, float y) { DrawFontText(text, x, y, 0.75f, 1.0f, 1, 1, 1, 1); }

// Moves and par at the top right; the hint's arrow or what the search said.
void QueueMoves(const GameAssets& a, const MovesShown& shown) {
  char text[48];
  if (shown.par > 0) {
    std::snprintf(text, sizeof text, "RUCHY %d PAR %d", shown.moves, shown.par);
  } else {
    std::snprintf(text, sizeof text, "RUCHY %d", shown.moves);
  }
  QueueText(text, 0.52f, 0.1f);
  if (shown.hint == kHintArrow) QueuePicture(a.hintArrows[shown.arrow], 0.455f, 0.14f, 0.09f, 0.12f, 1);
  if (shown.hint == kHintSearching) QueueText("SZUKAM PODPOWIEDZI", 0.24f, 0.16f);
  if (shown.hint == kHintNoSolution) QueueText("BRAK ROZWIAZANIA  U COFA RUCH", 0.1f, 0.16f);
  if (shown.hint == kHintGaveUp) QueueText("PODPOWIEDZ ZA TRUDNA", 0.2f, 0.16f);
}

// Over the loss card: the fatal move can be taken back (not after a loss by time).
void QueueLossUndo(const PlayState& s, const MovesShown& shown) {
  if (s.outcome != kOutcomeCard || s.wonLast != 0 || s.lostByTime || !shown.canUndo) return;
  QueueText("U COFA RUCH  ENTER OD NOWA", 0.14f, 0.72f);
}

// The loss card says what went wrong, centred above its undo line.
void QueueLossCause(const Board& board, const PlayState& s) {
  if (s.outcome != kOutcomeCard || s.wonLast != 0) return;
  const char* text = nullptr;
  switch (LossCauseOf(board, s.lostByTime)) {
    case kLossMine: text = "ROBOT WJECHAL NA MINE"; break;
    case kLossCables: text = "KABLE PORAZILY ROBOTA"; break;
    case kLossDoor: text = "DRZWI ZMIAZDZYLY ROBOTA"; break;
    case kLossCollision: text = "ROBOTY ZDERZYLY SIE"; break;
    case kLossTime: text = "KONIEC CZASU"; break;
    default: return;
  }
  const float cell = 0.75f / 26.0f;
  QueueText(text, 0.5f - cell * static_cast<float>(std::strlen(text)) / 2.0f, 0.64f);
}

// While a won level fades out: its moves, and whether par was met.
void QueueWin(const PlayState& s, const MovesShown& shown) {
  if (s.phase != kPhaseWinDarkening && s.phase != kPhaseAfterWin) return;
  char text[48];
  std::snprintf(text, sizeof text, "WYGRANA W %d RUCHACH", shown.moves);
  QueueText(text, 0.2f, 0.4f);
  if (shown.par <= 0) return;
  std::snprintf(text, sizeof text, shown.moves <= shown.par ? "PAR %d OSIAGNIETY" : "PAR %d NIEOSIAGNIETY", shown.par);
  QueueText(text, 0.24f, 0.5f);
}

void ComposeEndScene(GameAssets& a, PlayState& s) {
  SetWindowViewRect();
  if (s.endStage == 1) {
    if (!a.endSceneLoaded) a.endScene.Load("data/end.vxm"), a.endSceneLoaded = true;
    PlayMusic("music/ingame4.ogg", 1.0f, 0);
    s.endStage = 2;
  }
  SetCamera(11.0838f, -12.7017f, 6.97126f, 11.0541f, -12.6282f, 6.96047f, -0.0505161f, 0.125032f, 0.990866f, 80.0f);
  QueueModel(&a.endScene, 0, 0, 0, 0, 0, 0, endFrame);
  QueueText("ENTER LUB ESC  POWROT", 0.5f - 0.75f / 26.0f * 21.0f / 2.0f, 0.9f);
  endFrame += 0.1f;  // per drawn frame
}
}  // namespace

LevelDigits LevelDigitsOf(int level) {
  if (level < 1) level = 1;
  if (level > kLastLevel) level = kLastLevel;
  LevelDigits d;
  d.difficulty = (level - 1) / 15;
  const int n = (level - 1) % 15 + 1;
  d.tens = n / 10;
  d.ones = n % 10;
  return d;
}

void ComposePlayFrame(const Board& board, PlayState& s, const MovesShown& shown) {
  GameAssets& a = GetGameAssets();
  if (s.endStage == 1 || s.endStage == 2) {
    ComposeEndScene(a, s);
  } else {
    SetWindowViewRect();
    DrawBoard(board);
    QueueHeadsUp(a, s.level);
    QueueCountdown(board);
    QueueMoves(a, shown);
    QueueFadeOverlay(s.fade);
    QueueCard(a, s);
    QueueLossCause(board, s);
    QueueLossUndo(s, shown);
    QueueWin(s, shown);
    if (s.phase == kPhasePaused) QueuePicture(a.pausePicture, 0.25f, 0.25f, 0.5f, 0.375f, 1);
  }
  RenderFrame(1, 1, 1, 1);
}
