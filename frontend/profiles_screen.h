// The players screen: ten profiles to choose, rename or clear. The main
// menu's second button opens it.
#pragma once

// Returns after its fade-out. Leaving by choosing, by a second click on the
// selected profile or by Escape stores the ten profiles and makes the
// selected one current; leaving by the back button changes nothing.
void RunProfilesScreen();
