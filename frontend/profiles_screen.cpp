// The players screen's loop, drawing and saving.
#include "frontend/profiles_screen.h"

#include <cstdio>

#include "frontend/font_text.h"
#include "frontend/menu_assets.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_keys.h"
#include "frontend/menu_log.h"
#include "frontend/profiles_logic.h"
#include "graphics/menu_helpers.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "input/typed_keys.h"
#include "platform/window.h"
#include "shell/player_progress.h"
#include "shell/pump.h"

namespace {
constexpr float kRowTop = 0.455f, kRowSpacing = 0.045f, kTextSize = 0.5f;
constexpr float kNumberX[3] = {0.495f, 0.5815384f, 0.6969231f};

bool MouseInList() {
  const float x = GetMouseX(), y = GetMouseY();
  return 0.2f < x && x < 0.8f && 0.455f < y && y < 0.915f;
}

void DrawButtons(const ProfilesState& s, const MenuAssets& a) {
  const int lit = HighlightedProfileButton(s);
  const Image* pairs[4] = {a.back, a.profileRename, a.profileDelete, a.profileChoose};
  for (int b = kProfileBack; b <= kProfileChoose; ++b) {
    QueueMenuImage(pairs[b - 1][b == lit ? 1 : 0], kProfileButtonX, kProfileButtonTop[b - 1], kProfileButtonWidth,
                   kProfileButtonHeight);
  }
}

void DrawRows(const ProfilesState& s) {
  char number[16];
  for (int i = 0; i < kProfileCount; ++i) {
    const float y = kRowTop + kRowSpacing * static_cast<float>(i);
    DrawFontText(s.table[i].name, 0.23f, y, kTextSize, 1.0f, 1, 1, 1, 1);
    int32_t progress[3];
    ProfileProgress(s.table[i].highestLevel, progress);
    for (int d = 0; d < 3; ++d) {
      std::snprintf(number, sizeof number, "%ld", static_cast<long>(progress[d]));
      DrawFontText(number, kNumberX[d], y, kTextSize, 1.0f, 1, 1, 1, 1);
    }
  }
}

void DrawProfiles(const ProfilesState& s) {
  const MenuAssets& a = GetMenuAssets();
  BeginMenuFrame();
  QueueMenuImage(a.profilePanel, 0.2f, 0.37f, 0.6f, 0.545f);
  if (!s.keyboardOwns && MouseInList() && s.hover >= 0 && s.hover != s.selected && !s.editing) {
    QueueMenuImage(a.profileHover, 0.214f, 0.4425f + kRowSpacing * static_cast<float>(s.hover), 0.569f, 0.046f);
  }
  if (s.selected >= 0) {
    QueueMenuImage(a.profileSelected, 0.214f, 0.4425f + kRowSpacing * static_cast<float>(s.selected), 0.569f, 0.046f);
  }
  DrawButtons(s, a);
  DrawFontText("GRACZ", 0.23f, 0.4f, kTextSize, 1.0f, 1, 1, 1, 1);
  DrawFontText("LATWE SREDNIE TRUDNE", 0.495f, 0.4f, kTextSize, 0.75f, 1, 1, 1, 1);
  DrawRows(s);
  if (s.editing && s.blink > 1.0f && s.selected >= 0) {
    int length = ProfileNameLength(s.table[s.selected]);
    if (length == kMaxProfileName) --length;
    const float x = 0.23f + static_cast<float>(length) * kTextSize * 0.5f / 13.0f;
    DrawFontText("_", x, kRowTop + kRowSpacing * static_cast<float>(s.selected), kTextSize, 1.0f, 1, 1, 1, 1);
  }
  FinishMenuFrame(s.fade);
}

void KeepChoice(const ProfilesState& s) {
  WriteProfileTable(s.table);
  if (s.selected < 0) return;
  playerProgress.highestLevel = s.table[s.selected].highestLevel;
  playerProgress.profileIndex = s.selected;
}
}  // namespace

void RunProfilesScreen() {
  LogMenuScreen("players");
  ProfileRecord table[kProfileCount];
  ReadProfileTable(table);
  ClearTypedKeys();
  ProfilesState s = StartProfiles(table, playerProgress.profileIndex, GetMouseButtons(), PlatformTickCount());
  MenuKeys keys;
  keys.Start(ReadMenuKeyboard());
  MenuStepClock clock;
  clock.Start(PlatformTickCount());
  while (s.fadeState != kProfilesDone) {
    DrawProfiles(s);
    while (s.fadeState != kProfilesDone && clock.TakeStep(PlatformTickCount())) {
      ProfilesInput in;
      in.now = PlatformTickCount();
      in.typedKey = PopTypedKey();
      in.mouseX = GetMouseX();
      in.mouseY = GetMouseY();
      in.buttons = GetMouseButtons();
      in.escapeDown = (ReadMenuKeyboard().bits & kIntentBack) != 0;
      in.intents = keys.TakeIntents(ReadMenuKeyboard(), in.now) & ~kIntentBack;
      const ProfilesStep step = StepProfiles(s, in);
      if (step.playClick) PlayMenuSound(kMenuClick);
      if (step.playKey) PlayMenuSound(kMenuKey);
      // Keys typed while no name is edited are not kept for later.
      if (!s.editing) ClearTypedKeys();
      AdvanceMenuSpin();
      PumpMessages();
    }
  }
  if (!s.discard) KeepChoice(s);
}
