// Procedural shapes and pictures for the benchmark's models.
#include "bench/frame/test_models.h"

#include <cmath>

namespace {

constexpr float kPi = 3.1415927f;

PictureSource Checker(int size, uint8_t r, uint8_t g, uint8_t b) {
  PictureSource p{size, size, {}};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      float shade = ((x / 8 + y / 8) % 2 == 0) ? 1.0f : 0.6f;
      p.rgb.insert(p.rgb.end(), {uint8_t(r * shade), uint8_t(g * shade), uint8_t(b * shade)});
    }
  }
  return p;
}

PictureSource Gradient(int size, uint8_t r, uint8_t g, uint8_t b) {
  PictureSource p{size, size, {}};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      float t = 0.5f + 0.5f * std::sin(float(x + y) * 0.3f);
      p.rgb.insert(p.rgb.end(), {uint8_t(r * t), uint8_t(g * t), uint8_t(b * t)});
    }
  }
  return p;
}

// An axis-aligned box; faces counter-clockwise seen from outside (or inside when `inward`).
void AddBox(MeshSource& mesh, int frame, float cx, float cy, float cz, float sx, float sy, float sz, bool inward) {
  if (int(mesh.frames.size()) <= frame) mesh.frames.resize(size_t(frame) + 1);
  auto& vertices = mesh.frames[size_t(frame)];
  const float axes[6][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
  const float half[3] = {sx / 2, sy / 2, sz / 2};
  const float centre[3] = {cx, cy, cz};
  for (const auto& n : axes) {
    int a = n[0] != 0 ? 0 : (n[1] != 0 ? 1 : 2);
    int u = (a + 1) % 3, v = (a + 2) % 3;
    float sign = n[a];
    int base = int(vertices.size());
    const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (const auto& c : corners) {
      float p[3];
      p[a] = centre[a] + sign * half[a];
      p[u] = centre[u] + c[0] * half[u];
      p[v] = centre[v] + c[1] * half[v];
      float flip = inward ? -1.0f : 1.0f;
      vertices.push_back({p[0], p[1], p[2], (c[0] + 1) / 2, (1 - c[1]) / 2, n[0] * flip, n[1] * flip, n[2] * flip});
    }
    if (frame == 0) {
      bool ccw = (sign > 0) != inward;
      if (ccw) {
        mesh.triangles.push_back({base, base + 1, base + 2});
        mesh.triangles.push_back({base, base + 2, base + 3});
      } else {
        mesh.triangles.push_back({base, base + 2, base + 1});
        mesh.triangles.push_back({base, base + 3, base + 2});
      }
    }
  }
}

void AddSphere(MeshSource& mesh, int frame, float cx, float cy, float cz, float radius, int rings, int segments) {
  if (int(mesh.frames.size()) <= frame) mesh.frames.resize(size_t(frame) + 1);
  auto& vertices = mesh.frames[size_t(frame)];
  int base = int(vertices.size());
  for (int i = 0; i <= rings; ++i) {
    float theta = kPi * float(i) / float(rings);
    for (int j = 0; j <= segments; ++j) {
      float phi = 2 * kPi * float(j) / float(segments);
      float nx = std::sin(theta) * std::cos(phi), ny = std::sin(theta) * std::sin(phi), nz = std::cos(theta);
      vertices.push_back({cx + radius * nx, cy + radius * ny, cz + radius * nz, float(j) / float(segments),
                          float(i) / float(rings), nx, ny, nz});
    }
  }
  if (frame != 0) return;
  for (int i = 0; i < rings; ++i) {
    for (int j = 0; j < segments; ++j) {
      int a = base + i * (segments + 1) + j, b = a + segments + 1;
      mesh.triangles.push_back({a, b, a + 1});
      mesh.triangles.push_back({a + 1, b, b + 1});
    }
  }
}

MaterialSource Layered(PictureSource base, float glossiness) {
  MaterialSource m;
  m.pictures[kSlotBase] = std::move(base);
  m.pictures[kSlotSpecular] = MakeSolidPicture(8, 8, 255, 255, 255);
  m.pictures[kSlotSphereGlow] = Gradient(32, 60, 60, 90);
  m.glossiness = glossiness;
  return m;
}

}  // namespace

