// The options screen: effects, music and the full-screen resolution. The
// main menu's third button opens it.
#pragma once

// Returns after its fade-out, with "options.dat" written.
void RunOptionsScreen();
