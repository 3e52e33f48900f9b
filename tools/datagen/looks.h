// The surface looks shared by the models: floor plates, walls, painted and
// bare metal, rubber, hazard stripes, glowing lamps. Each is a small
// procedural picture plus the layers that suit it.
#pragma once
#include <cstdint>

#include "tools/datagen/model_kit.h"

// The game's palette, one place to retune the whole set.
namespace palette {
const Colour kFloor = Rgb(58, 68, 82);
const Colour kFloorLine = Rgb(30, 36, 46);
const Colour kWall = Rgb(150, 158, 168);
const Colour kWallDark = Rgb(92, 100, 112);
const Colour kRobot = Rgb(240, 176, 40);
const Colour kRobotDark = Rgb(70, 74, 82);
const Colour kBlue = Rgb(40, 120, 255);
const Colour kRed = Rgb(230, 40, 40);
const Colour kGreen = Rgb(40, 220, 90);
const Colour kOrange = Rgb(255, 140, 20);
const Colour kPurple = Rgb(190, 70, 255);
const Colour kHazard = Rgb(250, 200, 30);
const Colour kSteel = Rgb(170, 178, 188);
}  // namespace palette

SurfaceLook FloorLook();                              // the board's plate, a little see-through for reflections
SurfaceLook WallLook(uint32_t salt);                  // riveted grey wall panel
SurfaceLook PaintLook(Colour colour, uint32_t salt);  // painted metal, slightly worn
SurfaceLook MetalLook(Colour colour, float shine);    // bare metal with sphere-map shine
SurfaceLook RubberLook();                             // dark rubber (tracks, roller sleeves)
SurfaceLook HazardLook();                             // yellow and black stripes
SurfaceLook LampLook(Colour colour);                  // dark glass with a glow layer
Canvas GlowPicture(Colour colour);                    // flat colour for glow-only materials
// A strip of the same colour from dark (u = 0) to bright (u = 1), for glows
// whose brightness is animated by moving their texture coordinates.
Canvas GlowRamp(Colour colour);
