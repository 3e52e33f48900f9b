// Procedural solids for the generator.
#include "tools/datagen/shapes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

MeshVertex Vertex(glm::vec3 p, glm::vec2 uv, glm::vec3 n) { return MeshVertex{p, uv, n}; }

void AddTriangle(Mesh& mesh, const MeshVertex& a, const MeshVertex& b, const MeshVertex& c) {
  mesh.triangles.push_back(MeshTriangle{{a, b, c}});
}

float SignedArea(const std::vector<glm::vec2>& outline) {
  float area = 0.0f;
  for (size_t i = 0; i < outline.size(); ++i) {
    const glm::vec2& a = outline[i];
    const glm::vec2& b = outline[(i + 1) % outline.size()];
    area += a.x * b.y - b.x * a.y;
  }
  return area * 0.5f;
}

float Cross(glm::vec2 a, glm::vec2 b) { return a.x * b.y - a.y * b.x; }

bool InsideTriangle(glm::vec2 p, glm::vec2 a, glm::vec2 b, glm::vec2 c) {
  return Cross(b - a, p - a) > 0.0f && Cross(c - b, p - b) > 0.0f && Cross(a - c, p - c) > 0.0f;
}

// Moves every edge inwards by `distance` and joins neighbouring edges where they meet.
std::vector<glm::vec2> InsetOutline(const std::vector<glm::vec2>& outline, float distance) {
  size_t n = outline.size();
  std::vector<glm::vec2> inset(n);
  for (size_t i = 0; i < n; ++i) {
    glm::vec2 prev = outline[(i + n - 1) % n], here = outline[i], next = outline[(i + 1) % n];
    glm::vec2 d0 = glm::normalize(here - prev), d1 = glm::normalize(next - here);
    glm::vec2 n0(-d0.y, d0.x), n1(-d1.y, d1.x);  // inward normals of a counter-clockwise outline
    glm::vec2 bisector = n0 + n1;
    float lengthSquared = glm::dot(bisector, bisector);
    if (lengthSquared < 1e-6f) {
      inset[i] = here + n0 * distance;
      continue;
    }
    float scale = 2.0f * distance / lengthSquared;
    inset[i] = here + bisector * std::min(scale, distance * 4.0f / std::sqrt(lengthSquared));
  }
  return inset;
}

glm::vec2 OutlineUv(glm::vec2 p, glm::vec2 low, glm::vec2 size) {
  return {(p.x - low.x) / size.x, 1.0f - (p.y - low.y) / size.y};
}

}  // namespace

Mesh MakeQuad(glm::vec3 p0, glm::vec3 p1, glm::vec3 p2, glm::vec3 p3) {
  Mesh mesh;
  glm::vec3 n = glm::cross(p1 - p0, p3 - p0);
  if (glm::length(n) < 1e-9f) n = glm::cross(p2 - p1, p3 - p1);
  n = glm::length(n) > 0.0f ? glm::normalize(n) : glm::vec3(0, 0, 1);
  MeshVertex a = Vertex(p0, {0, 1}, n), b = Vertex(p1, {1, 1}, n), c = Vertex(p2, {1, 0}, n), d = Vertex(p3, {0, 0}, n);
  AddTriangle(mesh, a, b, c);
  AddTriangle(mesh, a, c, d);
  return mesh;
}

Mesh MakeBox(glm::vec3 l, glm::vec3 h) {
  Mesh mesh;
  mesh.Append(MakeQuad({l.x, l.y, h.z}, {h.x, l.y, h.z}, {h.x, h.y, h.z}, {l.x, h.y, h.z}));  // top
  mesh.Append(MakeQuad({l.x, h.y, l.z}, {h.x, h.y, l.z}, {h.x, l.y, l.z}, {l.x, l.y, l.z}));  // bottom
  mesh.Append(MakeQuad({l.x, l.y, l.z}, {h.x, l.y, l.z}, {h.x, l.y, h.z}, {l.x, l.y, h.z}));  // -y
  mesh.Append(MakeQuad({h.x, h.y, l.z}, {l.x, h.y, l.z}, {l.x, h.y, h.z}, {h.x, h.y, h.z}));  // +y
  mesh.Append(MakeQuad({h.x, l.y, l.z}, {h.x, h.y, l.z}, {h.x, h.y, h.z}, {h.x, l.y, h.z}));  // +x
  mesh.Append(MakeQuad({l.x, h.y, l.z}, {l.x, l.y, l.z}, {l.x, l.y, h.z}, {l.x, h.y, h.z}));  // -x
  return mesh;
}

