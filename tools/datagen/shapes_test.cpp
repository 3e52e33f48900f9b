// Solids must be closed and face outwards (the game culls back faces), keep
// doing so when mirrored, and flat outlines must cover exactly their area.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/datagen/lettering.h"
#include "tools/datagen/model_kit.h"
#include "tools/datagen/shapes.h"

namespace {

constexpr float kPi = 3.14159265f;

// Volume by the divergence theorem: positive only when every face points out.
float SignedVolume(const Mesh& mesh) {
  float volume = 0.0f;
  for (const MeshTriangle& t : mesh.triangles)
    volume += glm::dot(t.v[0].position, glm::cross(t.v[1].position, t.v[2].position)) / 6.0f;
  return volume;
}

float UpwardArea(const Mesh& mesh) {
  float area = 0.0f;
  for (const MeshTriangle& t : mesh.triangles)
    area += 0.5f * glm::cross(t.v[1].position - t.v[0].position, t.v[2].position - t.v[0].position).z;
  return area;
}

// Every stored normal agrees with the way its triangle winds.
bool NormalsAgreeWithWinding(const Mesh& mesh) {
  for (const MeshTriangle& t : mesh.triangles) {
    glm::vec3 facet = glm::cross(t.v[1].position - t.v[0].position, t.v[2].position - t.v[0].position);
    if (glm::length(facet) < 1e-7f) continue;
    for (const MeshVertex& v : t.v)
      if (glm::dot(facet, v.normal) <= 0.0f) return false;
  }
  return true;
}

TEST(Shapes, ClosedSolidsFaceOutwardsWithTheirVolume) {
  struct Case {
    const char* name;
    Mesh mesh;
    float volume;
  } cases[] = {
      {"box", MakeBox({-1, -1, 0}, {1, 1, 2}), 8.0f},
      {"bevel box", MakeBevelBox({0, 0, 0}, {2, 2, 1}, 0.0f), 4.0f},
      {"bevelled box", MakeBevelBox({0, 0, 0}, {2, 2, 1}, 0.2f), 3.84f},  // less a 0.2 chamfer round the top
      {"cylinder", MakeCylinder(1.0f, 1.0f, 0.0f, 2.0f, 64), 2.0f * kPi},
      {"cone", MakeCylinder(1.0f, 0.0f, 0.0f, 3.0f, 64), kPi},
      {"sphere", MakeSphere(1.0f, 48, 24), 4.0f / 3.0f * kPi},
      {"torus", MakeTorus(2.0f, 0.5f, 64, 32), 2.0f * kPi * kPi * 2.0f * 0.25f},
      {"hexagonal prism", MakePrism(RegularOutline(6, 1.0f), 0.0f, 1.0f, 0.0f, true), 1.5f * std::sqrt(3.0f)},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(SignedVolume(c.mesh), c.volume, c.volume * 0.02f) << c.name;
    EXPECT_TRUE(NormalsAgreeWithWinding(c.mesh)) << c.name;
  }
}

TEST(Shapes, MirroredAndTurnedPartsStillFaceOutwards) {
  Mesh box = MakeBox({0, 0, 0}, {1, 2, 3});
  Mesh mirrored = Transformed(box, Scaling({-1, 1, 1}));
  EXPECT_NEAR(SignedVolume(mirrored), 6.0f, 1e-4f);
  EXPECT_TRUE(NormalsAgreeWithWinding(mirrored));
  Mesh turned = Transformed(box, Translation({3, 0, 0}) * RotationX(90.0f) * RotationZ(33.0f));
  EXPECT_NEAR(SignedVolume(turned), 6.0f, 1e-3f);
  EXPECT_TRUE(NormalsAgreeWithWinding(turned));
}

TEST(Shapes, OutlinesAreFilledExactlyWhateverTheirShapeOrTurn) {
  // An L shape (concave), given clockwise: the cap still faces up and covers 3 units.
  std::vector<glm::vec2> ell = {{0, 0}, {0, 2}, {1, 2}, {1, 1}, {2, 1}, {2, 0}};
  Mesh cap = MakeFlatOutline(ell, 0.0f);
  EXPECT_NEAR(UpwardArea(cap), 3.0f, 1e-4f);
  EXPECT_EQ(TriangulatePolygon(ell).size(), 4u);
  // An arrow with a notch.
  std::vector<glm::vec2> chevron = {{0.3f, 0}, {0.58f, 0.24f}, {0.58f, 0.12f}, {0.44f, 0}, {0.58f, -0.12f}, {0.58f, -0.24f}};
  EXPECT_NEAR(UpwardArea(MakeFlatOutline(chevron, 0.0f)), 0.0504f, 1e-3f);
  EXPECT_NEAR(UpwardArea(MakeRing(1.0f, 2.0f, 0.0f, 256)), 3.0f * kPi, 0.01f);
}

TEST(Shapes, TubeAlongAPathEnclosesItsCrossSection) {
  Mesh tube = MakeTubePath({{0, 0, 0}, {1, 0, 0}, {2, 1, 0}, {2, 2, 1}}, 0.1f, 8);
  EXPECT_EQ(tube.Size(), 3u * 8u * 2u);
  EXPECT_TRUE(NormalsAgreeWithWinding(tube));
}

TEST(Lettering, GridCoverUsesEachCellOnce) {
  const int columns = 5, rows = 4;
  std::vector<bool> cells = {1, 1, 0, 1, 1,
                             1, 1, 0, 1, 0,
                             0, 1, 1, 1, 0,
                             0, 0, 0, 1, 1};
  std::vector<int> covered(cells.size(), 0);
  for (const GridRect& r : CoverGrid(cells, columns, rows))
    for (int y = r.y; y < r.y + r.height; ++y)
      for (int x = r.x; x < r.x + r.width; ++x) covered[size_t(y * columns + x)] += 1;
  for (size_t i = 0; i < cells.size(); ++i) EXPECT_EQ(covered[i], cells[i] ? 1 : 0) << i;
}

TEST(ModelKit, AnAnimatedMeshMustKeepItsTriangleCount) {
  ModelKit kit(3);
  int m = kit.AddGlowMaterial("glow", Canvas(4, 4, Colour(1.0f)));
  EXPECT_FALSE(kit.AddAnimated("growing", m, [](int f) { return f == 2 ? MakeBox({0, 0, 0}, {1, 1, 1}) : MakeQuad({0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}); }));
  EXPECT_EQ(kit.Source().meshes.size(), 0u);
  EXPECT_TRUE(kit.AddAnimated("moving", m, [](int f) { return Transformed(MakeBox({0, 0, 0}, {1, 1, 1}), Translation({float(f), 0, 0})); }));
  ASSERT_EQ(kit.Source().meshes.size(), 1u);
  EXPECT_EQ(kit.Source().meshes[0].frames.size(), 3u);
}

}  // namespace
