// Pieces shared by the board's cell models.
#include "tools/datagen/cell_parts.h"

#include <algorithm>
#include <cmath>

#include "tools/datagen/looks.h"
#include "tools/datagen/shapes.h"

void AddFloorPlate(ModelKit& kit) {
  int floor = kit.AddMaterial("floor", FloorLook());
  kit.AddStill("floor", floor, MakeQuad({-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}));
}

void AddRollers(ModelKit& kit, RollerStyle style) {
  int frame = kit.AddMaterial("roller frame", style == RollerStyle::Striped ? HazardLook() : PaintLook(Rgb(80, 88, 100), 21));
  int steel = kit.AddMaterial("roller", MetalLook(style == RollerStyle::Railed ? Rgb(200, 150, 90) : palette::kSteel, 0.45f));
  int pit = kit.AddMaterial("roller pit", PaintLook(Rgb(22, 24, 28), 22));
  int arrow = kit.AddMaterial("travel arrows", LampLook(palette::kHazard));
  Mesh base = MakeBox({-1, -0.9f, -0.12f}, {1, 0.9f, -0.05f});
  kit.AddStill("pit", pit, base);
  // Side rails along the direction of travel.
  float railHeight = style == RollerStyle::Railed ? 0.45f : 0.26f;
  Mesh rails;
  for (float y : {-0.92f, 0.92f}) rails.Append(MakeBevelBox({-1, y - 0.07f, -0.12f}, {1, y + 0.07f, railHeight}, 0.03f));
  kit.AddStill("rails", frame, rails);
  Mesh rollers;
  for (int i = 0; i < 5; ++i) {
    float x = -0.8f + 0.4f * float(i);
    Mesh roller = MakeCylinder(0.17f, 0.17f, -0.86f, 0.86f, 12, true);
    roller.Transform(Translation({x, 0, 0.1f}) * RotationX(90.0f));
    rollers.Append(roller);
  }
  kit.AddStill("rollers", steel, rollers);
  // Double arrows on both rails show the axis the rollers carry along.
  Mesh arrows;
  for (float y : {-0.92f, 0.92f}) {
    for (float dir : {-1.0f, 1.0f}) {
      std::vector<glm::vec2> head = {{dir * 0.95f, y}, {dir * 0.65f, y + 0.06f}, {dir * 0.65f, y - 0.06f}};
      if (dir < 0) std::reverse(head.begin(), head.end());
      arrows.Append(MakeFlatOutline(head, railHeight + 0.005f));
    }
    arrows.Append(MakeFlatOutline({{-0.65f, y - 0.02f}, {0.65f, y - 0.02f}, {0.65f, y + 0.02f}, {-0.65f, y + 0.02f}},
                                  railHeight + 0.005f));
  }
  kit.AddStill("arrows", arrow, arrows);
}