Mesh MakeBevelBox(glm::vec3 l, glm::vec3 h, float bevel) {
  std::vector<glm::vec2> outline = {{l.x, l.y}, {h.x, l.y}, {h.x, h.y}, {l.x, h.y}};
  return MakePrism(outline, l.z, h.z, bevel, true);
}

Mesh MakeFlatOutline(const std::vector<glm::vec2>& outline, float z, bool facingUp) {
  Mesh mesh;
  if (outline.size() < 3) return mesh;
  glm::vec2 low = outline[0], high = outline[0];
  for (glm::vec2 p : outline) {
    low = glm::min(low, p);
    high = glm::max(high, p);
  }
  glm::vec2 size = glm::max(high - low, glm::vec2(1e-6f));
  glm::vec3 n = facingUp ? glm::vec3(0, 0, 1) : glm::vec3(0, 0, -1);
  for (const auto& t : TriangulatePolygon(outline)) {
    MeshVertex v[3];
    for (int k = 0; k < 3; ++k) {
      glm::vec2 p = outline[size_t(t[size_t(k)])];
      v[k] = Vertex({p.x, p.y, z}, OutlineUv(p, low, size), n);
    }
    if (facingUp) AddTriangle(mesh, v[0], v[1], v[2]);
    else AddTriangle(mesh, v[0], v[2], v[1]);
  }
  return mesh;
}

Mesh MakePrism(const std::vector<glm::vec2>& outline, float z0, float z1, float bevel, bool withBottom) {
  Mesh mesh;
  if (outline.size() < 3) return mesh;
  std::vector<glm::vec2> ring = outline;
  if (SignedArea(ring) < 0.0f) std::reverse(ring.begin(), ring.end());
  bevel = std::clamp(bevel, 0.0f, (z1 - z0) * 0.9f);
  float wallTop = z1 - bevel;
  size_t n = ring.size();
  for (size_t i = 0; i < n; ++i) {
    glm::vec2 a = ring[i], b = ring[(i + 1) % n];
    mesh.Append(MakeQuad({a.x, a.y, z0}, {b.x, b.y, z0}, {b.x, b.y, wallTop}, {a.x, a.y, wallTop}));
  }
  std::vector<glm::vec2> top = ring;
  if (bevel > 0.0f) {
    top = InsetOutline(ring, bevel);
    for (size_t i = 0; i < n; ++i) {
      glm::vec2 a = ring[i], b = ring[(i + 1) % n], c = top[(i + 1) % n], d = top[i];
      mesh.Append(MakeQuad({a.x, a.y, wallTop}, {b.x, b.y, wallTop}, {c.x, c.y, z1}, {d.x, d.y, z1}));
    }
  }
  mesh.Append(MakeFlatOutline(top, z1, true));
  if (withBottom) mesh.Append(MakeFlatOutline(ring, z0, false));
  return mesh;
}

Mesh MakeLathe(const std::vector<glm::vec2>& profile, int segments, bool smooth) {
  Mesh mesh;
  if (profile.size() < 2 || segments < 3) return mesh;
  size_t count = profile.size();
  // Outward normal of each profile span in the (radius, z) plane.
  std::vector<glm::vec2> spanNormal(count - 1);
  for (size_t i = 0; i + 1 < count; ++i) {
    glm::vec2 d = profile[i + 1] - profile[i];
    glm::vec2 n(d.y, -d.x);
    spanNormal[i] = glm::length(n) > 0.0f ? glm::normalize(n) : glm::vec2(1, 0);
  }
  auto pointNormal = [&](size_t point, size_t span) {
    if (!smooth) return spanNormal[span];
    glm::vec2 sum(0.0f);
    if (point > 0) sum += spanNormal[point - 1];
    if (point < count - 1) sum += spanNormal[std::min(point, count - 2)];
    return glm::length(sum) > 0.0f ? glm::normalize(sum) : spanNormal[span];
  };
  for (size_t i = 0; i + 1 < count; ++i) {
    glm::vec2 p0 = profile[i], p1 = profile[i + 1];
    glm::vec2 n0 = pointNormal(i, i), n1 = pointNormal(i + 1, i);
    for (int s = 0; s < segments; ++s) {
      float a0 = 2.0f * kPi * float(s) / float(segments), a1 = 2.0f * kPi * float(s + 1) / float(segments);
      glm::vec3 c0(std::cos(a0), std::sin(a0), 0.0f), c1(std::cos(a1), std::sin(a1), 0.0f);
      auto at = [&](glm::vec2 p, glm::vec3 c) { return glm::vec3(c.x * p.x, c.y * p.x, p.y); };
      auto normal = [&](glm::vec2 n, glm::vec3 c) { return glm::normalize(glm::vec3(c.x * n.x, c.y * n.x, n.y)); };
      float u0 = float(s) / float(segments), u1 = float(s + 1) / float(segments);
      float v0 = 1.0f - float(i) / float(count - 1), v1 = 1.0f - float(i + 1) / float(count - 1);
      MeshVertex a = Vertex(at(p0, c0), {u0, v0}, normal(n0, c0));
      MeshVertex b = Vertex(at(p0, c1), {u1, v0}, normal(n0, c1));
      MeshVertex c = Vertex(at(p1, c1), {u1, v1}, normal(n1, c1));
      MeshVertex d = Vertex(at(p1, c0), {u0, v1}, normal(n1, c0));
      if (p0.x > 1e-6f) AddTriangle(mesh, a, b, c);
      if (p1.x > 1e-6f) AddTriangle(mesh, a, c, d);
    }
  }
  return mesh;
}

