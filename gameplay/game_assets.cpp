// Loading the play screen's assets behind the loading bar.
#include "gameplay/game_assets.h"

#include <cstdio>
#include <cstring>

#include "gameplay/level_card.h"
#include "gameplay/screen_view.h"
#include "graphics/render_device.h"
#include "graphics/render_queue.h"
#include "sound/sound.h"

GameAssets& GetGameAssets() {
  static GameAssets* assets = new GameAssets;
  return *assets;
}

LoadingScreen& GetLoadingScreen() {
  static LoadingScreen* screen = new LoadingScreen;
  return *screen;
}

void LoadLoadingScreen() {
  LoadingScreen& s = GetLoadingScreen();
  s.text.Load("data/png/loading.png");
  s.frame.Load("data/png/load_ramka.png");
  s.bar.Load("data/png/load_pasek.png");
}

void DrawLoadingProgress(float step) {
  const LoadingScreen& s = GetLoadingScreen();
  SetWindowViewRect();
  QueueImage(&s.text, 0.1875f, 0.46f, 0.625f, 0.078f, -1.0f, 1.0f, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
  QueueImage(&s.bar, 0.3987f, 0.734f, step * 0.154f / 10.0f, 0.025f, -1.0f, 1.0f, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
  QueueImage(&s.frame, 0.395f, 0.72f, 0.16f, 0.053f, -1.0f, 1.0f, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
  RenderFrame(1, 1, 1, 1);
}

int CardPictureIndex(int card) {
  if (card >= 1 && card <= 9) return card - 1;
  if (card == 45) return 9;
  return 10;  // the generic card
}

const Image* TourBanner(int level) {
  if (level < kTourBannerFirst || level > kTourBannerLast) return nullptr;
  GameAssets& a = GetGameAssets();
  if (!a.tourBannerLoaded[level]) {
    char name[32];
    std::snprintf(name, sizeof name, "data/png/baner%d.png", level);
    a.tourBanners[level].Load(name);
    a.tourBannerLoaded[level] = true;
  }
  return &a.tourBanners[level];
}

namespace {
void LoadCells(GameAssets& a, int first, int last) {
  for (int kind = first; kind <= last; ++kind) {
    if (const char* file = CellModelFile(kind)) a.cells[kind].Load(file);
  }
}
}  // namespace

void LoadGameAssets() {
  GameAssets& a = GetGameAssets();
  a.screenFrame.Load("data/png/ramka.png");
  a.cube.Load("data/cube.vxm");
  a.frameModel.Load("data/ramka.vxm");
  a.robot.Load("data/kipek.vxm");
  DrawLoadingProgress(5);
  a.robotTeleport.Load("data/kipek teleport.vxm");
  a.robotElectro.Load("data/kipek elektr.VXM");
  a.robotBomb.Load("data/kipek bomb.vxm");
  a.robotCloner.Load("data/kipek cloner.vxm");
  a.robotExit.Load("data/kipek wyj.vxm");
  DrawLoadingProgress(6);
  LoadCells(a, 0, 6);
  DrawLoadingProgress(7);
  LoadCells(a, 7, 17);
  DrawLoadingProgress(8);
  LoadCells(a, 18, 29);
  DrawLoadingProgress(9);
  LoadCells(a, 30, 32);
  a.difficulty[0].Load("data/png/latwy.png");
  a.difficulty[1].Load("data/png/sredni.png");
  a.difficulty[2].Load("data/png/trudny.png");
  a.levelLabel.Load("data/png/etap.png");
  a.pausePicture.Load("data/png/pauza.png");
  a.hintArrows[kDirectionLeft].Load("data/png/hint_l.png");
  a.hintArrows[kDirectionRight].Load("data/png/hint_r.png");
  a.hintArrows[kDirectionUp].Load("data/png/hint_u.png");
  a.hintArrows[kDirectionDown].Load("data/png/hint_d.png");
  for (int s = 0; s < kRuleSoundCount; ++s) a.ruleSounds[s] = LoadSound(kRuleSoundFiles[s]);
  a.timeBeep = LoadSound("music/time_beep.ogg");
  char name[32];
  for (int n = 1; n <= 9; ++n) {
    if (n == 5) DrawLoadingProgress(10);
    std::strcpy(name, "data/png/pozN.png");
    name[12] = static_cast<char>('0' + n);
    a.cards[n - 1].Load(name);
  }
  a.cards[9].Load("data/png/poz45.png");
  a.cards[10].Load("data/png/poz.png");
  for (int d = 0; d <= 9; ++d) {
    std::strcpy(name, "data/png/g0.png");
    name[10] = static_cast<char>('0' + d);
    a.digits[d].Load(name);
  }
}
