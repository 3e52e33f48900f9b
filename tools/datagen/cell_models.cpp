// The board's cell models: floor, four wall pieces, doors and their switches,
// oil, exit, teleports and their markers, mine, cables, cloner, rollers.
// Seen from the play camera each kind must read at a glance: colours are
// backed by shapes (blue is round, red is angular; teleport colours carry a
// circle, a triangle and a square).
#include <cmath>

#include "tools/datagen/cell_parts.h"
#include "tools/datagen/looks.h"
#include "tools/datagen/model_jobs.h"
#include "tools/datagen/shapes.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kWallHeight = 2.0f;

// Walls fill their cell; a pipe along the top shows which way the wall runs.
enum class WallShape { Block, End, Straight, Corner };

ModelKit Wall(WallShape shape) {
  ModelKit kit(1);
  int wall = kit.AddMaterial("wall", WallLook(41 + uint32_t(shape)));
  int pipe = kit.AddMaterial("wall pipe", PaintLook(shape == WallShape::Block ? Rgb(104, 112, 124) : Rgb(176, 112, 56), 42));
  int trim = kit.AddMaterial("wall trim", HazardLook());
  kit.AddStill("block", wall, MakeBevelBox({-1, -1, 0}, {1, 1, kWallHeight}, 0.12f));
  kit.AddStill("trim", trim, MakeBox({-1.001f, -1.001f, 0.0f}, {1.001f, 1.001f, 0.18f}));
  Mesh pipes;
  float z = kWallHeight + 0.08f;
  auto run = [&](glm::vec3 a, glm::vec3 b) { pipes.Append(MakeTubePath({a, b}, 0.16f, 10)); };
  switch (shape) {
    case WallShape::Block: {
      // A low steel cap, no pipe: blocks fill whole areas of some levels and should recede.
      pipes.Append(MakeBevelBox({-0.62f, -0.62f, kWallHeight}, {0.62f, 0.62f, kWallHeight + 0.08f}, 0.05f));
      break;
    }
    case WallShape::End:
      run({0, 0, z}, {1.0f, 0, z});
      pipes.Append(Transformed(MakeSphere(0.24f, 12, 6), Translation({0, 0, z})));
      break;
    case WallShape::Straight:
      run({-1.0f, 0, z}, {1.0f, 0, z});
      break;
    case WallShape::Corner:
      run({0, 0, z}, {1.0f, 0, z});
      run({0, 0, z}, {0, 1.0f, z});
      pipes.Append(Transformed(MakeSphere(0.2f, 12, 6), Translation({0, 0, z})));
      break;
  }
  kit.AddStill("pipe", pipe, pipes);
  return kit;
}

ModelKit Floor() {
  ModelKit kit(1);
  AddFloorPlate(kit);
  return kit;
}

ModelKit Door(DoorColour colour, bool onRollers) {
  ModelKit kit(5);
  if (onRollers) AddRollers(kit, RollerStyle::Plain);
  else AddFloorPlate(kit);
  AddDoor(kit, colour);
  return kit;
}

// Switches: blue is a round push button, red a square one with a cross, each
// small on a wide plate so it does not pass for the door block it works.
ModelKit Switch(DoorColour colour) {
  ModelKit kit(1);
  AddFloorPlate(kit);
  bool blue = colour == DoorColour::Blue;
  int base = kit.AddMaterial("switch base", PaintLook(Rgb(60, 64, 72), 51));
  int cap = kit.AddMaterial("switch button", PaintLook(blue ? palette::kBlue : palette::kRed, 52));
  int light = kit.AddMaterial("switch light", LampLook(blue ? Rgb(150, 210, 255) : Rgb(255, 190, 120)));
  if (blue) {
    kit.AddStill("base", base, MakeCylinder(0.8f, 0.72f, 0.0f, 0.14f, 24));
    kit.AddStill("button", cap, MakeLathe({{0, 0.14f}, {0.38f, 0.14f}, {0.38f, 0.3f}, {0.3f, 0.38f}, {0, 0.4f}}, 24, true));
    kit.AddStill("light", light, MakeRing(0.6f, 0.7f, 0.145f, 24));
  } else {
    kit.AddStill("base", base, MakeBevelBox({-0.8f, -0.8f, 0.0f}, {0.8f, 0.8f, 0.14f}, 0.06f));
    kit.AddStill("button", cap, MakeBevelBox({-0.36f, -0.36f, 0.14f}, {0.36f, 0.36f, 0.36f}, 0.06f));
    Mesh cross;
    cross.Append(MakeFlatOutline({{-0.28f, -0.22f}, {-0.22f, -0.28f}, {0.28f, 0.22f}, {0.22f, 0.28f}}, 0.365f));
    cross.Append(MakeFlatOutline({{0.22f, -0.28f}, {0.28f, -0.22f}, {-0.22f, 0.28f}, {-0.28f, 0.22f}}, 0.365f));
    kit.AddStill("light", light, cross);
  }
  return kit;
}

