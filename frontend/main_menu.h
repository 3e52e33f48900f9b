// The main menu: play, players, options, credits and exit over the turning
// menu scene. Start-up runs it after loading; it returns when exit is chosen.
#pragma once

void RunMainMenu();
