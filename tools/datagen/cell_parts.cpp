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

namespace {
// The door's sign, flat at height z: blue a ring, red a cross.
Mesh DoorSign(bool blue, float size, float z) {
  if (blue) return MakeRing(size * 0.58f, size, z, 24);
  Mesh cross;
  const float t = size * 0.26f;
  cross.Append(MakeFlatOutline({{-size, -size + t}, {-size + t, -size}, {size, size - t}, {size - t, size}}, z));
  cross.Append(MakeFlatOutline({{size - t, -size}, {size, -size + t}, {-size + t, size}, {-size, size - t}}, z));
  return cross;
}
}  // namespace

void AddDoor(ModelKit& kit, DoorColour colour) {
  bool blue = colour == DoorColour::Blue;
  Colour tint = blue ? palette::kBlue : palette::kRed;
  int rim = kit.AddMaterial("door rim", PaintLook(Scaled(tint, 0.8f), blue ? 30 : 31));
  // The block is painted darker than the rim and barely glossy: lit from
  // above, its top would otherwise wash out towards white, and a washed-out
  // red reads as a grey wall to players who do not see red.
  SurfaceLook blockLook = PaintLook(Scaled(tint, blue ? 0.85f : 0.7f), blue ? 32 : 33);
  blockLook.specular = 0.05f;
  blockLook.shine = 0.0f;
  int block = kit.AddMaterial("door block", blockLook);
  int mark = kit.AddMaterial("door marking", LampLook(blue ? Rgb(200, 235, 255) : Rgb(255, 235, 150)));
  int paint = kit.AddMaterial("door paint", LampLook(tint));
  // A closed door is a coloured block filling its cell, so it reads the same
  // whichever way its corridor runs; open, it sinks under the floor and
  // leaves its coloured rim and its sign painted on the floor. The colour
  // also shows by shape: blue is round (a ring, round corner studs), red
  // angular (a cross, square corner studs).
  Mesh frame;
  for (int i = 0; i < 4; ++i) {
    Mesh side = MakeBox({-0.96f, -0.96f, 0.0f}, {0.96f, -0.8f, 0.07f});
    side.Transform(RotationZ(90.0f * float(i)));
    frame.Append(side);
  }
  for (float x : {-0.88f, 0.88f})
    for (float y : {-0.88f, 0.88f}) {
      if (blue) frame.Append(Transformed(MakeCylinder(0.11f, 0.11f, 0.0f, 0.16f, 12), Translation({x, y, 0})));
      else frame.Append(MakeBevelBox({x - 0.1f, y - 0.1f, 0.0f}, {x + 0.1f, y + 0.1f, 0.16f}, 0.02f));
    }
  kit.AddStill("rim", rim, frame);
  kit.AddStill("floor sign", paint, DoorSign(blue, 0.5f, 0.012f));
  // Frames 0..4 lower the block from closed to below the floor.
  auto top = [](int f) { return 1.4f - 1.75f * float(f) / 4.0f; };
  kit.AddAnimated("block", block, [&](int f) {
    return MakeBevelBox({-0.78f, -0.78f, top(f) - 1.4f}, {0.78f, 0.78f, top(f)}, 0.06f);
  });
  kit.AddAnimated("marking", mark, [&](int f) { return DoorSign(blue, 0.66f, top(f) + 0.005f); });
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
