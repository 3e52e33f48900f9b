// The scenes around the board and in the menus: the hall ("cube") and the
// board's frame ("ramka"), the intro, the menu background, the seven credit
// scenes and the end scene.
#include <algorithm>
#include <cmath>

#include "tools/datagen/effects.h"
#include "tools/datagen/lettering.h"
#include "tools/datagen/looks.h"
#include "tools/datagen/model_jobs.h"
#include "tools/datagen/robot_parts.h"
#include "tools/datagen/shapes.h"
#include "tools/datagen/signs.h"

namespace {

constexpr float kPi = 3.14159265f;

// The board with its ring of floor tiles covers x -21..19 and y -13..15.
constexpr float kBoardLeft = -21.0f, kBoardRight = 19.0f, kBoardBottom = -13.0f, kBoardTop = 15.0f;
constexpr float kHallFloor = -3.0f;

// A grid of quads over a rectangle, each showing the whole picture once.
Mesh TiledQuad(glm::vec3 origin, glm::vec3 across, glm::vec3 up, int columns, int rows) {
  Mesh mesh;
  for (int j = 0; j < rows; ++j) {
    for (int i = 0; i < columns; ++i) {
      glm::vec3 a = origin + across * float(i) + up * float(j);
      mesh.Append(MakeQuad(a, a + across, a + across + up, a + up));
    }
  }
  return mesh;
}

SurfaceLook HallFloorLook() {
  const int n = 64;
  Canvas c(n, n, Rgb(40, 40, 40));
  c.Fill(Outlined(RoundRectShape({0, 0}, {float(n), float(n)}, 0), 1.0f), Rgb(26, 26, 26));
  c.Fill(LineShape({0, n * 0.5f}, {float(n), n * 0.5f}, 0.6f), Rgb(34, 34, 34));
  c.Fill(LineShape({n * 0.5f, 0}, {n * 0.5f, float(n)}, 0.6f), Rgb(34, 34, 34));
  SurfaceLook look;
  look.pattern = c;
  look.bands = 1;
  return look;
}

SurfaceLook HallWallLook() {
  const int n = 64;
  Canvas c(n, n, Rgb(54, 62, 74));
  for (int i = 0; i < 4; ++i) c.Fill(LineShape({8.0f + 16.0f * float(i), 0}, {8.0f + 16.0f * float(i), float(n)}, 2.0f), Rgb(40, 46, 56));
  c.Fill(RoundRectShape({0, n - 10.0f}, {float(n), float(n)}, 0), Rgb(140, 110, 30));
  SurfaceLook look;
  look.pattern = c;
  look.bands = 4;
  return look;
}

// The hall: a large room the board stands in, seen around the board and from the robots' eyes.
ModelKit Hall() {
  ModelKit kit(1);
  int floor = kit.AddMaterial("hall floor", HallFloorLook());
  int wall = kit.AddMaterial("hall wall", HallWallLook());
  int ceiling = kit.AddMaterial("hall ceiling", PaintLook(Rgb(30, 32, 38), 121));
  int lamps = kit.AddMaterial("hall lamps", LampLook(Rgb(255, 230, 180)));
  const float half = 90.0f, top = 45.0f;
  const int cells = 12;
  float step = 2.0f * half / float(cells);
  kit.AddStill("floor", floor, TiledQuad({-half, -half, kHallFloor}, {step, 0, 0}, {0, step, 0}, cells, cells));
  float rise = (top - kHallFloor) / 3.0f;
  Mesh walls;  // facing inwards
  walls.Append(TiledQuad({-half, half, kHallFloor}, {step, 0, 0}, {0, 0, rise}, cells, 3));
  walls.Append(TiledQuad({half, -half, kHallFloor}, {-step, 0, 0}, {0, 0, rise}, cells, 3));
  walls.Append(TiledQuad({-half, -half, kHallFloor}, {0, step, 0}, {0, 0, rise}, cells, 3));
  walls.Append(TiledQuad({half, half, kHallFloor}, {0, -step, 0}, {0, 0, rise}, cells, 3));
  kit.AddStill("walls", wall, walls);
  kit.AddStill("ceiling", ceiling, TiledQuad({-half, half, top}, {step * 2.0f, 0, 0}, {0, -step * 2.0f, 0}, cells / 2, cells / 2));
  Mesh lights;
  for (int i = -2; i <= 2; ++i)
    for (int j = -2; j <= 2; ++j)
      lights.Append(MakeBox({float(i) * 30.0f - 4.0f, float(j) * 30.0f - 1.0f, top - 1.0f}, {float(i) * 30.0f + 4.0f, float(j) * 30.0f + 1.0f, top}));
  kit.AddStill("lights", lamps, lights);
  return kit;
}

// The board's frame: a dark pool under the see-through floor (the robots'
// reflections show in it) and a raised rim with hazard stripes.
ModelKit BoardFrame() {
  ModelKit kit(1);
  // The pool lies under the whole board: one plain layer keeps it cheap to fill.
  SurfaceLook poolLook;
  poolLook.pattern = Canvas(16, 16, Rgb(14, 18, 26));
  poolLook.bands = 4;
  int pool = kit.AddMaterial("pool", poolLook);
  int rim = kit.AddMaterial("rim", PaintLook(Rgb(72, 80, 94), 131));
  int stripes = kit.AddMaterial("rim stripes", HazardLook());
  int bolts = kit.AddMaterial("rim bolts", MetalLook(palette::kSteel, 0.5f));
  const float depth = -2.0f, width = 1.6f, height = 0.5f;
  kit.AddStill("pool", pool, TiledQuad({kBoardLeft, kBoardBottom, depth}, {4.0f, 0, 0}, {0, 4.0f, 0}, 10, 7));
  Mesh walls;  // the pool's walls below the floor, facing inwards
  walls.Append(MakeQuad({kBoardRight, kBoardBottom, depth}, {kBoardLeft, kBoardBottom, depth}, {kBoardLeft, kBoardBottom, 0}, {kBoardRight, kBoardBottom, 0}));
  walls.Append(MakeQuad({kBoardLeft, kBoardTop, depth}, {kBoardRight, kBoardTop, depth}, {kBoardRight, kBoardTop, 0}, {kBoardLeft, kBoardTop, 0}));
  walls.Append(MakeQuad({kBoardLeft, kBoardBottom, depth}, {kBoardLeft, kBoardTop, depth}, {kBoardLeft, kBoardTop, 0}, {kBoardLeft, kBoardBottom, 0}));
  walls.Append(MakeQuad({kBoardRight, kBoardTop, depth}, {kBoardRight, kBoardBottom, depth}, {kBoardRight, kBoardBottom, 0}, {kBoardRight, kBoardTop, 0}));
  kit.AddStill("pool walls", pool, walls);
  Mesh frame;
  frame.Append(MakeBevelBox({kBoardLeft - width, kBoardBottom - width, kHallFloor}, {kBoardRight + width, kBoardBottom, height}, 0.25f));
  frame.Append(MakeBevelBox({kBoardLeft - width, kBoardTop, kHallFloor}, {kBoardRight + width, kBoardTop + width, height}, 0.25f));
  frame.Append(MakeBevelBox({kBoardLeft - width, kBoardBottom, kHallFloor}, {kBoardLeft, kBoardTop, height}, 0.25f));
  frame.Append(MakeBevelBox({kBoardRight, kBoardBottom, kHallFloor}, {kBoardRight + width, kBoardTop, height}, 0.25f));
  kit.AddStill("frame", rim, frame);
  Mesh band;
  const float bandZ = height + 0.01f;
  auto strip = [&](float x0, float y0, float x1, float y1) {
    band.Append(MakeQuad({x0, y0, bandZ}, {x1, y0, bandZ}, {x1, y1, bandZ}, {x0, y1, bandZ}));
  };
  for (int i = 0; i < 20; ++i) {
    float x = kBoardLeft + 2.0f * float(i);
    strip(x, kBoardBottom - 1.1f, x + 2.0f, kBoardBottom - 0.5f);
    strip(x, kBoardTop + 0.5f, x + 2.0f, kBoardTop + 1.1f);
  }
  for (int j = 0; j < 14; ++j) {
    float y = kBoardBottom + 2.0f * float(j);
    strip(kBoardLeft - 1.1f, y, kBoardLeft - 0.5f, y + 2.0f);
    strip(kBoardRight + 0.5f, y, kBoardRight + 1.1f, y + 2.0f);
  }
  kit.AddStill("stripes", stripes, band);
  Mesh heads;
  for (float x : {kBoardLeft - 0.8f, kBoardRight + 0.8f})
    for (float y : {kBoardBottom - 0.8f, kBoardTop + 0.8f})
      heads.Append(Transformed(MakeCylinder(0.45f, 0.35f, height, height + 0.25f, 12), Translation({x, y, 0})));
  kit.AddStill("bolts", bolts, heads);
  return kit;
}

float SmoothStep(float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  return t * t * (3.0f - 2.0f * t);
}

// The letters of `text` one by one, each given as a mesh centred at x = 0 plus its offset.
struct Letter {
  Mesh mesh;
  float x;
};

std::vector<Letter> SplitLettering(const std::string& text, float height, float depth, float spacing) {
  std::vector<Letter> letters;
  float total = 0.0f;
  std::vector<float> widths;
  for (char c : text) {
    float w = c == ' ' ? height * 0.4f : LetteringWidth(std::string(1, c), height);
    widths.push_back(w);
    total += w + spacing;
  }
  total -= spacing;
  float x = -total * 0.5f;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != ' ') letters.push_back({MakeLettering(std::string(1, text[i]), height, depth), x + widths[i] * 0.5f});
    x += widths[i] + spacing;
  }
  return letters;
}

