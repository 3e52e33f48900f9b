// Scripts as a tester writes them, and what a damaged script does.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gameplay/script_file.h"

namespace {
std::vector<ScriptEvent> Parse(const std::string& text) {
  std::vector<ScriptEvent> events;
  std::string error;
  EXPECT_TRUE(ParseScript(text, &events, &error)) << error;
  return events;
}

std::string ErrorOf(const std::string& text) {
  std::vector<ScriptEvent> events = {ScriptEvent{}};
  std::string error;
  EXPECT_FALSE(ParseScript(text, &events, &error)) << text;
  EXPECT_TRUE(events.empty());
  return error;
}
}  // namespace

TEST(ScriptFile, EveryActionWithCommentsBlankLinesAndOrderByTime) {
  const auto e = Parse(
      "# level 1\n"
      "\n"
      "900 mouse 0.5 0.25   # centre top\n"
      "500 tap Enter\n"
      "500 down left\n"
      "600 type Ala ma kota\n"
      "950 button 0 down\n"
      "960 button 0 UP\n"
      "1000 shot out/frame.png\n"
      "9000 quit\r\n"
      "9500 mark after the end\n");
  ASSERT_EQ(e.size(), 10u);
  EXPECT_EQ(e[0].action, kScriptKeyDown);  // tap: down now...
  EXPECT_EQ(e[0].code, 13);
  EXPECT_EQ(e[1].action, kScriptKeyDown);  // same time: file order kept
  EXPECT_EQ(e[1].code, 37);
  EXPECT_EQ(e[2].action, kScriptKeyUp);    // ...and up 40 ms later
  EXPECT_EQ(e[2].time, 540u);
  EXPECT_EQ(e[3].text, "Ala ma kota");
  EXPECT_EQ(e[4].action, kScriptMouseMove);
  EXPECT_FLOAT_EQ(e[4].y, 0.25f);
  EXPECT_EQ(e[6].action, kScriptButtonUp);
  EXPECT_EQ(e[7].text, "out/frame.png");
  EXPECT_EQ(e[8].action, kScriptQuit);
  EXPECT_EQ(e[8].time, 9000u);
  EXPECT_EQ(e[9].action, kScriptMark);
  EXPECT_EQ(e[9].text, "after the end");
}

// A real Space, letter or digit key also types its character (the pause
// takes Space as a typed key); Enter and Esc type through the key path.
TEST(ScriptFile, KeyNamesCoverTheGamesKeysAndPrintableOnesType) {
  const struct {
    const char* name;
    int key;
    const char* typed;
  } keys[] = {{"Esc", 27, nullptr},  {"ESCAPE", 27, nullptr}, {"space", 32, " "}, {"Down", 40, nullptr},
              {"z", 'Z', "z"},       {"A", 'A', "a"},         {"7", '7', "7"},   {"Enter", 13, nullptr},
              {"F13", 0, nullptr},   {"", 0, nullptr}};
  for (const auto& k : keys) {
    EXPECT_EQ(VirtualKeyFromName(k.name), k.key) << k.name;
    const char* typed = TypedTextOfKey(k.key);
    EXPECT_STREQ(typed, k.typed) << k.name;
  }
}

TEST(ScriptFile, BadLinesAreReportedWithTheirNumberAndNothingRuns) {
  EXPECT_EQ(ErrorOf("100 tap Enter\nabc tap Enter\n"), "line 2: the time is not a number of milliseconds");
  EXPECT_NE(ErrorOf("100 tap Hyper\n").find("unknown key"), std::string::npos);
  EXPECT_NE(ErrorOf("100 mouse 1.5 0\n").find("fractions"), std::string::npos);
  EXPECT_NE(ErrorOf("100 mouse nan 0\n").find("fractions"), std::string::npos);
  EXPECT_NE(ErrorOf("100 button 9 down\n").find("0..7"), std::string::npos);
  EXPECT_NE(ErrorOf("100 jump\n").find("unknown action"), std::string::npos);
  EXPECT_NE(ErrorOf("100 pad button z down\n").find("unknown pad button"), std::string::npos);
  EXPECT_NE(ErrorOf("100 pad button a held\n").find("down or up"), std::string::npos);
  EXPECT_NE(ErrorOf("100 pad axis leftx 1.5\n").find("-1 to 1"), std::string::npos);
  EXPECT_NE(ErrorOf("100 pad axis leftx nan\n").find("-1 to 1"), std::string::npos);
  EXPECT_NE(ErrorOf("100 pad axis lefttrigger\n").find("-1 to 1"), std::string::npos);
  EXPECT_NE(ErrorOf("100 pad shake\n").find("attach"), std::string::npos);
  EXPECT_NE(ErrorOf("100 pad attach now\n").find("unexpected"), std::string::npos);
  EXPECT_NE(ErrorOf("100 quit now\n").find("unexpected"), std::string::npos);
  EXPECT_NE(ErrorOf("99999999999 quit\n").find("time"), std::string::npos);
  EXPECT_NE(ErrorOf("100 type \n").find("type"), std::string::npos);
  EXPECT_NE(ErrorOf(std::string("100 tap Enter\n\0\x01\xff", 17)).find("line 2"), std::string::npos);
}

