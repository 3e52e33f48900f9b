// The message pump on a hidden window: events pushed into the platform's
// queue come out as cursor positions, typed keys, held keys and repaints (a
// close, which saves and ends the process, is tried in start-up's tests).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "input/keyboard.h"
#include "input/mouse.h"
#include "input/typed_keys.h"
#include "platform/events.h"
#include "platform/events_inject.h"
#include "platform/window.h"
#include "shell/desktop_keys.h"
#include "shell/main_window.h"
#include "shell/pump.h"
#include "shell/scratch_directory_test.h"
#include "shell/settings.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

class MessagePump : public ScratchDirectory {
 protected:
  static void SetUpTestSuite() {
    WindowConfig config;
    config.width = kWidth;
    config.height = kHeight;
    config.hidden = true;
    config.resizable = false;
    ASSERT_TRUE(PlatformCreateWindow(config));
    SetClientSize(kWidth, kHeight);
    InitInput(PlatformMouseDevice());
  }
  static void TearDownTestSuite() { PlatformDestroyWindow(); }
  void SetUp() override {
    ScratchDirectory::SetUp();
    Drain();
    ClearTypedKeys();
    ReleaseAllKeys();
    SetInputFocus(true);
  }
  void TearDown() override {
    Drain();
    ClearTypedKeys();
    ReleaseAllKeys();
    PlatformReleasePushedButtons();
    ScratchDirectory::TearDown();
  }
  // Empties the queue of whatever the window system said on its own.
  static void Drain() {
    for (int i = 0; i < 10; ++i) PumpMessages();
    ClearTypedKeys();
  }
  static std::vector<int32_t> TypedKeys() {
    std::vector<int32_t> keys;
    for (int32_t key = PopTypedKey(); key != 0; key = PopTypedKey()) keys.push_back(key);
    return keys;
  }
};

TEST_F(MessagePump, CursorIsNormalisedByTheClientSizeAndClampedIntoIt) {
  PlatformPushMouseMove(160, 360);
  PumpMessages();
  EXPECT_FLOAT_EQ(GetMouseX(), 0.25f);
  EXPECT_FLOAT_EQ(GetMouseY(), 0.75f);
  // Later messages of other kinds leave the cursor where it was.
  PlatformPushText("q");
  PumpMessages();
  EXPECT_FLOAT_EQ(GetMouseX(), 0.25f);

  ASSERT_TRUE(PlatformPushMouseMove(kWidth + 10, -1));
  PumpMessages();
  EXPECT_EQ(GetCursorX(), kWidth - 1);
  EXPECT_EQ(GetCursorY(), 0);
  EXPECT_LT(GetMouseX(), 1.0f);
  EXPECT_GT(GetMouseX(), 0.99f);
  EXPECT_FLOAT_EQ(GetMouseY(), 0.0f);
  PlatformPushMouseMove(-50, kHeight + 300);
  PumpMessages();
  EXPECT_EQ(GetCursorX(), 0);
  EXPECT_EQ(GetCursorY(), kHeight - 1);
}

// Text comes as signed bytes; navigation and control keys queue their codes,
// also when held; other keys queue nothing.
TEST_F(MessagePump, TypedTextAndKeysQueueInOrder) {
  PlatformPushText("ab");
  PlatformPushText("\xC4\x85");  // a Polish letter: its two UTF-8 bytes
  for (int key : std::initializer_list<int>{VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN,
                                            VK_DELETE, 'A', '7', VK_CONTROL, VK_BACK, VK_RETURN, VK_ESCAPE}) {
    PlatformPushKey(key, true);
    PlatformPushKey(key, false);
  }
  PlatformPushKey(VK_DOWN, true);
  PlatformPushKey(VK_DOWN, true, true);
  PumpMessages();
  EXPECT_EQ(TypedKeys(), (std::vector<int32_t>{'a', 'b', -60, -123, kKeyPageUp, kKeyPageDown, kKeyEnd, kKeyHome,
                                               kKeyLeft, kKeyUp, kKeyRight, kKeyDown, kKeyDelete, 8, 13, 27, kKeyDown,
                                               kKeyDown}));
  WindowMessage message;  // a repeat count queues the character that many times
  message.kind = kMessageChar;
  message.code = 0xB9;  // the byte as it may come from a wider source
  message.repeat = 3;
  WindowProc(message);
  EXPECT_EQ(TypedKeys(), (std::vector<int32_t>{-71, -71, -71}));
}

