// One play-screen frame, queued and rendered: 18 x 12 floor cells, the ring of
// 60 tiles, 20 robots drawn twice (the robot and its shadow pass), and the two
// scenery models, with layered and animated generated models.
//   rr_frame_bench [--width W --height H] [--base-only] [--no-settled] [--write-models DIR] [benchmark flags]
// The robots animate every frame; the rest stays still and, unless
// --no-settled, is copied in from the settled picture.
// Besides frames per second it reports the processor time of a frame over all
// threads (cpu_ms) and the draw calls, buffer uploads and texture binds of one frame.
// Frames are measured in real time (the software renderer works on threads of
// its own) and include waiting for the GPU to finish.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/frame/test_models.h"
#include "graphics/model.h"
#include "graphics/render_device.h"
#include "graphics/render_queue.h"
#include "platform/gpu_device.h"
#include "platform/window.h"

namespace {

int width = 640;
int height = 480;

struct Scene {
  Model floor, ring, robot, backdrop, frame;
};

Scene* scene = nullptr;

void LoadInto(Model& model, const ModelSource& source, const std::string& dir, const char* name) {
  std::string path = dir + "/" + name;
  SaveModelFile(BuildModelFile(source), path.c_str());
  model.Load(path.c_str());
}

bool Setup(const std::string& dir) {
  WindowConfig config;
  config.width = width;
  config.height = height;
  config.hidden = true;
  if (!PlatformCreateWindow(config) || CreateRenderDevice(width, height, 32) == 0) return false;
  CreateRenderQueue();
  scene = new Scene;
  LoadInto(scene->floor, MakeFloorTileSource(), dir, "bench floor.vxm");
  LoadInto(scene->ring, MakeRingTileSource(), dir, "bench ring.vxm");
  LoadInto(scene->robot, MakeRobotSource(), dir, "bench robot.vxm");
  LoadInto(scene->backdrop, MakeBackdropSource(), dir, "bench backdrop.vxm");
  LoadInto(scene->frame, MakeFrameSource(), dir, "bench frame.vxm");
  return true;
}

void QueuePlayFrame(float clock) {
  SetCamera(-1, -30, 32, -1, 0, 0, 0, 0, 1, 50);
  SetLight(255, 255, 255, 0, 0, 0, 0, -20, 20);
  SetViewRect(0, 2000, 0, 0, width, height, 0, 0);
  QueueModel(&scene->backdrop, 0, 0, 0, 0, 0, 0, 0);
  QueueModel(&scene->frame, 0, 0, 0, 0, 0, 0, 0);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 18; ++x) QueueModel(&scene->floor, 2.0f * x - 18, 12 - 2.0f * y, 0, 0, 0, 0, 0);
  }
  for (int i = 0; i < 60; ++i) {
    float a = 2 * 3.1415927f * float(i) / 60;
    QueueModel(&scene->ring, -1 + 23 * std::cos(a), 1 + 16 * std::sin(a), 0, 0, 0, float(i) * 6, 0);
  }
  for (int i = 0; i < 20; ++i) {
    float x = 2.0f * float(i % 18) - 18, y = 12 - 2.0f * float((i * 7) % 12);
    float time = std::fmod(clock + float(i) * 0.37f, 8.0f);
    QueueModel(&scene->robot, x, y, 0, 0, 0, float(i) * 18, time);
    QueueModel(&scene->robot, x, y, 0.01f, 0, 0, float(i) * 18, time);
  }
}

void PlayScreenFrame(benchmark::State& state) {
  float clock = 0;
  // Processor time of the whole process: the software renderer's threads do most of the work.
  const std::clock_t cpuStart = std::clock();
  for (auto _ : state) {
    QueuePlayFrame(clock);
    RenderFrame(1, 1, 1, 1);
    GpuFinish();
    clock += 0.1f;
  }
  const double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["cpu_ms"] = 1000 * cpuSeconds / double(std::max<int64_t>(state.iterations(), 1));
  const FrameCost cost = LastFrameCost();
  state.counters["draws"] = cost.drawCalls;
  state.counters["uploads"] = cost.bufferUploads;
  state.counters["binds"] = cost.textureBinds;
  state.SetLabel(std::to_string(width) + "x" + std::to_string(height));
}

}  // namespace

BENCHMARK(PlayScreenFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

int main(int argc, char** argv) {
  std::string dir = "/tmp";
  std::vector<char*> rest = {argv[0]};
  bool writeOnly = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--width") == 0 && i + 1 < argc) {
      width = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--height") == 0 && i + 1 < argc) {
      height = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--base-only") == 0) {
      SetExtraPasses(0);  // the settings option that draws each mesh's base layer only
    } else if (std::strcmp(argv[i], "--no-settled") == 0) {
      SetSettledScene(false);
    } else if (std::strcmp(argv[i], "--write-models") == 0 && i + 1 < argc) {
      dir = argv[++i];
      writeOnly = true;
    } else {
      rest.push_back(argv[i]);
    }
  }
  if (width < 16 || height < 16 || !Setup(dir)) {
    std::fprintf(stderr, "rr_frame_bench: no window or OpenGL 3.3 device\n");
    return 1;
  }
  if (writeOnly) {
    // Also leave one frame's picture beside the models, to look at.
    QueuePlayFrame(0);
    RenderFrame(0, 0, 1, 1);
    SaveFramePng((dir + "/bench frame.png").c_str());
    return 0;
  }
  int count = int(rest.size());
  benchmark::Initialize(&count, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
