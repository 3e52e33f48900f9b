// The credits: seven scenes flying in, turning and flying past. The main
// menu's fourth button opens it.
#pragma once

// Returns to the main menu after Escape or a click.
void RunCreditsScreen();
