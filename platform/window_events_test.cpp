// The window stand-in's own logic: the picture's place in a full-screen
// window, SDL's mouse buttons as the game's mask, and how one SDL event
// becomes window messages (a hidden window under the offscreen driver).
#include <gtest/gtest.h>

#include "input/keyboard.h"
#include "platform/events.h"
#include "platform/events_inject.h"
#include "platform/window.h"
#include "platform/window_internal.h"

namespace {

struct Rect {
  int x, y, w, h;
  bool operator==(const Rect&) const = default;
};
Rect Fit(int areaW, int areaH, int pictureW, int pictureH) {
  Rect r{};
  FitPictureRect(areaW, areaH, pictureW, pictureH, &r.x, &r.y, &r.w, &r.h);
  return r;
}

TEST(PictureRect, BarsBesideOrAboveAndNoDivisionByZero) {
  EXPECT_EQ(Fit(1920, 1080, 640, 480), (Rect{240, 0, 1440, 1080}));
  EXPECT_EQ(Fit(1366, 768, 800, 600), (Rect{171, 0, 1024, 768}));
  EXPECT_EQ(Fit(1280, 1024, 640, 480), (Rect{0, 32, 1280, 960}));
  EXPECT_EQ(Fit(1024, 768, 640, 480), (Rect{0, 0, 1024, 768}));
  EXPECT_EQ(Fit(800, 600, 0, 480), (Rect{0, 0, 800, 600}));
  EXPECT_EQ(Fit(0, 0, 640, 480), (Rect{0, 0, 0, 0}));
}

// SDL counts left, middle, right; the game left, right, middle.
TEST(MouseMask, SdlButtonsMapToTheGamesNumbering) {
  EXPECT_EQ(MouseMaskFromSdlButtons(SDL_BUTTON_LMASK | SDL_BUTTON_X2MASK), 1u | 16u);
  EXPECT_EQ(MouseMaskFromSdlButtons(SDL_BUTTON_RMASK), 2u);
  EXPECT_EQ(MouseMaskFromSdlButtons(SDL_BUTTON_MMASK | SDL_BUTTON_X1MASK), 4u | 8u);
}

class WindowMessages : public ::testing::Test {
 protected:
  void TearDown() override {
    PlatformDiscardPendingMessages();
    PlatformDestroyWindow();
    ReleaseAllKeys();
  }
  void Open(bool fullScreen) {
    WindowConfig config;
    config.width = 640;
    config.height = 480;
    config.hidden = true;
    config.fullScreen = fullScreen;
    ASSERT_TRUE(PlatformCreateWindow(config));
    WindowMessage message;
    while (PlatformPeekMessage(&message)) {
    }
  }
  std::vector<WindowMessage> Take() {
    std::vector<WindowMessage> messages;
    WindowMessage message;
    while (PlatformPeekMessage(&message)) {
      if (message.kind != kMessageNone) messages.push_back(message);
    }
    return messages;
  }
};

void PushKey(Uint32 type, SDL_Scancode scancode, Uint16 mod = KMOD_NONE) {
  SDL_Event event = {};
  event.type = type;
  event.key.keysym.scancode = scancode;
  event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
  event.key.keysym.mod = mod;
  SDL_PushEvent(&event);
}

TEST_F(WindowMessages, KeysTextAndCloseBecomeTheGamesMessages) {
  Open(false);
  // One text event gives one character message per byte.
  PlatformPushText("abc");
  std::vector<WindowMessage> messages = Take();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].code, 'a');
  EXPECT_EQ(messages[0].repeat, 1);
  EXPECT_EQ(messages[2].code, 'c');
  // Enter: the key goes down, then its character.
  PlatformPushKey(VK_RETURN, true);
  messages = Take();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].kind, kMessageKeyDown);
  EXPECT_EQ(messages[0].code, VK_RETURN);
  EXPECT_EQ(messages[1].kind, kMessageChar);
  EXPECT_EQ(messages[1].code, 13);
  EXPECT_NE(IsKeyDown(VK_RETURN), 0);

  // Either Control key holds Control until both are up.
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_LCTRL);
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_RCTRL);
  PushKey(SDL_KEYUP, SDL_SCANCODE_LCTRL);
  Take();
  EXPECT_NE(IsKeyDown(VK_CONTROL), 0);
  PushKey(SDL_KEYUP, SDL_SCANCODE_RCTRL);
  Take();
  EXPECT_EQ(IsKeyDown(VK_CONTROL), 0);

  // The number pad is arrows with Num Lock off, and its Enter is Enter.
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_KP_4);
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_KP_ENTER);
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_KP_8, KMOD_NUM);  // Num Lock on: a digit, typed as text
  messages = Take();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].code, VK_LEFT);
  EXPECT_EQ(messages[1].code, VK_RETURN);
  EXPECT_EQ(messages[2].code, 13);
  EXPECT_NE(IsKeyDown(VK_LEFT), 0);
  EXPECT_EQ(IsKeyDown(VK_UP), 0);
  // Num Lock switched on while the arrow is held: letting go still lets go.
  PushKey(SDL_KEYUP, SDL_SCANCODE_KP_4, KMOD_NUM);
  Take();
  EXPECT_EQ(IsKeyDown(VK_LEFT), 0);

  // An ignored event counts as taken but carries nothing.
  SDL_Event event = {};
  event.type = SDL_MOUSEWHEEL;
  SDL_PushEvent(&event);
  WindowMessage message;
  ASSERT_TRUE(PlatformPeekMessage(&message));
  EXPECT_EQ(message.kind, kMessageNone);
  EXPECT_FALSE(PlatformPeekMessage(&message));

  // Closing the window and quitting both mean destroy.
  PlatformPushClose();
  event.type = SDL_QUIT;
  SDL_PushEvent(&event);
  messages = Take();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].kind, kMessageDestroy);
  EXPECT_EQ(messages[1].kind, kMessageDestroy);
}

// The game's mouse is in 640x480 units: full screen inside the picture
// (negative in a bar), windowed over the window's current size.
TEST_F(WindowMessages, MouseIsMeasuredInThePicturesUnits) {
  Open(true);
  int windowW = 0, windowH = 0;
  SDL_GetWindowSize(PlatformSdlWindow(), &windowW, &windowH);
  Rect picture = Fit(windowW, windowH, 640, 480);
  PlatformPushMouseMove(picture.x + picture.w / 2, picture.y + picture.h / 2);
  PlatformPushMouseMove(picture.x, picture.y);
  PlatformPushMouseMove(picture.x - 5, picture.y - 5);  // in a bar, or beyond the window
  std::vector<WindowMessage> moves = Take();
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_NEAR(moves[0].x, 320, 1);
  EXPECT_NEAR(moves[0].y, 240, 1);
  EXPECT_EQ(moves[1].x, 0);
  EXPECT_EQ(moves[1].y, 0);
  EXPECT_LT(moves[2].x, 0);
  EXPECT_LT(moves[2].y, 0);
  PlatformDestroyWindow();

  Open(false);
  SDL_SetWindowSize(PlatformSdlWindow(), 1280, 960);
  SDL_GetWindowSize(PlatformSdlWindow(), &windowW, &windowH);
  PlatformPushMouseMove(windowW / 2, windowH / 4);
  moves = Take();
  ASSERT_FALSE(moves.empty());
  ASSERT_EQ(moves.back().kind, kMessageMouseMove);
  EXPECT_NEAR(moves.back().x, 320, 1);
  EXPECT_NEAR(moves.back().y, 120, 1);
}

}  // namespace
