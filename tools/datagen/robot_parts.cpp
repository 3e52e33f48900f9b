// The robot's pieces and materials.
#include "tools/datagen/robot_parts.h"

#include "tools/datagen/looks.h"
#include "tools/datagen/shapes.h"

std::vector<RobotPiece> BuildRobot() {
  std::vector<RobotPiece> pieces;
  auto add = [&](RobotLook look, Mesh mesh, glm::vec3 centre) { pieces.push_back({look, std::move(mesh), centre}); };
  // Tracks: rounded slabs along x, one each side.
  for (float y : {-0.42f, 0.42f}) {
    Mesh track = MakePrism(RoundedRectOutline(0.66f, 0.2f, 0.19f, 4), -0.13f, 0.13f, 0.0f, true);
    track.Transform(Translation({0, y, 0.2f}) * RotationX(90.0f));
    add(kTrack, track, {0, y, 0.2f});
    for (float x : {-0.45f, 0.45f}) {
      Mesh hub = MakeCylinder(0.11f, 0.11f, 0.0f, 0.03f, 10);
      hub.Transform(Translation({x, y + (y > 0 ? 0.13f : -0.13f), 0.2f}) * RotationX(y > 0 ? -90.0f : 90.0f));
      add(kMetal, hub, {x, y, 0.2f});
    }
  }
  add(kDark, MakeBox({-0.5f, -0.3f, 0.18f}, {0.5f, 0.3f, 0.34f}), {0, 0, 0.26f});  // chassis between the tracks
  add(kBody, MakeBevelBox({-0.52f, -0.36f, 0.32f}, {0.48f, 0.36f, 0.92f}, 0.1f), {0, 0, 0.62f});
  // Back chevron pointing forwards (-x).
  add(kArrow, MakeFlatOutline({{-0.38f, 0.0f}, {0.0f, -0.26f}, {0.12f, -0.26f}, {-0.18f, 0.0f}, {0.12f, 0.26f}, {0.0f, 0.26f}}, 0.925f),
      {0, 0, 0.93f});
  // Head: a dome set back a little, with a visor looking forwards.
  Mesh head = MakeLathe({{0.0f, 0.92f}, {0.3f, 0.92f}, {0.3f, 1.08f}, {0.24f, 1.22f}, {0.12f, 1.29f}, {0.0f, 1.3f}}, 16, true);
  head.Transform(Translation({0.14f, 0, 0}));
  add(kMetal, head, {0.14f, 0, 1.1f});
  Mesh visor = MakeBevelBox({-0.05f, -0.2f, 0.98f}, {0.08f, 0.2f, 1.14f}, 0.02f);
  visor.Transform(Translation({-0.14f, 0, 0}));
  add(kVisor, visor, {-0.1f, 0, 1.06f});
  // Headlights on the front face.
  for (float y : {-0.22f, 0.22f}) {
    Mesh lamp = MakeCylinder(0.08f, 0.08f, 0.0f, 0.05f, 10);
    lamp.Transform(Translation({-0.52f, y, 0.7f}) * RotationY(-90.0f));
    add(kLamp, lamp, {-0.55f, y, 0.7f});
  }
  // Antenna with a red tip.
  add(kDark, MakeCylinder(0.025f, 0.025f, 1.25f, 1.6f, 6, false), {0.14f, 0, 1.45f});
  pieces.back().mesh.Transform(Translation({0.14f, 0, 0}));
  add(kLamp, Transformed(MakeSphere(0.06f, 8, 5), Translation({0.14f, 0, 1.62f})), {0.14f, 0, 1.62f});
  // Side stripes on the body.
  for (float y : {-0.362f, 0.362f}) {
    Mesh stripe = MakeQuad({-0.4f, 0, 0.5f}, {0.36f, 0, 0.5f}, {0.36f, 0, 0.6f}, {-0.4f, 0, 0.6f});
    if (y > 0) stripe.Transform(Translation({0, y, 0}) * RotationZ(180.0f) * Scaling({-1, 1, 1}));
    else stripe.Transform(Translation({0, y, 0}));
    add(kDark, stripe, {0, y, 0.55f});
  }
  // Built at a size that is easy to model, then grown to suit a 2-unit cell.
  const float size = 1.2f;
  for (RobotPiece& piece : pieces) {
    piece.mesh.Transform(Scaling(glm::vec3(size)));
    piece.centre *= size;
  }
  return pieces;
}

namespace {

std::vector<int> AddRobotMaterials(ModelKit& kit) {
  std::vector<int> m(kLookCount);
  m[kBody] = kit.AddMaterial("robot paint", PaintLook(palette::kRobot, 101));
  m[kTrack] = kit.AddMaterial("robot tracks", RubberLook());
  m[kMetal] = kit.AddMaterial("robot metal", MetalLook(palette::kSteel, 0.5f));
  m[kDark] = kit.AddMaterial("robot dark", PaintLook(palette::kRobotDark, 102));
  m[kVisor] = kit.AddMaterial("robot visor", LampLook(Rgb(80, 220, 255)));
  m[kLamp] = kit.AddMaterial("robot lamps", LampLook(Rgb(255, 240, 190)));
  SurfaceLook arrow = PaintLook(Rgb(30, 30, 34), 103);
  arrow.bands = 1;
  m[kArrow] = kit.AddMaterial("robot arrow", arrow);
  return m;
}

}  // namespace

void AddPosedRobot(ModelKit& kit, const std::function<glm::mat4(const RobotPiece&, int frame)>& pose) {
  std::vector<RobotPiece> pieces = BuildRobot();
  std::vector<int> materials = AddRobotMaterials(kit);
  for (int look = 0; look < kLookCount; ++look) {
    kit.AddAnimated("robot", materials[size_t(look)], [&](int frame) {
      Mesh posed;
      for (const RobotPiece& piece : pieces)
        if (piece.look == look) posed.Append(Transformed(piece.mesh, pose(piece, frame)));
      return posed;
    });
  }
}

