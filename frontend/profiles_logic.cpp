// The players screen's steps.
#include "frontend/profiles_logic.h"

#include <cstring>

#include "frontend/menu_keys.h"

namespace {
constexpr float kListLeft = 0.2f, kListRight = 0.8f, kListTop = 0.455f, kListBottom = 0.915f;
constexpr int kKeyEnter = 13, kKeyBackspace = 8;

bool IsNameCharacter(int key) { return (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z') || key == ' '; }

void StartLeaving(ProfilesState& s) {
  if (s.fadeState != kProfilesDone) s.fadeState = kProfilesFadingOut;
}

void ClearProfile(ProfilesState& s) {
  if (s.selected < 0) return;
  s.table[s.selected] = ProfileRecord{};
  s.table[s.selected].highestLevel = 1;  // a cleared profile starts at level 1
}

void PressButton(ProfilesState& s, int button) {
  switch (button) {
    case kProfileDelete: ClearProfile(s); break;
    case kProfileChoose: StartLeaving(s); break;
    case kProfileBack:
      s.discard = true;
      StartLeaving(s);
      break;
    case kProfileRename: s.editing = !s.editing; break;
    default: break;
  }
}

// A typed key while a name is edited.
void EditName(ProfilesState& s, int key, ProfilesStep& out, uint32_t now) {
  if (key == kKeyEnter) {
    out.playClick = true;
    s.editing = false;
    return;
  }
  char* name = s.table[s.selected].name;
  const int length = ProfileNameLength(s.table[s.selected]);
  const bool counts = key == kKeyBackspace ? length > 0 : length < kMaxProfileName;
  if (counts && now - s.lastKeySound > kKeySoundSpacingMs) {
    out.playKey = true;
    s.lastKeySound = now;
  }
  if (IsNameCharacter(key) && length < kMaxProfileName) {
    name[length] = static_cast<char>(key);
    name[length + 1] = 0;
  } else if (key == kKeyBackspace && length > 0) {
    name[length - 1] = 0;
  }
}

// Arrows move along the list (the selection) or among the four buttons;
// Right goes to the buttons, Left back to the list; Enter confirms the list
// or presses the button; Delete clears and Tab renames the selected profile.
void TakeKeyboard(ProfilesState& s, uint32_t intents, ProfilesStep& out) {
  const int step = (intents & kIntentDown ? 1 : 0) - (intents & kIntentUp ? 1 : 0);
  if (s.focus == kFocusList) {
    if (step != 0) {
      s.selected = WrapMenuHighlight(s.selected, step, kProfileCount);
      out.playClick = true;
    }
    if (intents & kIntentRight) s.focus = kProfileChoose;
    if (intents & kIntentPress) StartLeaving(s);
  } else {
    if (step != 0) s.focus = 1 + WrapMenuHighlight(s.focus - 1, step, 4);
    if (intents & kIntentLeft) s.focus = kFocusList;
    if (intents & kIntentPress) {
      out.playClick = true;
      PressButton(s, s.focus);
    }
  }
  if (intents & kIntentDelete) {
    out.playClick = true;
    ClearProfile(s);
  }
  if (intents & kIntentEdit) {
    out.playClick = true;
    s.editing = true;
  }
}

// The mouse over the list: select a row, or confirm the selected one with a
// second click soon enough after the first (opening the screen counts).
void TakeListMouse(ProfilesState& s, const ProfilesInput& in, bool press, ProfilesStep& out) {
  if (!(kListLeft < in.mouseX && in.mouseX < kListRight && kListTop < in.mouseY && in.mouseY < kListBottom)) return;
  int row = static_cast<int>((in.mouseY - kListTop) * 10.0f / 0.46f);
  if (row < 0) row = 0;
  if (row >= kProfileCount) row = kProfileCount - 1;
  if (press && s.editing) {
    s.hover = s.selected = row;
    s.editing = false;
    out.playClick = true;
  } else if (s.fadeState != kProfilesFadingOut && !s.editing) {
    if (!s.keyboardOwns) s.hover = row;
    if (!press) return;
    if (row != s.selected) {
      s.selected = row;
      out.playClick = true;
      s.clickRecorded = false;
      return;
    }
    if (s.clickRecorded && in.now - s.lastClick < kDoubleClickMs) StartLeaving(s);
    s.clickRecorded = true;
    s.lastClick = in.now;
  } else if (!s.editing) {
    s.hover = -1;
  }
}
}  // namespace

int ProfileNameLength(const ProfileRecord& record) {
  int length = 0;
  while (length < kMaxProfileName && record.name[length] != 0) ++length;
  return length;
}

void ProfileProgress(int32_t highestLevel, int32_t out[3]) {
  // A damaged number shows as the nearest real progress.
  const int32_t n = highestLevel < 0 ? 0 : highestLevel > 45 ? 45 : highestLevel;
  out[0] = n <= 15 ? n : 15;
  out[1] = n <= 15 ? 0 : n <= 30 ? n - 15 : 15;
  out[2] = n > 30 ? n - 30 : 0;
  if (out[0] == 0) out[0] = 1;
}

int ProfileButtonAt(float x, float y) {
  if (!(kProfileButtonX < x && x < kProfileButtonX + kProfileButtonWidth)) return kProfileNoButton;
  static constexpr int kTestOrder[4] = {kProfileDelete, kProfileChoose, kProfileBack, kProfileRename};
  for (int button : kTestOrder) {
    const float top = kProfileButtonTop[button - 1];
    if (top < y && y < top + kProfileButtonHeight) return button;
  }
  return kProfileNoButton;
}

int HighlightedProfileButton(const ProfilesState& s) {
  if (s.keyboardOwns) return s.focus;
  return ProfileButtonAt(s.mouseX, s.mouseY);
}

ProfilesState StartProfiles(const ProfileRecord table[kProfileCount], int profileIndex, uint32_t mouseButtons,
                            uint32_t now) {
  ProfilesState s;
  for (int i = 0; i < kProfileCount; ++i) {
    s.table[i] = table[i];
    s.table[i].name[kMaxProfileName] = 0;  // a name without its NUL ends at 12
  }
  s.selected = profileIndex >= 0 && profileIndex < kProfileCount ? profileIndex : 0;
  s.latch.set = mouseButtons == 1;
  s.lastClick = s.lastKeySound = now;
  return s;
}

ProfilesStep StepProfiles(ProfilesState& s, const ProfilesInput& in) {
  ProfilesStep out;
  s.blink += 0.02f;
  if (s.blink > 2.0f) s.blink = 0.0f;
  const bool mouseMoved = in.mouseX != s.mouseX || in.mouseY != s.mouseY;
  s.mouseX = in.mouseX;
  s.mouseY = in.mouseY;
  const bool press = s.latch.TakePress(in.buttons != 0);
  if (mouseMoved || press) s.keyboardOwns = false;
  if (in.intents != 0) s.keyboardOwns = true;

  // While a name is edited the keys type into it (Enter ends it).
  const bool wasEditing = s.editing;
  if (wasEditing && in.typedKey > 0) EditName(s, in.typedKey, out, in.now);
  const int button = ProfileButtonAt(in.mouseX, in.mouseY);
  if (press && button != kProfileNoButton) {
    out.playClick = true;
    PressButton(s, button);
  }
  if (!wasEditing && s.fadeState != kProfilesFadingOut && in.intents != 0) TakeKeyboard(s, in.intents, out);
  TakeListMouse(s, in, press && button == kProfileNoButton, out);

  if (s.fadeState == kProfilesFadingIn && StepFadeIn(s.fade)) s.fadeState = kProfilesIdle;
  if (s.fadeState == kProfilesFadingOut && StepFadeOut(s.fade)) s.fadeState = kProfilesDone;
  // Escape leaves keeping the changes, like choosing.
  if (in.escapeDown && !s.escapeLatch) {
    s.escapeLatch = true;
    StartLeaving(s);
  }
  if (!in.escapeDown) s.escapeLatch = false;
  return out;
}
