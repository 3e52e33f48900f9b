// rivet-model: a developer tool over the engine's own model code.
//   rivet-model info FILE
//   rivet-model render FILE OUT.png [--time T] [--width W] [--height H]
//                      [--eye X,Y,Z] [--at X,Y,Z] [--up X,Y,Z] [--fov DEG]
// info prints one line of counts; render draws the model at the origin with
// the play screen's light on black and writes the picture as PNG. Exit status:
// 0 done, 2 the model file could not be opened, 1 any other failure (a
// damaged model included: its counts are printed, all zero).
#include <cstdio>
#include <cstring>

#include "graphics/model.h"
#include "graphics/render_device.h"
#include "graphics/render_queue.h"
#include "platform/window.h"
#include "tools/model/model_tool.h"
#include "tools/tool_arguments.h"

namespace {

int Usage(std::FILE* out = stderr) {
  std::fprintf(out,
               "usage: rivet-model info FILE\n"
               "       rivet-model render FILE OUT.png [--time T] [--width W] [--height H]\n"
               "                   [--eye X,Y,Z] [--at X,Y,Z] [--up X,Y,Z] [--fov DEG]\n");
  return 1;
}

int Info(const char* path) {
  ModelFile model;
  if (ModelFile::Load(model, path) == 0) {
    std::fprintf(stderr, "rivet-model: cannot open %s\n", path);
    return 2;
  }
  std::printf("%s\n", FormatModelInfo(model).c_str());
  if (model.damaged) {
    std::fprintf(stderr, "rivet-model: %s is damaged: %s\n", path, model.problem.c_str());
    return 1;
  }
  return 0;
}

int Render(int argc, const char* const* argv) {
  RenderOptions options;
  std::string error;
  if (!ParseRenderOptions(argc, argv, &options, &error)) {
    std::fprintf(stderr, "rivet-model: %s\n", error.c_str());
    return Usage();
  }
  ModelFile probe;
  if (ModelFile::Load(probe, options.modelPath.c_str()) == 0) {
    std::fprintf(stderr, "rivet-model: cannot open %s\n", options.modelPath.c_str());
    return 2;
  }
  if (probe.damaged) {
    std::fprintf(stderr, "rivet-model: %s is damaged: %s\n", options.modelPath.c_str(), probe.problem.c_str());
    return 1;
  }
  WindowConfig config;
  config.width = options.width;
  config.height = options.height;
  config.hidden = true;
  config.resizable = false;
  config.title = "rivet-model";
  if (!PlatformCreateWindow(config) || CreateRenderDevice(options.width, options.height, 32) == 0) return 1;
  static Model model;
  model.Load(options.modelPath.c_str());
  FrameModel(probe, &options);
  SetCamera(options.eye.x, options.eye.y, options.eye.z, options.at.x, options.at.y, options.at.z, options.up.x,
            options.up.y, options.up.z, options.fovDegrees);
  SetLight(255, 255, 255, 0, 0, 0, 0, -20, 20);
  RenderFrame(0, 1, 1, 1);
  QueueModel(&model, 0, 0, 0, 0, 0, 0, options.time);
  RenderFrame(0, 0, 1, 1);
  if (!SaveFramePng(options.outputPath.c_str())) {
    std::fprintf(stderr, "rivet-model: cannot write %s\n", options.outputPath.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (AsksForHelp(argc, argv)) {
    Usage(stdout);
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "info") == 0) return Info(argv[2]);
  if (argc >= 4 && std::strcmp(argv[1], "render") == 0) return Render(argc - 2, argv + 2);
  return Usage();
}
