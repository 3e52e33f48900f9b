// rivet-soundgen OUTDIR: writes every effect and music track of the game as
// OUTDIR/NAME.ogg. Run by the build into the run directory's music/.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/soundgen/effects.h"
#include "tools/soundgen/ogg_writer.h"
#include "tools/soundgen/tracks.h"

namespace {
bool WriteClip(const std::string& folder, const char* name, const StereoClip& clip, uint32_t serial) {
  std::vector<uint8_t> bytes = EncodeOgg(clip, 0.4f, serial);
  std::string path = folder + "/" + name + ".ogg";
  if (bytes.empty() || !WriteBytes(path, bytes)) {
    std::printf("rivet-soundgen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::printf("usage: rivet-soundgen OUTDIR\n");
    return 2;
  }
  auto started = std::chrono::steady_clock::now();
  std::string folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  uint32_t serial = 0x52520000u;
  bool ok = true;
  for (const EffectRecipe& recipe : EffectRecipes()) ok = WriteClip(folder, recipe.name, recipe.make(), ++serial) && ok;
  for (const TrackRecipe& recipe : TrackRecipes()) ok = WriteClip(folder, recipe.name, RenderSong(recipe.compose()), ++serial) && ok;
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("rivet-soundgen: %zu effects and %zu tracks in %.2f s\n", EffectRecipes().size(), TrackRecipes().size(), seconds);
  return ok ? 0 : 1;
}
