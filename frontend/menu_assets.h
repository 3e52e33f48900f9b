// Everything the menu screens show or play, loaded once (the pictures at
// start-up behind the loading bar, the scenes when first shown) and kept for
// the whole run.
#pragma once
#include "graphics/image.h"
#include "graphics/model.h"
#include "sound/sound_api.h"

// Sound slots of the menus.
enum MenuSound : int {
  kMenuClick = 0,   // a button or a list row pressed
  kMenuHover = 1,   // the main menu's highlight moved; an option changed
  kMenuHover2 = 2,  // a second copy, unused
  kMenuKey = 3,     // a key typed into a profile name
  kMenuStart = 4,   // a level started from the play screen
};
constexpr int kMenuSounds = 5;

// Pairs are indexed by highlight: [0] normal, [1] highlighted.
struct MenuAssets {
  Model scene;       // "data/menu scena.vxm", behind every menu screen
  Model credits[7];  // "data/au1.vxm" ... "data/au7.vxm"
  Image mainButtons[5][2];  // play, players, options, credits, exit
  Image cursor;
  Image difficulty[3];  // latwe, srednie, trudne
  Image levelStrip;
  Image levelFrame[2];  // normal, selected
  Image crosshair;
  Image infoPanel;
  Image options[6];      // OP_OPCJE, OP_EFEKTY, OP_MUZYKA, OP_ROZDZIEL, TAK, NIE
  Image resolutions[7];  // roz1 ... roz7
  Image profilePanel, profileHover, profileSelected;
  Image profileDelete[2], profileChoose[2], profileRename[2];
  Image demo;  // loaded, not drawn
  Image back[2];
  Image restartNotice;
  Image completed;  // marker of a finished difficulty
  Image parStar;    // marker of a level won at par
  Image digits[10];  // "data/png/c0.png" ... level numbers of the play screen
  SoundData sounds[kMenuSounds];
};

// The process-wide object (made on first use, never freed).
MenuAssets& GetMenuAssets();

// Loads the menu camera, the pictures, the sounds and both fonts, moving the
// loading bar from 0 to 4.
void LoadMenuAssets();
// The menu's scene and the credits' scenes, the largest models of the game:
// loaded when a menu screen is first drawn, so that a level chosen on the
// command line starts without them.
void LoadMenuScenes();
// Plays one of the menu sound slots.
void PlayMenuSound(int slot);