SurfaceLook TitleLook(Colour colour) {
  SurfaceLook look = PaintLook(colour, 141);
  look.glow = GlowPicture(Scaled(colour, 0.55f));
  return look;
}

// Intro (time 0..4): the robot drives in on a row of floor plates while the
// title's letters fly together; the last pose is held. The intro is lit from
// high above, so everything stands well beyond the camera's target and the
// title glows on its own.
ModelKit Intro() {
  ModelKit kit(5);
  const glm::vec3 centre(2.24f, 14.0f, 0.0f);
  int floor = kit.AddMaterial("intro floor", FloorLook());
  kit.AddStill("floor", floor, TiledQuad(centre + glm::vec3(-48.0f, -6.0f, -12.0f), {6.0f, 0, 0}, {0, 6.0f, 0}, 16, 2));
  int title = kit.AddMaterial("title", TitleLook(palette::kRobot));
  std::vector<Letter> letters = SplitLettering("RIVET RUN", 11.0f, 2.5f, 1.2f);
  kit.AddAnimated("title", title, [&](int f) {
    Mesh m;
    for (size_t i = 0; i < letters.size(); ++i) {
      float arrive = SmoothStep((float(f) - 0.25f * float(i % 4)) / 3.0f);
      float side = (i % 2 == 0) ? -1.0f : 1.0f;
      glm::vec3 from(side * (20.0f + 6.0f * float(i)), 30.0f + 8.0f * float(i % 3), side * 25.0f);
      glm::vec3 at = centre + glm::vec3(letters[i].x, 0.0f, 8.0f);
      glm::vec3 place = at + from * (1.0f - arrive);
      m.Append(Transformed(letters[i].mesh, Translation(place) * RotationZ(side * 160.0f * (1.0f - arrive)) *
                                                 RotationX(90.0f * (1.0f - arrive))));
    }
    return m;
  });
  AddPosedRobot(kit, [&](const RobotPiece&, int f) {
    float drive = SmoothStep(float(f) / 3.5f);
    glm::vec3 at = centre + glm::vec3(-45.0f + 45.0f * drive, 0.0f, -12.0f);
    return Translation(at) * RotationZ(180.0f + 25.0f * drive) * Scaling(glm::vec3(8.0f));
  });
  return kit;
}

