// Everything the play screen shows or plays, loaded once at start-up and kept
// for the whole run, and the loading screen drawn while it loads.
#pragma once
#include "graphics/image.h"
#include "graphics/model.h"
#include "rules/cell_kinds.h"
#include "rules/step_input.h"
#include "sound/sound_api.h"

constexpr int kCardPictures = 11;  // poz1..poz9, poz45, poz
constexpr int kTourBannerFirst = 10, kTourBannerLast = 44;  // the levels without a card of their own

struct GameAssets {
  Image screenFrame;  // "data/png/ramka.png" over the whole play screen
  Model cube, frameModel;  // scenery at the origin
  Model robot, robotTeleport, robotElectro, robotBomb, robotCloner, robotExit;
  Model cells[kCellKindCount];
  Image difficulty[3];  // latwy, sredni, trudny
  Image levelLabel, pausePicture;
  Image hintArrows[5];  // by Direction: none (empty), left, right, up, down
  SoundData ruleSounds[kRuleSoundCount];  // what the steps ask for, by RuleSound
  SoundData timeBeep;
  Image cards[kCardPictures];
  Image digits[10];
  // "data/png/banerNN.png": the title and hint of a level without a card of
  // its own, over its tour; each loaded when its level is first toured.
  Image tourBanners[kTourBannerLast + 1];
  bool tourBannerLoaded[kTourBannerLast + 1] = {};
  Model endScene;  // "data/end.vxm", loaded when the last level is won
  bool endSceneLoaded = false;
};

struct LoadingScreen {
  Image text, frame, bar;
};

// The process-wide objects (made on first use, never freed: a closed window
// ends the process without tearing the GPU objects down).
GameAssets& GetGameAssets();
LoadingScreen& GetLoadingScreen();

// The three loading-screen pictures; start-up loads them before the intro.
void LoadLoadingScreen();
// Loads every play-screen asset in its order, moving the loading bar 5..10.
void LoadGameAssets();
// One loading-screen frame with the bar at step 0..10, drawn and shown.
void DrawLoadingProgress(float step);
// The banner toured over a level, loaded on first need; null for levels with a card.
const Image* TourBanner(int level);
// Index into GameAssets::cards for a card of ChooseLevelCard (level_card.h).
int CardPictureIndex(int card);