TEST_F(MessagePump, HandlesAtMostEightyMessagesPerCall) {
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(PlatformPushText("x"));
  PumpMessages();
  EXPECT_EQ(TypedKeys().size(), 80u);
  PumpMessages();
  EXPECT_EQ(TypedKeys().size(), 20u);
  PumpMessages();  // an empty queue: returns at once
  EXPECT_TRUE(TypedKeys().empty());
}

TEST_F(MessagePump, HeldKeysAndButtonsFollowDownUpAndTheFocus) {
  PlatformPushKey(VK_SPACE, true);
  PlatformPushKey('W', true);
  PlatformPushMouseButton(0, true);
  PlatformPushMouseButton(1, true);
  PumpMessages();
  EXPECT_NE(IsKeyDown(VK_SPACE), 0);
  EXPECT_NE(IsKeyDown('W'), 0);
  EXPECT_EQ(GetMouseButtons() & 0x3u, 0x3u);
  PlatformPushKey(VK_SPACE, false);
  PlatformPushMouseButton(0, false);
  PumpMessages();
  EXPECT_EQ(IsKeyDown(VK_SPACE), 0);
  EXPECT_NE(IsKeyDown('W'), 0);
  EXPECT_EQ(GetMouseButtons() & 0x3u, 0x2u);
  // Losing the focus lets go of every key; they are not held again on return.
  PlatformPushFocus(false);
  PumpMessages();
  EXPECT_EQ(IsKeyDown('W'), 0);
  PlatformPushFocus(true);
  PumpMessages();
  EXPECT_EQ(IsKeyDown('W'), 0);
}

int repaints = 0;
void CountRepaint() { ++repaints; }

std::vector<std::string> savedFrames;
bool RecordFrame(const char* path) {
  savedFrames.push_back(path);
  return true;
}

// F11, F12, Alt+Enter and a resize belong to the window: every screen loop
// gets them through the pump, and no screen sees the keys as typed or held.
TEST_F(MessagePump, DesktopKeysActOncePerPressAndReachNoScreenAndResizesRepaint) {
  PlatformPushResize(800, 600);
  PumpMessages();  // no device yet: nothing happens
  SetResizeRepaint(CountRepaint);
  repaints = 0;
  PlatformPushResize(700, 500);
  PumpMessages();
  SetResizeRepaint(nullptr);
  EXPECT_EQ(repaints, 1);

  setenv("XDG_CONFIG_HOME", scratch.c_str(), 1);  // no user-dirs.dirs: shots go to the play folder
  SetFrameSaver(RecordFrame);
  savedFrames.clear();
  PlatformPushKey(VK_F12, true);
  PlatformPushKey(VK_F12, true, true);  // held: no second shot
  PlatformPushKey(VK_F12, false);
  PlatformPushKey(VK_MENU, true);
  PlatformPushKey(VK_RETURN, true);
  PumpMessages();
  EXPECT_TRUE(savedFrames.empty());  // taken when the next frame is shown
  SaveRequestedScreenshot();
  SaveRequestedScreenshot();
  SetFrameSaver(nullptr);
  unsetenv("XDG_CONFIG_HOME");
  ASSERT_EQ(savedFrames.size(), 1u);
  EXPECT_EQ(std::filesystem::path(savedFrames[0]).parent_path(), ".");
  EXPECT_EQ(std::filesystem::path(savedFrames[0]).filename().string().rfind("rivet-run-2", 0), 0u);
  EXPECT_TRUE(PlatformIsFullScreen());
  EXPECT_TRUE(TypedKeys().empty());
  EXPECT_EQ(IsKeyDown(VK_RETURN), 0);
  EXPECT_EQ(ReadWindowedChoice(), 0);  // kept for the next start; the program's F11 run switches back
  PlatformPushKey(VK_MENU, false);
  PlatformPushKey(VK_F11, true);
  PumpMessages();
  EXPECT_FALSE(PlatformIsFullScreen());
}

}  // namespace