// Menu background, one loop over 20 frames (20 s): two robots drive round a
// ring of rollers, gears turn behind, the title sign hangs above.
constexpr int kMenuFrames = 20;

std::vector<glm::vec2> GearOutline(int teeth, float radius, float toothDepth) {
  std::vector<glm::vec2> outline;
  for (int i = 0; i < teeth * 4; ++i) {
    float a = 2.0f * kPi * float(i) / float(teeth * 4);
    float r = (i % 4 == 1 || i % 4 == 2) ? radius + toothDepth : radius;
    outline.push_back({r * std::cos(a), r * std::sin(a)});
  }
  return outline;
}

ModelKit MenuScene() {
  ModelKit kit(kMenuFrames);
  int floor = kit.AddMaterial("menu floor", FloorLook());
  kit.AddStill("floor", floor, TiledQuad({-32.0f, -16.0f, 0.0f}, {8.0f, 0, 0}, {0, 8.0f, 0}, 8, 5));
  int track = kit.AddMaterial("track", HazardLook());
  kit.AddStill("track", track, MakeRing(9.0f, 11.0f, 0.02f, 48));
  int steel = kit.AddMaterial("gear", MetalLook(Rgb(150, 156, 166), 0.5f));
  int paint = kit.AddMaterial("gear paint", PaintLook(Rgb(210, 120, 40), 151));
  Mesh gear = MakePrism(GearOutline(12, 5.0f, 0.9f), -0.6f, 0.6f, 0.0f, true);
  Mesh hub = MakeCylinder(1.4f, 1.4f, -0.8f, 0.8f, 16);
  // A pair of meshing gears on each side. They turn once per loop, so the last
  // frame leads back into the first without a jump.
  const glm::vec3 bigCentre(-19.0f, 16.0f, 9.0f), smallCentre(-8.1f, 16.0f, 9.0f);
  kit.AddAnimated("gears", steel, [&](int f) {
    float turn = 360.0f * float(f) / float(kMenuFrames);
    Mesh m;
    for (float side : {-1.0f, 1.0f}) {
      glm::mat4 mirror = Scaling({side, 1.0f, 1.0f});
      m.Append(Transformed(gear, mirror * Translation(bigCentre) * RotationX(90.0f) * RotationZ(turn)));
      m.Append(Transformed(gear, mirror * Translation(smallCentre) * RotationX(90.0f) * RotationZ(-turn + 15.0f)));
    }
    return m;
  });
  Mesh hubs;
  for (float side : {-1.0f, 1.0f})
    for (glm::vec3 c : {bigCentre, smallCentre}) hubs.Append(Transformed(hub, Translation(c * glm::vec3(side, 1, 1)) * RotationX(90.0f)));
  kit.AddStill("hubs", paint, hubs);
  // The title on a sign held by a gantry, above the buttons.
  Canvas sign = SignPicture(512, 128, {{"RIVET RUN", FontFace::Bold, 1.0f, palette::kRobot}});
  AddSign(kit, sign, 30.0f, 7.5f, 0.8f, Translation({0.0f, 14.0f, 22.0f}));
  // The hall's far wall closes the view behind the gantry.
  int hallWall = kit.AddMaterial("hall wall", HallWallLook());
  kit.AddStill("far wall", hallWall, TiledQuad({-48.0f, 24.0f, 0.0f}, {12.0f, 0, 0}, {0, 0, 12.0f}, 8, 4));
  int pillar = kit.AddMaterial("gantry", WallLook(152));
  Mesh gantry;
  for (float x : {-27.0f, 27.0f}) gantry.Append(MakeBevelBox({x - 1.5f, 13.0f, 0.0f}, {x + 1.5f, 16.0f, 27.0f}, 0.3f));
  gantry.Append(MakeBevelBox({-28.5f, 13.5f, 26.0f}, {28.5f, 15.5f, 27.5f}, 0.2f));
  kit.AddStill("gantry", pillar, gantry);
  for (int r = 0; r < 2; ++r) {
    AddPosedRobot(kit, [r](const RobotPiece&, int f) {
      float a = 360.0f * (float(f) / float(kMenuFrames) + 0.5f * float(r));
      return RotationZ(a) * Translation({10.0f, 0.0f, 0.0f}) * RotationZ(90.0f) * Scaling(glm::vec3(2.2f));
    });
  }
  return kit;
}