ModelSource MakeFloorTileSource() {
  ModelSource s;
  s.materials = {Layered(Checker(64, 150, 150, 160), 0.4f)};
  MeshSource plate;
  AddBox(plate, 0, 0, 0, -0.1f, 1.96f, 1.96f, 0.2f, false);
  s.meshes = {plate};
  return s;
}

ModelSource MakeRingTileSource() {
  ModelSource s;
  MaterialSource m = Layered(Checker(64, 90, 70, 50), 0.2f);
  m.pictures[kSlotGlow] = Gradient(32, 80, 20, 0);
  s.materials = {m};
  MeshSource block;
  AddBox(block, 0, 0, 0, 0.5f, 1.9f, 1.9f, 1.0f, false);
  s.meshes = {block};
  return s;
}

ModelSource MakeRobotSource() {
  ModelSource s;
  s.frameCount = 8;
  MaterialSource body = Layered(Checker(64, 220, 180, 40), 0.7f);
  body.pictures[kSlotSphereLit] = Gradient(32, 90, 90, 90);
  MaterialSource eyes;
  std::vector<uint8_t> glass;
  for (int i = 0; i < 16 * 16; ++i) glass.insert(glass.end(), {40, 220, 255, 150});
  SetBasePicture(eyes, 16, 16, glass);
  eyes.pictures[kSlotGlow] = MakeSolidPicture(4, 4, 0, 60, 90);
  s.materials = {body, eyes};
  MeshSource torso, arms, visor;
  visor.material = 1;
  for (int f = 0; f < 8; ++f) {
    float bob = 0.1f * std::sin(2 * kPi * float(f) / 8);
    float swing = 0.3f * std::sin(2 * kPi * float(f) / 8);
    AddBox(torso, f, 0, 0, 0.8f + bob, 1.0f, 0.8f, 0.9f, false);
    AddSphere(torso, f, 0, 0, 1.55f + bob, 0.45f, 8, 12);
    AddBox(arms, f, -0.65f, swing, 0.8f + bob, 0.2f, 0.2f, 0.7f, false);
    AddBox(arms, f, 0.65f, -swing, 0.8f + bob, 0.2f, 0.2f, 0.7f, false);
    AddBox(visor, f, 0, -0.42f, 1.6f + bob, 0.6f, 0.1f, 0.2f, false);
  }
  s.meshes = {torso, arms, visor};
  return s;
}

ModelSource MakeBackdropSource() {
  ModelSource s;
  MaterialSource wall;
  wall.pictures[kSlotBase] = Gradient(128, 40, 50, 80);
  wall.pictures[kSlotLit] = Checker(64, 30, 30, 40);
  s.materials = {wall};
  MeshSource room;
  AddBox(room, 0, 0, 0, 20, 120, 100, 60, true);
  s.meshes = {room};
  return s;
}

ModelSource MakeFrameSource() {
  ModelSource s;
  MaterialSource metal;
  metal.pictures[kSlotReflection] = Gradient(64, 160, 160, 180);
  s.materials = {metal, Layered(Checker(32, 120, 40, 40), 0.5f)};
  MeshSource rails, posts;
  posts.material = 1;
  AddBox(rails, 0, -1, 13.5f, 0.5f, 40, 1, 1, false);
  AddBox(rails, 0, -1, -11.5f, 0.5f, 40, 1, 1, false);
  AddBox(rails, 0, -20.5f, 1, 0.5f, 1, 26, 1, false);
  AddBox(rails, 0, 18.5f, 1, 0.5f, 1, 26, 1, false);
  for (float x : {-20.5f, 18.5f}) {
    for (float y : {13.5f, -11.5f}) AddBox(posts, 0, x, y, 1.5f, 1.5f, 1.5f, 3, false);
  }
  s.meshes = {rails, posts};
  return s;
}