Mesh MakeCylinder(float radiusBottom, float radiusTop, float z0, float z1, int segments, bool caps) {
  Mesh mesh = MakeLathe({{radiusBottom, z0}, {radiusTop, z1}}, segments);
  if (caps) {
    mesh.Append(MakeRing(0.0f, radiusTop, z1, segments));
    mesh.Append(Transformed(MakeRing(0.0f, radiusBottom, -z0, segments), RotationX(180.0f)));
  }
  return mesh;
}

Mesh MakeSphere(float radius, int segments, int rings) {
  std::vector<glm::vec2> profile;
  for (int i = 0; i <= rings; ++i) {
    float a = -kPi / 2.0f + kPi * float(i) / float(rings);
    profile.push_back({radius * std::cos(a), radius * std::sin(a)});
  }
  profile.front().x = 0.0f;
  profile.back().x = 0.0f;
  return MakeLathe(profile, segments, true);
}

Mesh MakeRing(float innerRadius, float outerRadius, float z, int segments) {
  Mesh mesh;
  glm::vec3 n(0, 0, 1);
  for (int s = 0; s < segments; ++s) {
    float a0 = 2.0f * kPi * float(s) / float(segments), a1 = 2.0f * kPi * float(s + 1) / float(segments);
    glm::vec2 c0(std::cos(a0), std::sin(a0)), c1(std::cos(a1), std::sin(a1));
    auto at = [&](glm::vec2 c, float r) { return glm::vec3(c * r, z); };
    auto uv = [&](glm::vec2 c, float r) { return glm::vec2(0.5f + 0.5f * c.x * r / outerRadius, 0.5f - 0.5f * c.y * r / outerRadius); };
    MeshVertex a = Vertex(at(c0, outerRadius), uv(c0, outerRadius), n);
    MeshVertex b = Vertex(at(c1, outerRadius), uv(c1, outerRadius), n);
    MeshVertex c = Vertex(at(c1, innerRadius), uv(c1, innerRadius), n);
    MeshVertex d = Vertex(at(c0, innerRadius), uv(c0, innerRadius), n);
    AddTriangle(mesh, a, b, c);
    if (innerRadius > 0.0f) AddTriangle(mesh, a, c, d);
  }
  return mesh;
}

Mesh MakeTorus(float majorRadius, float minorRadius, int segments, int sides) {
  std::vector<glm::vec2> profile;
  for (int i = 0; i <= sides; ++i) {
    float a = -kPi + 2.0f * kPi * float(i) / float(sides);
    profile.push_back({majorRadius - minorRadius * std::cos(a), -minorRadius * std::sin(a)});
  }
  // The profile runs outer edge, top, inner edge, bottom: its outside faces out.
  return MakeLathe(profile, segments, true);
}

std::vector<glm::vec2> RegularOutline(int corners, float radius, float startDegrees) {
  std::vector<glm::vec2> outline;
  for (int i = 0; i < corners; ++i) {
    float a = glm::radians(startDegrees) + 2.0f * kPi * float(i) / float(corners);
    outline.push_back({radius * std::cos(a), radius * std::sin(a)});
  }
  return outline;
}

