// Triangle soup operations for the generator's models.
#include "tools/datagen/mesh.h"

#include <glm/gtc/matrix_transform.hpp>

void Mesh::Append(const Mesh& other) {
  triangles.insert(triangles.end(), other.triangles.begin(), other.triangles.end());
}

void Mesh::Transform(const glm::mat4& m) {
  glm::mat3 normalMatrix = glm::transpose(glm::inverse(glm::mat3(m)));
  bool mirrored = glm::determinant(glm::mat3(m)) < 0.0f;
  for (MeshTriangle& t : triangles) {
    for (MeshVertex& v : t.v) {
      v.position = glm::vec3(m * glm::vec4(v.position, 1.0f));
      glm::vec3 n = normalMatrix * v.normal;
      float length = glm::length(n);
      v.normal = length > 0.0f ? n / length : glm::vec3(0.0f, 0.0f, 1.0f);
    }
    if (mirrored) std::swap(t.v[1], t.v[2]);
  }
}

Mesh Transformed(const Mesh& mesh, const glm::mat4& m) {
  Mesh copy = mesh;
  copy.Transform(m);
  return copy;
}

glm::mat4 Translation(glm::vec3 offset) { return glm::translate(glm::mat4(1.0f), offset); }
glm::mat4 RotationX(float degrees) { return glm::rotate(glm::mat4(1.0f), glm::radians(degrees), {1, 0, 0}); }
glm::mat4 RotationY(float degrees) { return glm::rotate(glm::mat4(1.0f), glm::radians(degrees), {0, 1, 0}); }
glm::mat4 RotationZ(float degrees) { return glm::rotate(glm::mat4(1.0f), glm::radians(degrees), {0, 0, 1}); }
glm::mat4 Scaling(glm::vec3 factors) { return glm::scale(glm::mat4(1.0f), factors); }
