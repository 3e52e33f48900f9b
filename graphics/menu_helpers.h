// Small operations of the menus: their camera, the slowly running animation
// value of their scene models, and the rectangle used for hit tests.
#pragma once

// The ten floats of "data/kamera.cam" (eye, target, up, field of view), filled
// by the front end; zero until then.
extern float menuCamera[10];
// The menus' animation value, passed as the time of their scene models.
extern float menuSpin;

// SetCamera with the menu camera record, in record order.
void ApplyMenuCamera();
// Adds 0.01 to menuSpin (100 calls: about one animation frame).
void AdvanceMenuSpin();

struct Rect {
  float x = 0, y = 0, width = 0, height = 0;
  void Set(float x, float y, float width, float height);
  // Strictly inside: a point on an edge is outside.
  bool Contains(float px, float py) const;
};
