// The players screen's state machine with fake mouse, typed keys and clock.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frontend/menu_keys.h"
#include "frontend/profiles_logic.h"

namespace {
constexpr uint32_t kEntry = 1000;

ProfilesState Open(int index = 2) {
  ProfileRecord table[kProfileCount];
  for (int i = 0; i < kProfileCount; ++i) table[i].highestLevel = i + 1;
  std::strcpy(table[2].name, "Ala");
  return StartProfiles(table, index, 0, kEntry);
}

ProfilesInput At(uint32_t now, float x = 0.05f, float y = 0.05f, uint32_t buttons = 0) {
  ProfilesInput in;
  in.now = now;
  in.mouseX = x;
  in.mouseY = y;
  in.buttons = buttons;
  return in;
}

float RowY(int row) { return 0.455f + 0.046f * static_cast<float>(row) + 0.02f; }

// A click (down one step, up the next) on a row at time now.
void ClickRow(ProfilesState& s, int row, uint32_t now) {
  StepProfiles(s, At(now, 0.5f, RowY(row), 1));
  StepProfiles(s, At(now + 10, 0.5f, RowY(row)));
}

ProfilesStep Type(ProfilesState& s, int key, uint32_t now) {
  ProfilesInput in = At(now);
  in.typedKey = key;
  return StepProfiles(s, in);
}

ProfilesStep Intents(ProfilesState& s, uint32_t intents, uint32_t now) {
  ProfilesInput in = At(now, s.mouseX, s.mouseY);
  in.intents = intents;
  return StepProfiles(s, in);
}

bool Leaving(const ProfilesState& s) { return s.fadeState == kProfilesFadingOut || s.fadeState == kProfilesDone; }

void RunFade(ProfilesState& s, uint32_t from) {
  for (uint32_t t = from; t < from + 2000 && s.fadeState != kProfilesDone; t += 10) StepProfiles(s, At(t, s.mouseX, s.mouseY));
}
}  // namespace

TEST(Profiles, ProgressPerDifficultyFromTheHighestLevel) {
  const struct {
    int32_t level, easy, medium, hard;
  } cases[] = {{0, 1, 0, 0}, {1, 1, 0, 0}, {20, 15, 5, 0}, {31, 15, 15, 1}, {45, 15, 15, 15}, {-7, 1, 0, 0}, {9999, 15, 15, 15}};
  for (const auto& c : cases) {
    int32_t shown[3];
    ProfileProgress(c.level, shown);
    EXPECT_EQ(shown[0], c.easy) << c.level;
    EXPECT_EQ(shown[1], c.medium) << c.level;
    EXPECT_EQ(shown[2], c.hard) << c.level;
  }
}

TEST(Profiles, EntryClampsADamagedIndexAndCutsNamesWithoutTheirEnd) {
  ProfileRecord table[kProfileCount];
  std::memset(table[4].name, 'Q', sizeof table[4].name);
  ProfilesState s = StartProfiles(table, 42, 1, kEntry);
  EXPECT_EQ(s.selected, 0);
  EXPECT_TRUE(s.latch.set) << "the left button held at entry";
  EXPECT_EQ(ProfileNameLength(s.table[4]), 12);
  EXPECT_EQ(s.table[4].name[12], 0);
}

TEST(Profiles, NameEditingKeepsTwelveLettersAndPlaysKeysOnlyWhenTheyCount) {
  ProfilesState s = Open();
  s.editing = true;
  std::strcpy(s.table[2].name, "");
  uint32_t t = kEntry + 100;
  EXPECT_FALSE(Type(s, 8, t += 100).playKey) << "Backspace on an empty name";
  EXPECT_TRUE(Type(s, '7', t += 100).playKey) << "a digit sounds but is not taken";
  EXPECT_STREQ(s.table[2].name, "");
  for (char c : std::string("Jan Kowalski")) Type(s, c, t += 100);
  EXPECT_STREQ(s.table[2].name, "Jan Kowalski");
  EXPECT_FALSE(Type(s, 'x', t += 100).playKey) << "a 13th letter";
  EXPECT_STREQ(s.table[2].name, "Jan Kowalski");
  EXPECT_TRUE(Type(s, 8, t += 100).playKey);
  EXPECT_FALSE(Type(s, 8, t += 50).playKey) << "key sounds at least 85 ms apart";
  EXPECT_STREQ(s.table[2].name, "Jan Kowals");
  EXPECT_TRUE(Type(s, 13, t += 100).playClick);
  EXPECT_FALSE(s.editing);
}

