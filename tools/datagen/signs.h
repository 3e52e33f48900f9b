// Signs for the scenes: a bevelled steel plate whose front carries a picture
// (credit lines, the title, the end greeting). The plate stands in the x-z
// plane, front facing -y, centred on the origin; its back is plain steel.
#pragma once
#include <string>
#include <vector>

#include "tools/datagen/model_kit.h"
#include "tools/datagen/text.h"

struct SignLine {
  std::string text;
  FontFace face = FontFace::Bold;
  float size = 1.0f;  // relative line height
  Colour colour{1.0f};
};

// A neutral grey plate with a border and rivets and the lines centred on it.
// Neutral backgrounds keep the model files small (runs of equal bytes).
Canvas SignPicture(int width, int height, const std::vector<SignLine>& lines);
// Adds the plate (frame, back) and its face with `picture`.
void AddSign(ModelKit& kit, const Canvas& picture, float width, float height, float depth, const glm::mat4& place);
