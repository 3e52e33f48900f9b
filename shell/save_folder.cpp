// Choosing the save folder.
#include "shell/save_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
// The XDG rules: a variable that is unset, empty or relative does not count.
std::string AbsoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

std::string HomeFolder() {
  std::string home = AbsoluteVariable("HOME");
  if (!home.empty()) return home;
  const passwd* entry = getpwuid(getuid());
  return entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/' ? entry->pw_dir : "";
}

std::string PlayersDataFolder() {
  std::string data = AbsoluteVariable("XDG_DATA_HOME");
  if (data.empty()) {
    std::string home = HomeFolder();
    if (home.empty()) return "";
    data = home + "/.local/share";
  }
  return data + "/rivet-run";
}
}  // namespace

std::string GetSaveFolder() {
  // A play folder we may write keeps the saves with the game, as always.
  // Asked for the effective user, the one that writes.
  if (eaccess(".", W_OK) == 0) return "";
  return PlayersDataFolder();
}

std::string GetSavePath(const char* name) {
  std::string folder = GetSaveFolder();
  if (folder.empty() || name == nullptr || name[0] == '/') return name != nullptr ? name : "";
  return folder + "/" + name;
}

bool MakeSaveFolder(std::string* reason) {
  std::string folder = GetSaveFolder();
  if (folder.empty()) return true;
  std::error_code error;
  fs::create_directories(folder, error);
  if (!error && fs::is_directory(folder, error)) return true;
  *reason = error ? error.message() : std::string(std::strerror(ENOTDIR));
  return false;
}
