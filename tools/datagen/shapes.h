// Procedural solids for the generator: quads, boxes, bevelled prisms from 2D
// outlines, lathed shapes (cylinders, cones, domes, spheres), tori and rings.
// Every shape is built about the origin with z up; place it with Transform.
// Texture coordinates run 0..1 over each face (v = 0 at the top of a picture).
#pragma once
#include <array>
#include <vector>

#include <glm/glm.hpp>

#include "tools/datagen/mesh.h"

// One flat quad; corners counter-clockwise seen from the front, starting at
// the corner that shows the picture's bottom-left.
Mesh MakeQuad(glm::vec3 p0, glm::vec3 p1, glm::vec3 p2, glm::vec3 p3);
// Axis-aligned box between two corners.
Mesh MakeBox(glm::vec3 low, glm::vec3 high);
// Box whose top edges are chamfered by `bevel` (a wall block, a button cap).
Mesh MakeBevelBox(glm::vec3 low, glm::vec3 high, float bevel);
// A counter-clockwise outline raised from z0 to z1; the top is inset by
// `bevel` with a sloped ring. Concave outlines are fine if the inset stays simple.
Mesh MakePrism(const std::vector<glm::vec2>& outline, float z0, float z1, float bevel = 0.0f, bool withBottom = false);
// Just the flat cap of an outline at height z, facing up (or down).
Mesh MakeFlatOutline(const std::vector<glm::vec2>& outline, float z, bool facingUp = true);
// Revolves a profile of (radius, z) points around the z axis, bottom to top.
// Zero radii close the shape; `smooth` averages normals along the profile.
Mesh MakeLathe(const std::vector<glm::vec2>& profile, int segments, bool smooth = false);
// Closed cylinder or cone frustum around the z axis.
Mesh MakeCylinder(float radiusBottom, float radiusTop, float z0, float z1, int segments, bool caps = true);
Mesh MakeSphere(float radius, int segments, int rings);
// Flat annulus at height z facing up; inner radius 0 gives a disc.
Mesh MakeRing(float innerRadius, float outerRadius, float z, int segments);
// Doughnut around the z axis.
Mesh MakeTorus(float majorRadius, float minorRadius, int segments, int sides);
// Regular polygon outline (counter-clockwise), first corner at `startDegrees`.
std::vector<glm::vec2> RegularOutline(int corners, float radius, float startDegrees = 0.0f);
// Rectangle with rounded corners, counter-clockwise.
std::vector<glm::vec2> RoundedRectOutline(float halfWidth, float halfHeight, float radius, int cornerSegments);
// Triangulates a simple counter-clockwise polygon by ear clipping.
std::vector<std::array<int, 3>> TriangulatePolygon(const std::vector<glm::vec2>& outline);
// A round tube of `radius` through the points (a cable, a pipe), open ends.
Mesh MakeTubePath(const std::vector<glm::vec3>& points, float radius, int sides);