TEST(Profiles, ASecondClickOnTheSelectedRowConfirmsOnlyWithinHalfASecond) {
  ProfilesState s = Open();
  ClickRow(s, 2, kEntry + 300);  // within 500 ms of opening
  EXPECT_TRUE(Leaving(s));

  ProfilesState t = Open();
  ClickRow(t, 5, kEntry + 700);
  EXPECT_EQ(t.selected, 5);
  ClickRow(t, 5, kEntry + 900);  // the first click on the new selection
  EXPECT_FALSE(Leaving(t));
  ClickRow(t, 5, kEntry + 1500);  // too late: counts as a first click again
  EXPECT_FALSE(Leaving(t));
  ClickRow(t, 5, kEntry + 1800);
  EXPECT_TRUE(Leaving(t));
  RunFade(t, kEntry + 1900);
  EXPECT_EQ(t.fadeState, kProfilesDone);
  EXPECT_FALSE(t.discard);
}

TEST(Profiles, BackDiscardsEscapeKeepsAndDeleteLeavesLevelOne) {
  ProfilesState s = Open();
  const float buttonX = kProfileButtonX + 0.05f;
  const float deleteY = kProfileButtonTop[kProfileDelete - 1] + 0.03f;
  StepProfiles(s, At(kEntry + 600, buttonX, deleteY, 1));
  EXPECT_STREQ(s.table[2].name, "");
  EXPECT_EQ(s.table[2].highestLevel, 1);
  StepProfiles(s, At(kEntry + 610, buttonX, deleteY));
  const float backY = kProfileButtonTop[kProfileBack - 1] + 0.03f;
  EXPECT_TRUE(StepProfiles(s, At(kEntry + 620, buttonX, backY, 1)).playClick);
  EXPECT_TRUE(s.discard);
  EXPECT_EQ(s.fadeState, kProfilesFadingOut);

  ProfilesState e = Open();
  ProfilesInput escape = At(kEntry + 10);
  escape.escapeDown = true;
  StepProfiles(e, escape);
  EXPECT_EQ(e.fadeState, kProfilesFadingOut);
  EXPECT_FALSE(e.discard);
}

TEST(Profiles, KeyboardMovesRenamesClearsAndChooses) {
  ProfilesState s = Open(9);
  uint32_t t = kEntry + 600;
  Intents(s, kIntentDown, t += 10);
  EXPECT_EQ(s.selected, 0) << "the list wraps round";
  Intents(s, kIntentUp, t += 10);
  Intents(s, kIntentUp, t += 10);
  EXPECT_EQ(s.selected, 8);
  Intents(s, kIntentEdit, t += 10);
  ASSERT_TRUE(s.editing);
  // While a name is edited, Space and Enter are typing, not moves.
  ProfilesInput space = At(t += 10, s.mouseX, s.mouseY);
  space.typedKey = ' ';
  space.intents = kIntentPress;
  StepProfiles(s, space);
  EXPECT_STREQ(s.table[8].name, " ");
  EXPECT_NE(s.fadeState, kProfilesFadingOut);
  ProfilesInput enter = At(t += 100, s.mouseX, s.mouseY);
  enter.typedKey = 13;
  enter.intents = kIntentPress;
  StepProfiles(s, enter);
  EXPECT_FALSE(s.editing);
  EXPECT_NE(s.fadeState, kProfilesFadingOut);
  Intents(s, kIntentDelete, t += 10);
  EXPECT_EQ(s.table[8].highestLevel, 1);
  Intents(s, kIntentRight, t += 10);
  EXPECT_EQ(HighlightedProfileButton(s), kProfileChoose);
  Intents(s, kIntentDown, t += 10);
  EXPECT_EQ(HighlightedProfileButton(s), kProfileBack) << "the buttons wrap round too";
  Intents(s, kIntentUp, t += 10);
  EXPECT_TRUE(Intents(s, kIntentPress, t += 10).playClick);
  EXPECT_EQ(s.fadeState, kProfilesFadingOut);
  EXPECT_FALSE(s.discard);
  // The mouse moved: it owns the highlight again.
  StepProfiles(s, At(t += 10, 0.1f, 0.1f));
  EXPECT_EQ(HighlightedProfileButton(s), kProfileNoButton);
}
