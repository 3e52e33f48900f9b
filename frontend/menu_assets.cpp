// Loading the menus' assets behind the loading bar.
#include "frontend/menu_assets.h"

#include <cstring>

#include "frontend/font_text.h"
#include "frontend/menu_camera_file.h"
#include "gameplay/game_assets.h"
#include "graphics/menu_helpers.h"
#include "sound/sound.h"

MenuAssets& GetMenuAssets() {
  static MenuAssets* assets = new MenuAssets;
  return *assets;
}

void PlayMenuSound(int slot) {
  if (slot >= 0 && slot < kMenuSounds) PlaySound(GetMenuAssets().sounds[slot]);
}

namespace {
void LoadPair(Image pair[2], const char* normal, const char* highlighted) {
  pair[0].Load(normal);
  pair[1].Load(highlighted);
}

// Files named by a template with one character replaced.
void LoadNumbered(Image* images, int count, const char* pattern, int at, char first) {
  char name[64];
  for (int i = 0; i < count; ++i) {
    std::strcpy(name, pattern);
    name[at] = static_cast<char>(first + i);
    images[i].Load(name);
  }
}

void LoadScenes(MenuAssets& a) {
  a.scene.Load("data/menu scena.vxm");
  char name[32];
  for (int i = 0; i < 7; ++i) {
    std::strcpy(name, "data/au1.vxm");
    name[7] = static_cast<char>('1' + i);
    a.credits[i].Load(name);
  }
}

void LoadPictures(MenuAssets& a) {
  LoadPair(a.mainButtons[0], "data/png/graj1a.png", "data/png/graj1b.png");
  LoadPair(a.mainButtons[1], "data/png/gracze1a.png", "data/png/gracze1b.png");
  LoadPair(a.mainButtons[2], "data/png/opcje1a.png", "data/png/opcje1b.png");
  LoadPair(a.mainButtons[3], "data/png/autorzy1a.png", "data/png/autorzy1b.png");
  LoadPair(a.mainButtons[4], "data/png/wyjscie1a.png", "data/png/wyjscie1b.png");
  LoadFadeOverlay();
  a.cursor.Load("data/png/kursor.png");
  a.difficulty[0].Load("data/png/latwe.png");
  a.difficulty[1].Load("data/png/srednie.png");
  a.difficulty[2].Load("data/png/trudne.png");
  a.levelStrip.Load("data/png/pasek.png");
  DrawLoadingProgress(2.0f);
  LoadPair(a.levelFrame, "data/png/st_ramka1.png", "data/png/st_ramka2.png");
  a.crosshair.Load("data/png/celownik.png");
  a.infoPanel.Load("data/png/info_0.png");
  const char* const options[6] = {"data/png/OP_OPCJE.png",   "data/png/OP_EFEKTY.png", "data/png/OP_MUZYKA.png",
                                  "data/png/OP_ROZDZIEL.png", "data/png/TAK.png",       "data/png/NIE.png"};
  for (int i = 0; i < 6; ++i) a.options[i].Load(options[i]);
  LoadNumbered(a.resolutions, 7, "data/png/roz1.png", 12, '1');
  DrawLoadingProgress(3.0f);
  a.profilePanel.Load("data/png/profile_tlo.png");
  a.profileHover.Load("data/png/profile_pasek.png");
  LoadPair(a.profileDelete, "data/png/profile_skasuj1a.png", "data/png/profile_skasuj1b.png");
  LoadPair(a.profileChoose, "data/png/profile_wybierz1a.png", "data/png/profile_wybierz1b.png");
  a.profileSelected.Load("data/png/profile_pasek_2.png");
  LoadPair(a.profileRename, "data/png/profile_zmien1.png", "data/png/profile_zmien2.png");
  a.demo.Load("data/png/demo.png");
  LoadPair(a.back, "data/png/powrot1a.png", "data/png/powrot1b.png");
  a.restartNotice.Load("data/png/uruchom.png");
  a.completed.Load("data/png/st_ukonczone.png");
  a.parStar.Load("data/png/par_gwiazdka.png");
}
}  // namespace

void LoadMenuScenes() {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  LoadScenes(GetMenuAssets());
}

void LoadMenuAssets() {
  MenuAssets& a = GetMenuAssets();
  DrawLoadingProgress(0.0f);
  LoadMenuCameraFile("data/kamera.cam", menuCamera);
  DrawLoadingProgress(1.0f);
  LoadPictures(a);
  a.sounds[kMenuClick] = LoadSound("music/click1.ogg");
  a.sounds[kMenuHover] = LoadSound("music/opcja.ogg");
  a.sounds[kMenuKey] = LoadSound("music/pressed_key.ogg");
  // The second copies share the decoded samples.
  a.sounds[kMenuHover2] = a.sounds[kMenuHover];
  a.sounds[kMenuStart] = a.sounds[kMenuKey];
  LoadNumbered(a.digits, 10, "data/png/c0.png", 10, '0');
  LoadMenuFont();
  DrawLoadingProgress(4.0f);
}