std::vector<glm::vec2> RoundedRectOutline(float halfWidth, float halfHeight, float radius, int cornerSegments) {
  std::vector<glm::vec2> outline;
  radius = std::min({radius, halfWidth, halfHeight});
  const glm::vec2 centres[4] = {{halfWidth - radius, -halfHeight + radius},
                                {halfWidth - radius, halfHeight - radius},
                                {-halfWidth + radius, halfHeight - radius},
                                {-halfWidth + radius, -halfHeight + radius}};
  for (int corner = 0; corner < 4; ++corner) {
    for (int s = 0; s <= cornerSegments; ++s) {
      float a = glm::radians(-90.0f + 90.0f * float(corner) + 90.0f * float(s) / float(std::max(cornerSegments, 1)));
      outline.push_back(centres[corner] + radius * glm::vec2(std::cos(a), std::sin(a)));
    }
  }
  return outline;
}

std::vector<std::array<int, 3>> TriangulatePolygon(const std::vector<glm::vec2>& outline) {
  std::vector<std::array<int, 3>> result;
  std::vector<int> left;
  for (int i = 0; i < int(outline.size()); ++i) left.push_back(i);
  if (SignedArea(outline) < 0.0f) std::reverse(left.begin(), left.end());
  size_t guard = 0;
  while (left.size() > 3 && guard < outline.size() * outline.size() + 8) {
    ++guard;
    bool clipped = false;
    for (size_t i = 0; i < left.size(); ++i) {
      int ia = left[(i + left.size() - 1) % left.size()], ib = left[i], ic = left[(i + 1) % left.size()];
      glm::vec2 a = outline[size_t(ia)], b = outline[size_t(ib)], c = outline[size_t(ic)];
      if (Cross(b - a, c - b) <= 1e-9f) continue;
      bool empty = true;
      for (int j : left) {
        if (j == ia || j == ib || j == ic) continue;
        if (InsideTriangle(outline[size_t(j)], a, b, c)) {
          empty = false;
          break;
        }
      }
      if (!empty) continue;
      result.push_back({ia, ib, ic});
      left.erase(left.begin() + long(i));
      clipped = true;
      break;
    }
    if (!clipped) break;  // degenerate outline: fan the rest rather than loop forever
  }
  for (size_t i = 1; i + 1 < left.size(); ++i) result.push_back({left[0], left[i], left[i + 1]});
  return result;
}

Mesh MakeTubePath(const std::vector<glm::vec3>& points, float radius, int sides) {
  Mesh mesh;
  if (points.size() < 2 || sides < 3) return mesh;
  // A frame carried along the path so the tube does not twist at bends.
  std::vector<glm::vec3> tangents(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    glm::vec3 a = points[i == 0 ? 0 : i - 1], b = points[std::min(i + 1, points.size() - 1)];
    tangents[i] = glm::normalize(b - a);
  }
  glm::vec3 side = std::abs(tangents[0].z) < 0.9f ? glm::vec3(0, 0, 1) : glm::vec3(1, 0, 0);
  std::vector<std::vector<glm::vec3>> rings(points.size()), normals(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    glm::vec3 right = glm::normalize(glm::cross(tangents[i], side));
    glm::vec3 up = glm::cross(right, tangents[i]);
    side = up;
    for (int s = 0; s < sides; ++s) {
      float a = 2.0f * kPi * float(s) / float(sides);
      glm::vec3 n = right * std::cos(a) + up * std::sin(a);
      rings[i].push_back(points[i] + n * radius);
      normals[i].push_back(n);
    }
  }
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    for (int s = 0; s < sides; ++s) {
      int t = (s + 1) % sides;
      float u0 = float(s) / float(sides), u1 = float(s + 1) / float(sides);
      float v0 = float(i) / float(points.size() - 1), v1 = float(i + 1) / float(points.size() - 1);
      MeshVertex a = Vertex(rings[i][size_t(s)], {u0, v0}, normals[i][size_t(s)]);
      MeshVertex b = Vertex(rings[i + 1][size_t(s)], {u0, v1}, normals[i + 1][size_t(s)]);
      MeshVertex c = Vertex(rings[i + 1][size_t(t)], {u1, v1}, normals[i + 1][size_t(t)]);
      MeshVertex d = Vertex(rings[i][size_t(t)], {u1, v0}, normals[i][size_t(t)]);
      AddTriangle(mesh, a, b, c);
      AddTriangle(mesh, a, c, d);
    }
  }
  return mesh;
}
