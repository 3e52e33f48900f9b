// Signs with pictures on their faces.
#include "tools/datagen/signs.h"

#include <algorithm>

#include "tools/datagen/looks.h"
#include "tools/datagen/shapes.h"

Canvas SignPicture(int width, int height, const std::vector<SignLine>& lines) {
  Canvas c(width, height, Rgb(44, 44, 44));
  float w = float(width), h = float(height);
  float border = std::max(4.0f, h * 0.035f);
  c.Fill(Outlined(RoundRectShape({border, border}, {w - border, h - border}, border), border * 0.35f), Rgb(120, 120, 120));
  float rivet = border * 0.55f;
  for (glm::vec2 at : {glm::vec2(border * 2.2f, border * 2.2f), glm::vec2(w - border * 2.2f, border * 2.2f),
                       glm::vec2(border * 2.2f, h - border * 2.2f), glm::vec2(w - border * 2.2f, h - border * 2.2f)}) {
    c.Fill(CircleShape(at, rivet), Rgb(150, 150, 150));
    c.Fill(CircleShape(at - rivet * 0.3f, rivet * 0.4f), Rgb(210, 210, 210));
  }
  float total = 0.0f;
  for (const SignLine& line : lines) total += line.size;
  float usable = h - 6.0f * border, unit = usable / std::max(total, 1.0f);
  float y = 3.0f * border;
  for (const SignLine& line : lines) {
    float lineHeight = unit * line.size;
    if (!line.text.empty()) {
      TextStyle style;
      style.face = line.face;
      style.size = FitTextSize(line.text, line.face, w - 8.0f * border, lineHeight * 0.72f, 300);
      style.fill = line.colour;
      style.shadow = Colour(0.0f, 0.0f, 0.0f, 0.7f);
      style.shadowOffset = glm::vec2(std::max(2.0f, lineHeight * 0.04f));
      DrawTextCentred(c, line.text, {w * 0.5f, y + lineHeight * 0.5f}, style);
    }
    y += lineHeight;
  }
  return c;
}

void AddSign(ModelKit& kit, const Canvas& picture, float width, float height, float depth, const glm::mat4& place) {
  SurfaceLook faceLook;
  faceLook.pattern = picture;
  faceLook.bands = 1;
  faceLook.specular = 0.15f;
  int face = kit.AddMaterial("sign face", faceLook);
  SurfaceLook frameLook = MetalLook(Rgb(128, 128, 128), 0.4f);
  int frame = kit.AddMaterial("sign frame", frameLook);
  float hw = width * 0.5f, hh = height * 0.5f;
  Mesh front = MakeQuad({-hw, -0.001f, -hh}, {hw, -0.001f, -hh}, {hw, -0.001f, hh}, {-hw, -0.001f, hh});
  kit.AddStill("sign face", face, Transformed(front, place));
  Mesh body = MakeBox({-hw - 0.3f, 0.0f, -hh - 0.3f}, {hw + 0.3f, depth, hh + 0.3f});
  // Lip around the face so the picture sits in a frame.
  for (int side = 0; side < 4; ++side) {
    bool vertical = side < 2;
    float sign = (side % 2 == 0) ? -1.0f : 1.0f;
    Mesh lip = vertical ? MakeBox({sign * hw - 0.3f * (sign < 0), -0.25f, -hh - 0.3f}, {sign * hw + 0.3f * (sign > 0), 0.0f, hh + 0.3f})
                        : MakeBox({-hw - 0.3f, -0.25f, sign * hh - 0.3f * (sign < 0)}, {hw + 0.3f, 0.0f, sign * hh + 0.3f * (sign > 0)});
    body.Append(lip);
  }
  kit.AddStill("sign frame", frame, Transformed(body, place));
}