// Credit scenes: one sign each, lines of the game's credits.
ModelKit Credit(const std::vector<SignLine>& lines, bool withTitle) {
  ModelKit kit(1);
  Canvas picture = SignPicture(768, 320, lines);
  AddSign(kit, picture, 30.0f, 12.5f, 1.0f, glm::mat4(1.0f));
  if (withTitle) {
    int title = kit.AddMaterial("credit title", TitleLook(palette::kRobot));
    kit.AddStill("title", title, Transformed(MakeLettering("RIVET RUN", 5.0f, 1.5f), Translation({0, -1.0f, 10.5f})));
  }
  return kit;
}

SignLine Heading(const char* text) { return {text, FontFace::Bold, 1.3f, palette::kRobot}; }
SignLine Line(const char* text) { return {text, FontFace::CondensedBold, 1.0f, Colour(1.0f)}; }

// The end scene, one loop over 30 frames: robots dance on a stage before the
// greeting while fireworks burst.
constexpr int kEndFrames = 24;

ModelKit EndScene() {
  ModelKit kit(kEndFrames);
  const glm::vec3 stage(5.0f, 2.0f, 0.0f);
  const float facing = 22.0f;  // turns the stage towards the end camera
  glm::mat4 place = Translation(stage) * RotationZ(facing);
  int floor = kit.AddMaterial("stage", FloorLook());
  kit.AddStill("stage", floor, Transformed(TiledQuad({-12.0f, -6.0f, 0.0f}, {4.0f, 0, 0}, {0, 4.0f, 0}, 6, 4), place));
  int rim = kit.AddMaterial("stage rim", HazardLook());
  kit.AddStill("rim", rim, Transformed(MakeBox({-12.0f, -6.6f, -1.0f}, {12.0f, -6.0f, 0.05f}), place));
  Canvas greeting = SignPicture(768, 320, {{"GRATULACJE!", FontFace::Bold, 1.4f, palette::kRobot},
                                           {"Wszystkie 45 etapów ukończone", FontFace::CondensedBold, 1.0f, Colour(1.0f)},
                                           {"Rivet Run", FontFace::CondensedBold, 0.8f, Rgb(180, 200, 220)}});
  AddSign(kit, greeting, 20.0f, 8.3f, 0.8f, place * Translation({0.0f, 5.0f, 7.0f}));
  for (int r = 0; r < 2; ++r) {
    AddPosedRobot(kit, [=](const RobotPiece&, int f) {
      float t = float(f) / float(kEndFrames);
      float hop = 0.8f * std::abs(std::sin(2.0f * kPi * (2.0f * t + 0.33f * float(r))));
      return place * Translation({-3.5f + 7.0f * float(r), -1.0f, hop}) * RotationZ(90.0f + 360.0f * t * (r == 1 ? -1.0f : 1.0f)) *
             Scaling(glm::vec3(1.8f));
    });
  }
  // Fireworks: each burst grows and fades over half the loop, then draws back
  // in unseen, so every part of the loop joins its start.
  const Colour colours[3] = {palette::kRobot, Rgb(80, 200, 255), Rgb(255, 90, 160)};
  for (int b = 0; b < 3; ++b) {
    auto phase = [=](int f) { return std::fmod(float(f) / float(kEndFrames) + float(b) / 3.0f, 1.0f); };
    AddGlow(kit, "firework", colours[b], [=](int f) {
      float p = phase(f);
      float reach = 6.0f * (p < 0.5f ? p / 0.5f : (1.0f - p) / 0.5f);
      Mesh burst;
      for (int k = 0; k < 12; ++k) {
        float a = 2.0f * kPi * float(k) / 12.0f;
        glm::vec3 dir(std::cos(a), 0.3f * std::sin(a * 3.0f), std::sin(a));
        Mesh spark = MakeSphere(0.3f, 4, 2);
        spark.Transform(Translation(dir * reach));
        burst.Append(spark);
      }
      return Transformed(burst, place * Translation({-8.0f + 8.0f * float(b), 10.0f, 13.0f + 2.0f * float(b % 2)}));
    }, [=](int f) {
      float p = phase(f);
      return p < 0.05f ? p / 0.05f : p < 0.5f ? 1.0f - (p - 0.05f) / 0.45f : 0.0f;
    });
  }
  return kit;
}

}  // namespace

