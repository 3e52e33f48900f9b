// The play screen: the three difficulties, their level strips, and the play
// loop started from a chosen level. The main menu's first button opens it.
#pragma once

// Returns to the main menu when the player leaves with back or Escape.
void RunPlayScreen();
// The same, first playing level (1..45) as if it had been chosen on the
// screen: the command line's --level lands here when play is left.
void RunPlayScreenFromLevel(int level);