std::vector<glm::vec2> Blob(float radius, uint32_t salt, int corners) {
  std::vector<glm::vec2> outline;
  for (int i = 0; i < corners; ++i) {
    float a = 2.0f * kPi * float(i) / float(corners);
    float r = radius * (0.75f + 0.35f * ValueNoise({float(i) * 0.7f, 0.0f}, salt));
    outline.push_back({r * std::cos(a), r * std::sin(a)});
  }
  return outline;
}

// Oil: a glossy black puddle with a rainbow sheen.
Canvas OilPicture() {
  const int n = 64;
  Canvas c(n, n, Rgb(16, 14, 20));
  c.Shade([](glm::vec2 p, Colour) {
    float swirl = FractalNoise(p / 14.0f, 64, 3);
    float band = 0.5f + 0.5f * std::sin(swirl * 18.0f);
    Colour sheen = Mix(Rgb(90, 40, 140), Rgb(30, 120, 110), band);
    return Mix(Rgb(14, 12, 18), sheen, 0.55f * band * band);
  });
  return c;
}

ModelKit Oil() {
  ModelKit kit(1);
  AddFloorPlate(kit);
  SurfaceLook oil;
  oil.pattern = OilPicture();
  oil.bands = 1;
  oil.specular = 0.8f;
  oil.glossiness = 0.9f;
  oil.shine = 0.6f;
  oil.shineTint = Rgb(200, 170, 255);
  int slick = kit.AddMaterial("oil", oil);
  Mesh puddle = MakeFlatOutline(Blob(0.85f, 61, 20), 0.015f);
  puddle.Append(Transformed(MakeFlatOutline(Blob(0.25f, 62, 10), 0.015f), Translation({0.75f, -0.7f, 0})));
  puddle.Append(Transformed(MakeFlatOutline(Blob(0.18f, 63, 9), 0.015f), Translation({-0.72f, 0.74f, 0})));
  kit.AddStill("oil", slick, puddle);
  return kit;
}

// Exit: a green hatch whose light rings rise and fade, one cycle over frames 0..10.
ModelKit Exit() {
  ModelKit kit(11);
  AddFloorPlate(kit);
  int rim = kit.AddMaterial("exit rim", PaintLook(Rgb(50, 60, 56), 71));
  // A dark hatch under four large bright chevrons: by lightness alone it
  // reads unlike any teleport's bright sign on a pad.
  int hatch = kit.AddMaterial("exit hatch", LampLook(Scaled(palette::kGreen, 0.5f)));
  int stripes = kit.AddMaterial("exit arrows", LampLook(Rgb(235, 255, 235)));
  kit.AddStill("rim", rim, MakeLathe({{0.92f, 0.0f}, {0.92f, 0.08f}, {0.78f, 0.1f}, {0.7f, 0.02f}}, 28));
  kit.AddStill("hatch", hatch, MakeRing(0.0f, 0.72f, 0.02f, 28));
  Mesh arrows;  // four chevrons pointing into the hatch
  for (int i = 0; i < 4; ++i) {
    Mesh chevron = MakeFlatOutline({{0.2f, 0.0f}, {0.66f, 0.38f}, {0.66f, 0.18f}, {0.42f, 0.0f}, {0.66f, -0.18f}, {0.66f, -0.38f}}, 0.03f);
    chevron.Transform(RotationZ(90.0f * float(i) + 45.0f));
    arrows.Append(chevron);
  }
  kit.AddStill("arrows", stripes, arrows);
  int glow = kit.AddGlowMaterial("exit light", GlowRamp(palette::kGreen));
  kit.AddAnimated("rings", glow, [](int f) {
    Mesh rings;
    for (int k = 0; k < 2; ++k) {
      float phase = std::fmod(float(f) / 10.0f + 0.5f * float(k), 1.0f);
      float radius = 0.7f * (1.0f - 0.45f * phase);
      float fade = std::sin(kPi * phase);
      Mesh ring = MakeTorus(std::max(radius, 0.01f), 0.05f * fade + 0.001f, 20, 5);
      ring.Transform(Translation({0, 0, 0.05f + 1.3f * phase}));
      for (MeshTriangle& t : ring.triangles)
        for (MeshVertex& v : t.v) v.uv = {0.05f + 0.9f * fade, 0.5f};
      rings.Append(ring);
    }
    return rings;
  });
  return kit;
}

