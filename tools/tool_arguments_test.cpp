// Every developer tool's command line: "--help" prints the usage and touches
// nothing, and a misplaced option is refused instead of becoming a file or
// folder name.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Call {
  const char* tool;
  const char* arguments;
  bool help;  // exit 0 with the usage on standard output; otherwise a refusal
};

int RunIn(const fs::path& folder, const std::string& command) {
  std::string line = "cd '" + folder.string() + "' && " + command + " > ../out.txt 2>&1";
  int status = std::system(line.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ToolArguments, HelpAnswersAndMisplacedOptionsWriteNothing) {
  const std::vector<Call> calls = {
      {"rivet-soundgen", "--help", true},
      {"rivet-soundgen", "out --help", true},
      {"rivet-soundgen", "-x", false},
      {"rivet-levelgen", "--help", true},
      {"rivet-levelgen", "src -o", false},
      {"rivet-level-report", "--help", true},
      {"rivet-level-report", "src run -", false},
      {"rivet-datagen", "--help", true},
      {"rivet-datagen", "--out", false},
      {"rivet-datagen", "--out -x", false},
      {"rivet-datagen", "--out here --fonts", false},
      {"rivet-model", "--help", true},
      {"rivet-model", "render a.vxm -o", false},
      {"rivet-sound", "--help", true},
      {"rivet-sound", "decode a.ogg -o", false},
      {"rivet-solve", "--help", true},
  };
  const fs::path tools = RR_TOOL_DIR;
  const fs::path scratch = fs::path(::testing::TempDir()) / "tool arguments";
  fs::remove_all(scratch);
  for (const Call& call : calls) {
    if (!fs::exists(tools / call.tool)) continue;
    fs::path folder = scratch / "here";
    fs::create_directories(folder);
    std::string command = "'" + (tools / call.tool).string() + "' " + call.arguments;
    int status = RunIn(folder, command);
    if (call.help) {
      EXPECT_EQ(status, 0) << command;
    } else {
      EXPECT_NE(status, 0) << command;
    }
    EXPECT_TRUE(fs::is_empty(folder)) << command << " wrote into its folder";
    fs::remove_all(folder);
  }
}

}  // namespace
