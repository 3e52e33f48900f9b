// rivet-soundgen OUTDIR: writes every effect and music track of the game as
// OUTDIR/NAME.ogg. Run by the build into the run directory's music/. Files
// are made on two threads; each file depends only on its own recipe, so the
// bytes do not depend on the order.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tools/soundgen/effects.h"
#include "tools/soundgen/ogg_writer.h"
#include "tools/soundgen/tracks.h"
#include "tools/tool_arguments.h"

namespace {
struct Job {
  const char* name;
  std::function<StereoClip()> make;
  uint32_t serial;
};

bool WriteClip(const std::string& folder, const Job& job) {
  std::vector<uint8_t> bytes = EncodeOgg(job.make(), 0.4f, job.serial);
  std::string path = folder + "/" + job.name + ".ogg";
  if (bytes.empty() || !WriteBytes(path, bytes)) {
    std::printf("rivet-soundgen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

std::vector<Job> ListJobs() {
  std::vector<Job> jobs;
  uint32_t serial = 0x52520000u;
  // The long tracks first, so the two threads finish together.
  for (const TrackRecipe& recipe : TrackRecipes()) {
    jobs.push_back({recipe.name, [compose = recipe.compose] { return RenderSong(compose()); }, ++serial});
  }
  for (const EffectRecipe& recipe : EffectRecipes()) jobs.push_back({recipe.name, recipe.make, ++serial});
  return jobs;
}
}  // namespace

int main(int argc, char** argv) {
  if (AsksForHelp(argc, argv)) {
    std::printf("usage: rivet-soundgen OUTDIR\n");
    return 0;
  }
  if (argc != 2 || !AllPlainNames(argc, argv, 1)) {
    std::fprintf(stderr, "usage: rivet-soundgen OUTDIR\n");
    return 2;
  }
  auto started = std::chrono::steady_clock::now();
  std::string folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::vector<Job> jobs = ListJobs();
  std::atomic<size_t> next{0};
  std::atomic<bool> ok{true};
  auto work = [&] {
    for (size_t i = next++; i < jobs.size(); i = next++) {
      if (!WriteClip(folder, jobs[i])) ok = false;
    }
  };
  std::thread helper(work);
  work();
  helper.join();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("rivet-soundgen: %zu effects and %zu tracks in %.2f s\n", EffectRecipes().size(), TrackRecipes().size(),
              seconds);
  return ok ? 0 : 1;
}
