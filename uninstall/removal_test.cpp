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

TEST_F(UninstallRemoval, FilesBeforeTheirDirectoriesRemoveTheWholeTree) {
  std::string a = MakeFile("game/rivet-run");
  std::string b = MakeFile("game/data/png/menu.png");
  std::string c = MakeFile("game/levels/etapy.gra");
  std::string png = (root / "game/data/png").string();
  std::string data = (root / "game/data").string();
  std::string levels = (root / "game/levels").string();
  std::string game = (root / "game").string();
  WriteLog({a, b, c, "", png, data, levels, game});

  EXPECT_TRUE(RunWorker());
  EXPECT_FALSE(Exists(game));
  EXPECT_FALSE(progress.running.load());
  EXPECT_EQ(CurrentRemovalPath(progress), game);
}

TEST_F(UninstallRemoval, DirectoryListedBeforeItsContentsStays) {
  std::string dir = MakeDir("game/music");
  std::string song = MakeFile("game/music/menu.ogg");
  std::string unlisted = MakeFile("game/music/mine.ogg");
  WriteLog({dir, song});

  EXPECT_TRUE(RunWorker());
  EXPECT_FALSE(Exists(song));
  EXPECT_TRUE(Exists(dir));
  EXPECT_TRUE(Exists(unlisted));
}

TEST_F(UninstallRemoval, MissingAndNonEmptyPathsAreSkippedQuietly) {
  std::string kept = MakeFile("other/profile.dat");
  std::string first = MakeFile("first.vxm");
  std::string last = MakeFile("last.vxm");
  WriteLog({first, (root / "never-installed").string(),
            (root / "other").string(), last});

  EXPECT_TRUE(RunWorker());
  EXPECT_FALSE(Exists(first));
  EXPECT_FALSE(Exists(last));
  EXPECT_TRUE(Exists(kept));
}

TEST_F(UninstallRemoval, SymbolicLinksGoAsLinksAndTheirTargetsStay) {
  std::string targetFile = MakeFile("outside/keep.txt");
  std::string targetDir = MakeDir("outside/folder");
  std::string inTargetDir = MakeFile("outside/folder/keep.txt");
  std::string fileLink = (root / "game/file-link").string();
  std::string dirLink = (root / "game/dir-link").string();
  MakeDir("game");
  fs::create_symlink(targetFile, fileLink);
  fs::create_directory_symlink(targetDir, dirLink);
  WriteLog({fileLink, dirLink, dirLink + "/"});

  EXPECT_TRUE(RunWorker());
  EXPECT_FALSE(Exists(fileLink));
  EXPECT_FALSE(Exists(dirLink));
  EXPECT_TRUE(Exists(targetFile));
  EXPECT_TRUE(Exists(targetDir));
  EXPECT_TRUE(Exists(inTargetDir));
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

TEST_F(UninstallRemoval, StopRequestLeavesTheRestInPlace) {
  std::string a = MakeFile("a.png");
  std::string b = MakeFile("b.png");
  WriteLog({a, b});
  progress.stopRequested.store(true);

  EXPECT_TRUE(RunWorker());
  EXPECT_TRUE(Exists(a));
  EXPECT_TRUE(Exists(b));
}

TEST_F(UninstallRemoval, MissingLogLeavesTheListUnfinished) {
  EXPECT_FALSE(RunWorker());
  EXPECT_TRUE(progress.running.load());
}

TEST_F(UninstallRemoval, LogMayListItselfLast) {
  std::string a = MakeFile("a.png");
  WriteLog({a, logPath.string(), root.string()});

  EXPECT_TRUE(RunWorker());
  EXPECT_FALSE(Exists(root.string()));
}

}  // namespace
