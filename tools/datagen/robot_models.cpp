// The robot and its five animated variants (teleporting, electrocuted,
// exploding, entering a cloner, leaving through an exit), posed frame by frame
// as the play loop drives them.
#include <algorithm>
#include <cmath>

#include <glm/gtc/matrix_transform.hpp>

#include "tools/datagen/effects.h"
#include "tools/datagen/looks.h"
#include "tools/datagen/model_jobs.h"
#include "tools/datagen/robot_parts.h"
#include "tools/datagen/shapes.h"

namespace {

constexpr float kPi = 3.14159265f;

ModelKit Robot() {
  ModelKit kit(1);
  AddPosedRobot(kit, [](const RobotPiece&, int) { return glm::mat4(1.0f); });
  return kit;
}

float TeleportAmount(int f) { return f <= 5 ? float(f) / 5.0f : float(10 - f) / 5.0f; }

// Teleport: the robot thins into a column of light (frame 5) and back (frame 10).
ModelKit RobotTeleport() {
  ModelKit kit(11);
  AddPosedRobot(kit, [](const RobotPiece&, int f) {
    float s = TeleportAmount(f);
    return Scaling({1.0f - 0.95f * s, 1.0f - 0.95f * s, 1.0f + 0.8f * s});
  });
  AddGlow(kit, "teleport light", Rgb(120, 200, 255), [](int) { return LightColumn(0.75f, 2.6f); },
          [](int f) { return TeleportAmount(f); });
  AddGlow(kit, "teleport rings", Rgb(200, 240, 255), [](int f) {
    Mesh rings;
    for (int k = 0; k < 3; ++k) {
      float z = 0.2f + 0.6f * float(k) + 0.8f * TeleportAmount(f);  // rings rise as the robot thins
      rings.Append(Transformed(MakeTorus(0.8f, 0.04f, 16, 4), Translation({0, 0, z})));
    }
    return rings;
  }, [](int f) { return TeleportAmount(f); });
  return kit;
}

float Jitter(int f, int k) { return std::sin(float(f) * 2.7f + float(k) * 1.9f); }

// Electrocuted: the robot shakes in blue sparks, then slumps and smokes.
ModelKit RobotElectrocuted() {
  ModelKit kit(21);
  AddPosedRobot(kit, [](const RobotPiece&, int f) {
    float t = float(f) / 20.0f;
    float shake = f < 16 ? 7.0f * Jitter(f, 0) : 0.0f;
    float slump = std::clamp((t - 0.6f) / 0.4f, 0.0f, 1.0f);
    return Translation({0, 0, f < 16 ? 0.05f * std::abs(Jitter(f, 1)) : 0.0f}) * RotationZ(shake) *
           Translation({-0.95f, 0, 0}) * RotationY(-14.0f * slump) * Translation({0.95f, 0, 0}) *  // tips onto its nose
           Scaling({1, 1, 1.0f - 0.15f * slump});
  });
  AddGlow(kit, "sparks", Rgb(140, 210, 255), [](int f) {
    Mesh bolts;
    for (int b = 0; b < 6; ++b) {
      std::vector<glm::vec3> path;
      float a = float(b) * 1.05f + float(f) * 0.9f;
      for (int i = 0; i < 5; ++i) {
        float r = 0.55f + 0.18f * Jitter(f, b * 7 + i);
        float z = 0.2f + 0.3f * float(i) + 0.1f * Jitter(f + 3, b + i);
        path.push_back({r * std::cos(a + 0.25f * Jitter(f, i + b)), r * std::sin(a + 0.25f * Jitter(f, i + b)), z});
      }
      bolts.Append(MakeTubePath(path, 0.025f, 4));
    }
    return bolts;
  }, [](int f) { return f < 16 ? 0.7f + 0.3f * std::abs(Jitter(f, 5)) : 0.0f; });
  AddGlow(kit, "shell", Rgb(60, 110, 255), [](int) { return Transformed(MakeSphere(0.95f, 14, 8), Translation({0, 0, 0.96f})); },
          [](int f) { return f < 16 ? 0.25f + 0.2f * std::abs(Jitter(f, 9)) : 0.0f; });
  int smoke = kit.AddMaterial("smoke", PaintLook(Rgb(40, 40, 44), 111));
  kit.AddAnimated("smoke", smoke, [](int f) {
    Mesh puffs;
    for (int k = 0; k < 3; ++k) {
      float age = std::clamp((float(f) - 12.0f - 2.0f * float(k)) / 8.0f, 0.0f, 1.0f);
      float size = 0.02f + 0.35f * age;
      puffs.Append(Transformed(MakeSphere(size, 8, 5), Translation({0.15f * float(k - 1), 0.1f * float(k - 1), 1.0f + 1.2f * age})));
    }
    return puffs;
  });
  return kit;
}

// Exploding: a fireball, then the pieces fly out and fall, smoke rises (frames 0..9).
ModelKit RobotExploding() {
  ModelKit kit(10);
  AddPosedRobot(kit, [](const RobotPiece& piece, int f) {
    float t = float(f) / 9.0f;
    glm::vec3 out = piece.centre * glm::vec3(1.0f, 1.0f, 0.0f);
    if (glm::length(out) < 0.05f) out = glm::vec3(std::sin(piece.centre.z * 9.0f), std::cos(piece.centre.z * 7.0f), 0.0f);
    out = glm::normalize(out);
    float lift = 3.0f + 2.0f * std::abs(std::sin(piece.centre.z * 5.0f + piece.centre.x * 3.0f));
    glm::vec3 offset = out * (2.2f * t) + glm::vec3(0, 0, lift * t - 5.5f * t * t);
    offset.z = std::max(offset.z, -piece.centre.z + 0.1f);
    glm::vec3 axis = glm::normalize(glm::vec3(-out.y, out.x, 0.3f));
    glm::mat4 spin = glm::rotate(glm::mat4(1.0f), glm::radians(200.0f * t), axis);
    glm::mat4 pose = Translation(piece.centre + offset) * spin * Translation(-piece.centre);
    // Debris lands on the floor, never in it: the game mirrors the robot below
    // the floor, and a piece sunk into it would poke out of the reflection.
    float lowest = 1e9f;
    for (const MeshTriangle& tri : piece.mesh.triangles)
      for (const MeshVertex& v : tri.v) lowest = std::min(lowest, (pose * glm::vec4(v.position, 1.0f)).z);
    return lowest < 0.0f ? Translation({0, 0, -lowest}) * pose : pose;
  });
  AddGlow(kit, "fireball", Rgb(255, 150, 40), [](int f) {
    float size = 0.3f + 2.0f * std::min(float(f) / 4.0f, 1.0f);
    // It rests on the floor as it swells: the game mirrors everything below the floor.
    return Transformed(MakeSphere(size, 14, 8), Translation({0, 0, std::max(0.6f + 0.2f * float(f), size)}));
  }, [](int f) { return f < 2 ? 1.0f : std::max(0.0f, 1.0f - float(f - 2) / 4.0f); });
  AddGlow(kit, "flash core", Rgb(255, 240, 180), [](int f) {
    float size = 0.4f + 0.7f * std::min(float(f), 2.0f);
    return Transformed(MakeSphere(size, 10, 6), Translation({0, 0, std::max(0.7f, size)}));
  }, [](int f) { return f < 3 ? 1.0f - float(f) / 3.0f : 0.0f; });
  int smoke = kit.AddMaterial("smoke", PaintLook(Rgb(46, 44, 44), 112));
  kit.AddAnimated("smoke", smoke, [](int f) {
    Mesh puffs;
    for (int k = 0; k < 4; ++k) {
      float age = std::clamp((float(f) - 2.0f - float(k)) / 7.0f, 0.0f, 1.0f);
      float a = float(k) * 1.6f;
      puffs.Append(Transformed(MakeSphere(0.02f + 0.55f * age, 8, 5),
                               Translation({0.4f * std::cos(a), 0.4f * std::sin(a), 0.4f + 1.8f * age})));
    }
    return puffs;
  });
  return kit;
}

// Cloner: the robot spins and squeezes inside purple rings, full size again at frame 10.
ModelKit RobotCloner() {
  ModelKit kit(11);
  AddPosedRobot(kit, [](const RobotPiece&, int f) {
    float s = std::sin(kPi * float(f) / 10.0f);
    return RotationZ(36.0f * float(f)) * Scaling({1.0f - 0.55f * s, 1.0f - 0.55f * s, 1.0f - 0.55f * s});
  });
  AddGlow(kit, "cloner rings", palette::kPurple, [](int f) {
    Mesh rings;
    for (int k = 0; k < 3; ++k) {
      float z = 0.2f + 0.45f * float(k) + 0.15f * std::sin(kPi * float(f) / 5.0f + float(k));
      rings.Append(Transformed(MakeTorus(0.85f - 0.1f * float(k), 0.05f, 18, 4), Translation({0, 0, z})));
    }
    return rings;
  }, [](int f) { return std::sin(kPi * float(f) / 10.0f); });
  return kit;
}

// Exit: the robot turns once and shrinks into the hatch in a green beam.
ModelKit RobotExit() {
  ModelKit kit(11);
  AddPosedRobot(kit, [](const RobotPiece&, int f) {
    float t = float(f) / 10.0f;
    float s = std::max(1.0f - t, 0.0f);
    return RotationZ(36.0f * float(f)) * Scaling({s, s, s});
  });
  AddGlow(kit, "exit beam", palette::kGreen, [](int) { return LightColumn(0.7f, 2.2f); },
          [](int f) { return std::sin(kPi * float(f) / 10.0f) * 0.8f; });
  return kit;
}

}  // namespace

std::vector<ModelJob> RobotModelJobs() {
  return {
      {"data/kipek.vxm", 1, Robot},
      {"data/kipek teleport.vxm", 11, RobotTeleport},
      {"data/kipek elektr.VXM", 21, RobotElectrocuted},
      {"data/kipek bomb.vxm", 10, RobotExploding},
      {"data/kipek cloner.vxm", 11, RobotCloner},
      {"data/kipek wyj.vxm", 11, RobotExit},
  };
}
