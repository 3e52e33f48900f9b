// The menu camera: from in front of the ring of rollers, a little above it,
// looking up at the sign and the gears so they fill the screen above and
// beside the buttons.
#include "tools/datagen/menu_camera.h"

std::string MenuCameraText() { return "0 -30 12  0 4 7  0 0 1  60\n"; }
