// The window's frame as the render queue's view rectangle.
#include "gameplay/screen_view.h"

#include "graphics/render_queue.h"
#include "shell/main_window.h"

void SetWindowViewRect() { SetViewRect(0, 2000, 0, 0, GetClientWidth(), GetClientHeight(), 0, 0); }
