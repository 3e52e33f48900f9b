// Triangle soup the generator builds its models from: positions, texture
// coordinates and normals, with transforms to place parts and to pose them
// frame by frame. Triangles are counter-clockwise seen from outside.
#pragma once
#include <vector>

#include <glm/glm.hpp>

struct MeshVertex {
  glm::vec3 position{0.0f};
  glm::vec2 uv{0.0f};
  glm::vec3 normal{0.0f, 0.0f, 1.0f};
};

struct MeshTriangle {
  MeshVertex v[3];
};

struct Mesh {
  std::vector<MeshTriangle> triangles;

  void Append(const Mesh& other);
  // Applies `m` to positions and its inverse transpose to normals. A mirroring
  // matrix also flips the winding so the faces keep pointing outwards.
  void Transform(const glm::mat4& m);
  size_t Size() const { return triangles.size(); }
};

// The same mesh moved by a matrix (handy when one part is placed many times).
Mesh Transformed(const Mesh& mesh, const glm::mat4& m);

// Matrix helpers in the scene's own terms (right-handed, z up, degrees).
glm::mat4 Translation(glm::vec3 offset);
glm::mat4 RotationX(float degrees);
glm::mat4 RotationY(float degrees);
glm::mat4 RotationZ(float degrees);
glm::mat4 Scaling(glm::vec3 factors);
