// Tests for the deletion worker on a real temporary tree.
#include "removal.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "uninstall_log.h"

namespace fs = std::filesystem;

namespace {

class UninstallRemoval : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/rr_uninstall_tree_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    root = dir;
    logPath = root / "uninstall.log";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }

  std::string MakeFile(const std::string& relative) {
    fs::path path = root / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "installed";
    return path.string();
  }
  std::string MakeDir(const std::string& relative) {
    fs::create_directories(root / relative);
    return (root / relative).string();
  }
  void WriteLog(const std::vector<std::string>& lines) {
    std::ofstream log(logPath, std::ios::binary);
    for (const std::string& line : lines) log << line << "\r\n";
  }
  bool Exists(const std::string& path) {
    return fs::symlink_status(path).type() != fs::file_type::not_found;
  }
  bool RunWorker() { return RemoveListedPaths(logPath.c_str(), progress); }

  fs::path root;
  fs::path logPath;
  RemovalProgress progress;
};

// Files go before their folders, so a listed tree goes whole; a folder listed
// before its contents, a folder holding what was not listed and a path never
// installed are passed over; links go as links and what they point to stays.
TEST_F(UninstallRemoval, RemovesWhatItListsAndNothingElse) {
  std::vector<std::string> log = {MakeFile("game/rivet-run"), MakeFile("game/data/png/menu.png"),
                                  MakeFile("game/levels/etapy.gra"), ""};
  const std::string targetFile = MakeFile("outside/keep.txt"), targetDir = MakeDir("outside/folder");
  const std::string inTargetDir = MakeFile("outside/folder/keep.txt");
  const std::string fileLink = (root / "game/file-link").string(), dirLink = (root / "game/dir-link").string();
  fs::create_symlink(targetFile, fileLink);
  fs::create_directory_symlink(targetDir, dirLink);
  const std::string music = MakeDir("music"), song = MakeFile("music/menu.ogg"), unlisted = MakeFile("music/mine.ogg");
  const std::string kept = MakeFile("other/profile.dat");
  for (const char* path : {"game/data/png", "game/data", "game/levels"}) log.push_back((root / path).string());
  // The log may list itself: the lines after it are still read.
  for (const std::string& path : {fileLink, dirLink, dirLink + "/", music, song, (root / "never-installed").string(),
                                  (root / "other").string(), logPath.string(), (root / "game").string()})
    log.push_back(path);
  WriteLog(log);

  EXPECT_TRUE(RunWorker());
  EXPECT_FALSE(Exists((root / "game").string()));
  EXPECT_FALSE(Exists(song));
  EXPECT_FALSE(Exists(logPath.string()));
  for (const std::string& path : {targetFile, targetDir, inTargetDir, music, unlisted, kept})
    EXPECT_TRUE(Exists(path)) << path;
  EXPECT_FALSE(progress.running.load());
  EXPECT_EQ(CurrentRemovalPath(progress), (root / "game").string());
}

TEST_F(UninstallRemoval, OverLongLineDeletesNothingEvenWhenItsCutNamesAFile) {
  // Build an existing file whose path is exactly as long as a line may be,
  // then list that path with more behind it: cut short it would name the file.
  std::string path = root.string();
  while (path.size() + 201 < kMaxLogPathBytes) path += "/" + std::string(200, 'd');
  fs::create_directories(path);
  path += "/" + std::string(kMaxLogPathBytes - path.size() - 1, 'f');
  ASSERT_EQ(path.size(), kMaxLogPathBytes);
  std::ofstream(path) << "someone else's";
  std::string after = MakeFile("after.txt");
  WriteLog({path + ".bak", after});

  EXPECT_TRUE(RunWorker());
  EXPECT_TRUE(Exists(path));
  EXPECT_FALSE(Exists(after));
}

TEST_F(UninstallRemoval, StopRequestLeavesTheRestAndAMissingLogIsUnfinished) {
  std::string a = MakeFile("a.png"), b = MakeFile("b.png");
  progress.stopRequested.store(true);
  EXPECT_FALSE(RunWorker());
  EXPECT_TRUE(progress.running.load());
  WriteLog({a, b});
  EXPECT_TRUE(RunWorker());
  EXPECT_TRUE(Exists(a));
  EXPECT_TRUE(Exists(b));
}

}  // namespace