TEST(ScriptFile, DueEventsComeOutInOrderOnce) {
  const auto e = Parse("10 tap A\n30 tap B\n");
  ScriptCursor cursor{&e, 0};
  EXPECT_EQ(TakeDueEvent(cursor, 5), nullptr);
  std::string seen;
  for (uint32_t t : {10u, 45u, 200u}) {
    while (const ScriptEvent* ev = TakeDueEvent(cursor, t)) {
      seen += std::to_string(ev->time) + (ev->action == kScriptKeyDown ? "d " : "u ");
    }
  }
  EXPECT_EQ(seen, "10d 30d 50u 70u ");
  EXPECT_EQ(TakeDueEvent(cursor, 100000), nullptr);
}

TEST(ScriptFile, APressAndItsReleaseNeverShareAFrame) {
  // A slow virtual clock: both ends of the tap fall into one frame.
  const auto e = Parse("100 tap Enter\n100 button 0 down\n120 button 0 up\n130 tap Space\n");
  ScriptCursor cursor{&e, 0};
  auto actions = [](const std::vector<const ScriptEvent*>& frame) {
    std::string s;
    for (const ScriptEvent* ev : frame) s += std::to_string(ev->action) + ":" + std::to_string(ev->code) + " ";
    return s;
  };
  // Enter down, button down; the button's release waits, and all after it.
  EXPECT_EQ(actions(TakeFrameEvents(cursor, 200)), "0:13 4:0 ");
  // Then: button up, Space down, Enter up; Space up waits again.
  EXPECT_EQ(actions(TakeFrameEvents(cursor, 300)), "5:0 0:32 1:13 ");
  EXPECT_EQ(actions(TakeFrameEvents(cursor, 400)), "1:32 ");
  EXPECT_TRUE(TakeFrameEvents(cursor, 500).empty());
  // A pad's press and release, or two settings of one axis, never share a
  // frame either; nor does pulling the pad out with what it just did.
  const auto p = Parse(
      "0 pad attach\n0 pad button A down\n0 pad axis LeftX -0.5\n0 pad button a up\n"
      "100 pad axis leftx 0\n100 pad axis lefty 1\n100 pad detach\n");
  ScriptCursor pad{&p, 0};
  EXPECT_EQ(actions(TakeFrameEvents(pad, 100)), "9:0 11:0 13:0 ");
  EXPECT_EQ(actions(TakeFrameEvents(pad, 200)), "12:0 13:0 13:1 ");
  EXPECT_EQ(actions(TakeFrameEvents(pad, 300)), "10:0 ");
  EXPECT_FLOAT_EQ(p[2].x, -0.5f);
  // A key and a button with the same number are different things.
  const auto f = Parse("10 down A\n10 button 0 down\n10 up Left\n");
  ScriptCursor other{&f, 0};
  EXPECT_EQ(TakeFrameEvents(other, 10).size(), 3u);
}

// The README's measured runs: each reads and marks two moments.
TEST(ScriptFile, TheMeasuredRunsReadAndMarkTwoMoments) {
  const char* source = std::getenv("RR_SOURCE_DIR");
  if (source == nullptr) GTEST_SKIP() << "RR_SOURCE_DIR is not set";
  for (const char* name : {"gameplay/play_screen_measure.txt", "gameplay/play_screen_moving_measure.txt",
                           "frontend/main_menu_measure.txt", "frontend/play_screen_measure.txt"}) {
    std::ifstream file(std::string(source) + "/" + name);
    ASSERT_TRUE(file) << name;
    std::stringstream text;
    text << file.rdbuf();
    int marks = 0;
    for (const ScriptEvent& e : Parse(text.str())) marks += e.action == kScriptMark;
    EXPECT_EQ(marks, 2) << name;
  }
}