std::vector<ModelJob> SceneModelJobs() {
  return {
      {"data/cube.vxm", 1, Hall},
      {"data/ramka.vxm", 1, BoardFrame},
      {"data/tarvik_intro.vxm", 5, Intro},
      {"data/menu scena.vxm", kMenuFrames, MenuScene},
      {"data/au1.vxm", 1, [] { return Credit({Line(""), Line("gra logiczna o robotach"), Line("45 etapów, 3 poziomy trudności")}, true); }},
      {"data/au2.vxm", 1, [] { return Credit({Heading("PROGRAMOWANIE"), Line("Zespół Rivet Run"), Line("silnik, zasady gry, menu")}, false); }},
      {"data/au3.vxm", 1, [] { return Credit({Heading("GRAFIKA"), Line("modele, obrazy i czcionki"), Line("z własnego generatora danych")}, false); }},
      {"data/au4.vxm", 1, [] { return Credit({Heading("DŹWIĘK I MUZYKA"), Line("efekty i utwory"), Line("z własnego syntezatora")}, false); }},
      {"data/au5.vxm", 1, [] { return Credit({Heading("ETAPY"), Line("45 łamigłówek"), Line("sprawdzonych solverem")}, false); }},
      {"data/au6.vxm", 1, [] { return Credit({Heading("TESTY"), Line("każdy moduł sprawdzony"), Line("automatycznie, bez ekranu")}, false); }},
      {"data/au7.vxm", 1, [] { return Credit({Heading("DZIĘKUJEMY ZA GRĘ!"), Line("Rivet Run"), Line("czcionka DejaVu")}, false); }},
      {"data/end.vxm", kEndFrames, EndScene},
  };
}

std::vector<ModelJob> AllModelJobs() {
  std::vector<ModelJob> jobs = CellModelJobs();
  for (auto* list : {RobotModelJobs, SceneModelJobs}) {
    std::vector<ModelJob> more = list();
    jobs.insert(jobs.end(), more.begin(), more.end());
  }
  return jobs;
}
