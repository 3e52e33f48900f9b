// The look of the game's flat pictures: steel plates with rivets, buttons in
// a normal and a highlighted state, translucent panels and text labels. Sizes
// are given in screen fractions and drawn at 1280 x 960, the size at which
// each picture covers its place on the screen pixel for pixel.
#pragma once
#include <string>

#include "tools/datagen/canvas.h"
#include "tools/datagen/text.h"

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 960;

namespace ui {
const Colour kText = Rgb(236, 240, 244);
const Colour kTextDark = Rgb(28, 24, 20);
const Colour kAccent = Rgb(244, 168, 40);
const Colour kAccentLight = Rgb(255, 224, 130);
const Colour kPlateTop = Rgb(66, 76, 92);
const Colour kPlateBottom = Rgb(34, 40, 50);
const Colour kEdge = Rgb(130, 144, 162);
}  // namespace ui

// A transparent canvas as large as `width` x `height` of the 1280 x 960 screen.
Canvas ScreenCanvas(float width, float height);
// A steel plate filling the canvas (with a margin), optionally highlighted.
void DrawPlate(Canvas& canvas, bool highlighted, float margin = 2.0f);
// A button: plate plus centred text.
Canvas ButtonPicture(float width, float height, const std::string& text, bool highlighted);
// A dark translucent panel with a light edge.
void DrawPanel(Canvas& canvas, glm::vec2 low, glm::vec2 high, float opacity);
// Text fitted into a box of the canvas (share of width and height), centred or left.
void DrawFittedText(Canvas& canvas, const std::string& text, glm::vec2 low, glm::vec2 high, Colour colour,
                    FontFace face = FontFace::Bold, bool centred = true, float outline = 0.0f);
// Splits text into lines that fit `maxWidth` pixels at the given size.
std::vector<std::string> WrapText(const std::string& text, FontFace face, int size, float maxWidth);
