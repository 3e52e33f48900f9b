// The menus' run-log lines.
#include "frontend/menu_log.h"

#include "gameplay/scripted_run.h"

void LogMenuScreen(const char* name) { LogRunEvent("menu %s", name); }