enum class TeleportColour { Blue, Green, Orange };

Colour TeleportTint(TeleportColour c) {
  return c == TeleportColour::Blue ? Rgb(50, 150, 255) : c == TeleportColour::Green ? palette::kGreen : palette::kOrange;
}

// Circle for blue, triangle for green, square for orange.
std::vector<glm::vec2> TeleportSign(TeleportColour c, float size) {
  if (c == TeleportColour::Blue) return RegularOutline(20, size);
  if (c == TeleportColour::Green) return RegularOutline(3, size * 1.15f, 90.0f);
  return RegularOutline(4, size * 1.1f, 45.0f);
}

// A band along a sign's outline, between the sign at two sizes.
Mesh SignBand(TeleportColour colour, float outer, float inner, float z) {
  std::vector<glm::vec2> a = TeleportSign(colour, outer), b = TeleportSign(colour, inner);
  Mesh band;
  for (size_t i = 0; i < a.size(); ++i) {
    size_t j = (i + 1) % a.size();
    band.Append(MakeFlatOutline({b[i], b[j], a[j], a[i]}, z));
  }
  return band;
}

// A teleport is a pad in the shape of its colour's sign (round, triangular,
// square) with a glowing edge and the sign lit in the middle, so the shape
// tells the colours apart where the colours alone do not.
ModelKit Teleport(TeleportColour colour) {
  ModelKit kit(1);
  AddFloorPlate(kit);
  Colour tint = TeleportTint(colour);
  int pad = kit.AddMaterial("teleport pad", MetalLook(Rgb(70, 76, 90), 0.45f));
  int ring = kit.AddMaterial("teleport ring", LampLook(tint));
  int sign = kit.AddGlowMaterial("teleport sign", GlowPicture(Mix(tint, Colour(1.0f), 0.35f)));
  kit.AddStill("pad", pad, MakePrism(TeleportSign(colour, 0.86f), 0.0f, 0.22f, 0.04f));
  kit.AddStill("ring", ring, SignBand(colour, 0.82f, 0.65f, 0.225f));
  kit.AddStill("sign", sign, MakeFlatOutline(TeleportSign(colour, 0.4f), 0.226f));
  return kit;
}

// Markers are floor with the colour's sign painted large, as an outline,
// and small and filled in its middle; no pad.
ModelKit Marker(TeleportColour colour) {
  ModelKit kit(1);
  AddFloorPlate(kit);
  Colour tint = TeleportTint(colour);
  int paint = kit.AddMaterial("marker paint", LampLook(tint));
  Mesh target = SignBand(colour, 0.85f, 0.7f, 0.012f);
  target.Append(MakeFlatOutline(TeleportSign(colour, 0.26f), 0.012f));
  kit.AddStill("target", paint, target);
  return kit;
}

ModelKit Mine(bool onRollers) {
  ModelKit kit(1);
  if (onRollers) AddRollers(kit, RollerStyle::Plain);
  else AddFloorPlate(kit);
  AddMine(kit, onRollers ? 0.27f : 0.0f);
  return kit;
}

