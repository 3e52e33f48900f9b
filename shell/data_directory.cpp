// Moving to the data beside the program when it is not in the current directory.
#include "shell/data_directory.h"

#include <filesystem>
#include <system_error>

#include "files/file_stream.h"

namespace fs = std::filesystem;

std::string GetProgramDirectory(const char* argv0) {
  std::error_code error;
  fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error && argv0 != nullptr) program = fs::absolute(argv0, error);
  if (error || program.empty()) return std::string();
  return program.parent_path().string();
}

bool ChangeToDataDirectory(const std::string& programDirectory) {
  if (FileExists(kDataMarker) != 0 || programDirectory.empty()) return false;
  std::error_code error;
  if (!fs::is_regular_file(fs::path(programDirectory) / kDataMarker, error)) return false;
  fs::current_path(programDirectory, error);
  return !error;
}
