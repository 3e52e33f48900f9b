// Runs the model and picture jobs, two at a time, into the run directory.
#include "tools/datagen/generate.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "tools/datagen/menu_camera.h"
#include "tools/datagen/model_jobs.h"
#include "tools/datagen/picture_jobs.h"
#include "tools/datagen/text.h"

namespace fs = std::filesystem;

namespace {

uint64_t FileBytes(const fs::path& path) {
  std::error_code error;
  uintmax_t size = fs::file_size(path, error);
  return error ? 0 : uint64_t(size);
}

// Runs `count` jobs on two threads; each job reports its own result.
template <typename Run>
void RunJobs(size_t count, Run run) {
  std::atomic<size_t> next{0};
  auto worker = [&] {
    for (size_t i = next++; i < count; i = next++) run(i);
  };
  std::thread helper(worker);
  worker();
  helper.join();
}

}  // namespace

GenerateReport GenerateData(const GenerateOptions& options) {
  GenerateReport report;
  std::mutex lock;
  fs::path root(options.runDirectory);
  std::error_code error;
  for (const char* folder : {"data", "data/png", "data/font1"}) fs::create_directories(root / folder, error);
  auto record = [&](const std::string& file, bool written) {
    std::lock_guard<std::mutex> guard(lock);
    if (!written) {
      report.failures.push_back(file);
      return;
    }
    report.files += 1;
    report.bytes += FileBytes(root / file);
  };

  if ((options.pictures || options.cards) && !OpenFonts(options.fontDirectory)) {
    report.failures.push_back("fonts in " + options.fontDirectory);
    return report;
  }
  if (options.models) {
    std::vector<ModelJob> jobs = AllModelJobs();
    RunJobs(jobs.size(), [&](size_t i) {
      ModelKit kit = jobs[i].build();
      record(jobs[i].file, kit.FrameCount() == jobs[i].frames && WriteModel(kit, (root / jobs[i].file).string()));
    });
    std::ofstream camera(root / "data/kamera.cam", std::ios::binary);
    camera << MenuCameraText();
    camera.close();
    record("data/kamera.cam", bool(camera));
  }
  std::vector<PictureJob> pictures;
  if (options.pictures) {
    for (auto* list : {MenuPictureJobs, HudPictureJobs, IconPictureJobs, FontPictureJobs}) {
      std::vector<PictureJob> more = list();
      pictures.insert(pictures.end(), more.begin(), more.end());
    }
  }
  if (options.cards) {
    std::vector<PictureJob> cards = LevelCardJobs(options.levelDirectory);
    pictures.insert(pictures.end(), cards.begin(), cards.end());
  }
  RunJobs(pictures.size(), [&](size_t i) {
    Canvas canvas = pictures[i].draw();
    record(pictures[i].file, canvas.Width() > 0 && SavePng(canvas, (root / pictures[i].file).string()));
  });
  if (options.pictures || options.cards) CloseFonts();
  return report;
}