// Cables: a hazard-edged floor with loose live wires and sparks.
ModelKit Cables() {
  ModelKit kit(1);
  AddFloorPlate(kit);
  int border = kit.AddMaterial("cable border", HazardLook());
  Mesh edge;
  for (int i = 0; i < 4; ++i) {
    Mesh strip = MakeBox({-1.0f, -1.0f, 0.0f}, {1.0f, -0.84f, 0.04f});
    strip.Transform(RotationZ(90.0f * float(i)));
    edge.Append(strip);
  }
  kit.AddStill("border", border, edge);
  const Colour colours[3] = {Rgb(40, 40, 44), Rgb(200, 60, 30), Rgb(30, 90, 200)};
  for (int c = 0; c < 3; ++c) {
    int cable = kit.AddMaterial("cable", PaintLook(colours[c], 81 + uint32_t(c)));
    std::vector<glm::vec3> path;
    for (int i = 0; i <= 16; ++i) {
      float t = float(i) / 16.0f;
      float x = -0.8f + 1.6f * t;
      float y = 0.5f * std::sin(t * kPi * (1.5f + 0.5f * float(c)) + float(c) * 2.0f) * (0.5f + 0.25f * float(c));
      float z = 0.08f + 0.12f * std::sin(t * kPi) * (c == 1 ? 1.6f : 1.0f);
      path.push_back({x, y, z});
    }
    Mesh wire = MakeTubePath(path, 0.07f, 8);
    wire.Transform(RotationZ(60.0f * float(c)));
    kit.AddStill("cable", cable, wire);
  }
  int spark = kit.AddGlowMaterial("sparks", GlowPicture(Rgb(150, 220, 255)));
  Mesh sparks;
  for (int i = 0; i < 5; ++i) {
    float a = float(i) * 1.3f;
    glm::vec3 at(0.55f * std::cos(a), 0.55f * std::sin(a), 0.28f);
    Mesh star;
    for (int k = 0; k < 3; ++k) {
      Mesh ray = MakeQuad({-0.2f, -0.015f, 0}, {0.2f, -0.015f, 0}, {0.2f, 0.015f, 0}, {-0.2f, 0.015f, 0});
      ray.Transform(Translation(at) * RotationZ(60.0f * float(k) + float(i) * 17.0f));
      star.Append(ray);
    }
    sparks.Append(star);
  }
  kit.AddStill("sparks", spark, sparks);
  return kit;
}

// Cloner entrance: a purple machine ring with a funnel; receiver: a purple
// frame with arrows pointing out of the cell.
ModelKit Cloner(bool receiver) {
  ModelKit kit(1);
  AddFloorPlate(kit);
  int body = kit.AddMaterial("cloner body", PaintLook(Rgb(70, 50, 90), 91));
  int light = kit.AddMaterial("cloner light", LampLook(palette::kPurple));
  Mesh frame;
  for (int i = 0; i < 4; ++i) {
    Mesh side = MakeBevelBox({-0.95f, -0.95f, 0.0f}, {0.95f, -0.75f, receiver ? 0.2f : 0.5f}, 0.04f);
    side.Transform(RotationZ(90.0f * float(i)));
    frame.Append(side);
  }
  kit.AddStill("frame", body, frame);
  if (!receiver) {
    kit.AddStill("funnel", body, MakeLathe({{0.72f, 0.0f}, {0.72f, 0.5f}, {0.5f, 0.62f}, {0.35f, 0.1f}}, 24));
    kit.AddStill("core", light, MakeRing(0.0f, 0.36f, 0.1f, 24));
    kit.AddStill("crown", light, Transformed(MakeTorus(0.6f, 0.06f, 24, 6), Translation({0, 0, 0.62f})));
    for (int i = 0; i < 4; ++i) {
      Mesh post = MakeCylinder(0.09f, 0.09f, 0.0f, 1.1f, 8);
      post.Append(Transformed(MakeSphere(0.13f, 8, 5), Translation({0, 0, 1.1f})));
      post.Transform(RotationZ(90.0f * float(i) + 45.0f) * Translation({1.1f, 0, 0}));
      kit.AddStill("post", i % 2 ? light : body, post);
    }
  } else {
    Mesh arrows;
    for (int i = 0; i < 4; ++i) {
      Mesh head = MakeFlatOutline({{0.25f, -0.2f}, {0.62f, 0.0f}, {0.25f, 0.2f}}, 0.02f);
      head.Append(MakeFlatOutline({{-0.05f, -0.07f}, {0.25f, -0.07f}, {0.25f, 0.07f}, {-0.05f, 0.07f}}, 0.02f));
      head.Transform(RotationZ(90.0f * float(i)));
      arrows.Append(head);
    }
    kit.AddStill("arrows", light, arrows);
    kit.AddStill("dot", light, MakeRing(0.0f, 0.14f, 0.02f, 16));
  }
  return kit;
}

