// Composing a menu frame.
#include "frontend/menu_frame.h"

#include "frontend/font_text.h"
#include "frontend/menu_assets.h"
#include "graphics/menu_helpers.h"
#include "graphics/render_device.h"
#include "graphics/render_queue.h"
#include "input/mouse.h"
#include "shell/main_window.h"

void BeginMenuFrame() {
  SetViewRect(0, 2000, 0, 0, GetClientWidth(), GetClientHeight(), 0, 0);
  SetLight(255.0f, 255.0f, 255.0f, 0, 0, 0, 0, -20.0f, 20.0f);
  ApplyMenuCamera();
  LoadMenuScenes();
  QueueModel(&GetMenuAssets().scene, 0, 0, 0, 0, 0, 0, menuSpin);
}

void DrawMenuScene() { RenderFrame(0, 0, 1, 1); }

void QueueMenuImage(const Image& image, float x, float y, float width, float height, float opacity) {
  QueueImage(&image, x, y, width, height, -1.0f, opacity, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
}

void FinishMenuFrame(float fade, bool withCursor) {
  if (withCursor) QueueMenuImage(GetMenuAssets().cursor, GetMouseX(), GetMouseY(), 0.0375f, 0.0375f);
  QueueFadeOverlay(fade);
  RenderFrame(1, 1, 1, 1);
}