void AddDoor(ModelKit& kit, DoorColour colour) {
  bool blue = colour == DoorColour::Blue;
  Colour tint = blue ? palette::kBlue : palette::kRed;
  int frame = kit.AddMaterial("door frame", PaintLook(Scaled(tint, 0.75f), blue ? 30 : 31));
  int panel = kit.AddMaterial("door panel", PaintLook(tint, blue ? 32 : 33));
  int mark = kit.AddMaterial("door marking", LampLook(blue ? Rgb(190, 230, 255) : Rgb(255, 220, 120)));
  // The door's colour also shows by shape: blue is round (round posts, studs,
  // rings), red is angular (square posts, saw teeth, crosses).
  Mesh posts;
  for (float y : {-0.82f, 0.82f}) {
    if (blue) posts.Append(Transformed(MakeCylinder(0.17f, 0.17f, 0.0f, 1.9f, 14), Translation({0, y, 0})));
    else posts.Append(MakeBevelBox({-0.18f, y - 0.16f, 0.0f}, {0.18f, y + 0.16f, 1.9f}, 0.04f));
  }
  posts.Append(MakeBevelBox({-0.2f, -1.0f, 1.85f}, {0.2f, 1.0f, 2.05f}, 0.04f));  // lintel
  // A sill across the cell in the door's colour stays visible while the door is open.
  posts.Append(MakeBevelBox({-0.3f, -0.7f, 0.0f}, {0.3f, 0.7f, 0.06f}, 0.02f));
  kit.AddStill("frame", frame, posts);
  const float fullHeight = 1.8f;
  auto panelHeight = [&](int f) { return std::max(fullHeight * (1.0f - float(f) / 4.0f), 0.05f); };
  kit.AddAnimated("panel", panel, [&](int f) {
    float h = panelHeight(f);
    return MakeBevelBox({-0.13f, -0.7f, 0.0f}, {0.13f, 0.7f, h}, std::min(0.04f, h * 0.3f));
  });
  // Symbols on both faces of the panel, sinking with it.
  kit.AddAnimated("marking", mark, [&](int f) {
    float h = panelHeight(f);
    Mesh m;
    float mid = h * 0.5f, size = std::min(0.42f, h * 0.4f);
    for (float side : {-1.0f, 1.0f}) {
      Mesh symbol;
      if (blue) {
        symbol = MakeRing(size * 0.55f, size, 0.0f, 20);
      } else {
        float t = size * 0.22f;
        symbol.Append(MakeFlatOutline({{-size, -size + t}, {-size + t, -size}, {size, size - t}, {size - t, size}}, 0.0f));
        symbol.Append(MakeFlatOutline({{size - t, -size}, {size, -size + t}, {-size + t, size}, {-size, size - t}}, 0.0f));
      }
      // Stand the symbol up on the panel face (normal along +x or -x).
      symbol.Transform(Translation({side * 0.135f, 0, mid}) * RotationZ(side > 0 ? 90.0f : -90.0f) * RotationX(90.0f));
      m.Append(symbol);
    }
    return m;
  });
  // On top of the lintel, seen from the play camera: round studs or saw teeth.
  Mesh top;
  for (int i = 0; i < 4; ++i) {
    float y = -0.66f + 0.44f * float(i);
    if (blue) top.Append(Transformed(MakeLathe({{0.0f, 2.05f}, {0.13f, 2.05f}, {0.11f, 2.13f}, {0.0f, 2.16f}}, 12, true), Translation({0, y, 0})));
    else top.Append(MakePrism({{-0.12f, y - 0.14f}, {0.12f, y - 0.14f}, {0.12f, y + 0.14f}, {-0.12f, y + 0.14f}}, 2.05f, 2.18f, 0.12f));
  }
  kit.AddStill("lintel marks", mark, top);
}

void AddMine(ModelKit& kit, float base) {
  int shell = kit.AddMaterial("mine shell", MetalLook(Rgb(60, 62, 70), 0.35f));
  int spike = kit.AddMaterial("mine spikes", MetalLook(Rgb(150, 155, 160), 0.5f));
  int lamp = kit.AddMaterial("mine lamp", LampLook(palette::kRed));
  int band = kit.AddMaterial("mine band", HazardLook());
  Mesh body = MakeLathe({{0.0f, base}, {0.55f, base}, {0.62f, base + 0.12f}, {0.6f, base + 0.28f}, {0.42f, base + 0.45f},
                         {0.18f, base + 0.52f}, {0.0f, base + 0.53f}},
                        18, true);
  kit.AddStill("mine", shell, body);
  kit.AddStill("band", band, MakeCylinder(0.625f, 0.625f, base + 0.1f, base + 0.2f, 18, false));
  Mesh spikes;
  for (int i = 0; i < 6; ++i) {
    Mesh s = MakeCylinder(0.06f, 0.0f, 0.0f, 0.3f, 6, false);
    s.Transform(RotationZ(60.0f * float(i)) * Translation({0.5f, 0, base + 0.32f}) * RotationY(55.0f));
    spikes.Append(s);
  }
  kit.AddStill("spikes", spike, spikes);
  kit.AddStill("lamp", lamp, Transformed(MakeSphere(0.13f, 10, 6), Translation({0, 0, base + 0.55f})));
}