ModelKit Rollers(RollerStyle style) {
  ModelKit kit(1);
  AddRollers(kit, style);
  return kit;
}

}  // namespace

std::vector<ModelJob> CellModelJobs() {
  return {
      {"data/k00.vxm", 1, Floor},
      {"data/k01.vxm", 1, [] { return Wall(WallShape::Block); }},
      {"data/k02.vxm", 1, [] { return Wall(WallShape::End); }},
      {"data/k03.vxm", 1, [] { return Wall(WallShape::Straight); }},
      {"data/k04.vxm", 1, [] { return Wall(WallShape::Corner); }},
      {"data/k00 drzwi blue.vxm", 5, [] { return Door(DoorColour::Blue, false); }},
      {"data/k00 wl1.vxm", 1, [] { return Switch(DoorColour::Blue); }},
      {"data/k00 drzwi red.vxm", 5, [] { return Door(DoorColour::Red, false); }},
      {"data/k00 wl2.vxm", 1, [] { return Switch(DoorColour::Red); }},
      {"data/k00 olej.vxm", 1, Oil},
      {"data/k00 wyj.vxm", 11, Exit},
      {"data/tele blue.VXM", 1, [] { return Teleport(TeleportColour::Blue); }},
      {"data/tele green.VXM", 1, [] { return Teleport(TeleportColour::Green); }},
      {"data/tele oran.VXM", 1, [] { return Teleport(TeleportColour::Orange); }},
      {"data/znacznik blue.VXM", 1, [] { return Marker(TeleportColour::Blue); }},
      {"data/znacznik green.VXM", 1, [] { return Marker(TeleportColour::Green); }},
      {"data/znacznik oran.VXM", 1, [] { return Marker(TeleportColour::Orange); }},
      {"data/k00 mina.VXM", 1, [] { return Mine(false); }},
      {"data/k00 kable.VXM", 1, Cables},
      {"data/kloner.VXM", 1, [] { return Cloner(false); }},
      {"data/kloner odb.VXM", 1, [] { return Cloner(true); }},
      {"data/k00 rolki1.VXM", 1, [] { return Rollers(RollerStyle::Plain); }},
      {"data/k00 rolki2.VXM", 1, [] { return Rollers(RollerStyle::Plain); }},
      {"data/k00 rolki1b.VXM", 1, [] { return Rollers(RollerStyle::Railed); }},
      {"data/k00 rolki2b.VXM", 1, [] { return Rollers(RollerStyle::Railed); }},
      {"data/k00 rolki1c.VXM", 1, [] { return Rollers(RollerStyle::Striped); }},
      {"data/k00 rolki2c.VXM", 1, [] { return Rollers(RollerStyle::Striped); }},
      {"data/k00 rolki_i_mina.VXM", 1, [] { return Mine(true); }},
      {"data/k00 rolki2_i_mina.VXM", 1, [] { return Mine(true); }},
      {"data/k00 rolki1 drzwi1.VXM", 5, [] { return Door(DoorColour::Blue, true); }},
      {"data/k00 rolki1 drzwi2.VXM", 5, [] { return Door(DoorColour::Red, true); }},
  };
}
