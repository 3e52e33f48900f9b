// FileStream: disk files read and written with the C library, archive entries
// read through minizip's unzip, one archive handle per open entry.
#include "files/file_stream.h"

#include <minizip/unzip.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>

// Entry names match with ASCII letters folded (strcasecmp); '/' and '\' stay distinct.
constexpr int kIgnoreLetterCase = 2;

struct ArchiveEntry {
  unzFile archive = nullptr;  // null after a read error: every later read gives 0
  uint32_t size = 0;
  uint32_t position = 0;
};

namespace {
void DropReader(ArchiveEntry& entry) {
  if (entry.archive == nullptr) return;
  unzCloseCurrentFile(entry.archive);
  unzClose(entry.archive);
  entry.archive = nullptr;
}
}  // namespace

FILE* OpenPlainFileForReading(const char* path) {
  // Without blocking, so a named pipe cannot hold the game at its open.
  int descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  struct stat info;
  if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(descriptor);
    return nullptr;
  }
  fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
  FILE* file = fdopen(descriptor, "rb");
  if (file == nullptr) close(descriptor);
  return file;
}

FileStream::FileStream() = default;

FileStream::FileStream(const char* fileName, const char* fileMode) { Open(fileName, fileMode); }

FileStream::~FileStream() { Close(); }

int32_t FileStream::Open(const char* fileName, const char* fileMode) {
  Close();
  requested = 0;
  if (fileName == nullptr || fileMode == nullptr) return kind;
  mode[0] = fileMode[0];
  mode[1] = 0;
  std::strncpy(name, fileName, sizeof(name) - 1);
  name[sizeof(name) - 1] = 0;

  char archivePath[800];
  std::strcpy(archivePath, name);
  char* bar = std::strchr(archivePath, '|');
  if (bar != nullptr) *bar = 0;

  if (mode[0] == 'r' && bar == nullptr) {
    file = OpenPlainFileForReading(name);
    if (file != nullptr) kind = kDiskRead;
  } else if (mode[0] == 'r') {
    kind = OpenArchiveEntry(archivePath, bar + 1);
  } else if (mode[0] == 'w') {
    file = std::fopen(name, "wb");
    if (file != nullptr) kind = kDiskWrite;
  }
  return kind;
}

int32_t FileStream::OpenArchiveEntry(const char* archivePath, const char* entryPath) {
  if (std::strlen(entryPath) >= 256) return kClosed;
  // Only a plain file can be an archive (the zip reader would wait on a pipe).
  FILE* probe = OpenPlainFileForReading(archivePath);
  if (probe == nullptr) return kClosed;
  std::fclose(probe);
  unzFile archive = unzOpen(archivePath);
  if (archive == nullptr) return kClosed;
  unz_file_info info;
  char entryName[800];
  if (unzLocateFile(archive, entryPath, kIgnoreLetterCase) != UNZ_OK ||
      unzGetCurrentFileInfo(archive, &info, entryName, sizeof(entryName), nullptr, 0, nullptr, 0) != UNZ_OK ||
      unzOpenCurrentFile(archive) != UNZ_OK) {
    unzClose(archive);
    return kClosed;
  }
  entry = new ArchiveEntry{archive, static_cast<uint32_t>(info.uncompressed_size), 0};
  return kArchiveEntry;
}

void FileStream::Close() {
  if (kind == kArchiveEntry && entry != nullptr) {
    DropReader(*entry);
    delete entry;
    entry = nullptr;
  }
  if ((kind == kDiskRead || kind == kDiskWrite) && file != nullptr) {
    std::fclose(file);
    file = nullptr;
  }
  kind = kClosed;
}

int32_t FileStream::Reopen() {
  char storedName[800];
  char storedMode[2];
  std::memcpy(storedName, name, sizeof(name));
  std::memcpy(storedMode, mode, sizeof(mode));
  return Open(storedName, storedMode);
}

uint8_t FileStream::ReadByte() {
  if (kind == kClosed) return 0;
  requested += 1;
  if (kind == kDiskRead) return static_cast<uint8_t>(std::fgetc(file));
  if (kind == kArchiveEntry) {
    entry->position += 1;
    unsigned char c = 0;
    if (entry->archive == nullptr) return 0;
    if (unzReadCurrentFile(entry->archive, &c, 1) != 1) {
      DropReader(*entry);
      return 0;
    }
    return c;
  }
  return 0;
}

int32_t FileStream::Read(void* buffer, int32_t count) {
  if (kind == kClosed || buffer == nullptr || count <= 0) return 0;
  requested += count;
  if (kind == kDiskRead) return static_cast<int32_t>(std::fread(buffer, 1, static_cast<size_t>(count), file));
  if (kind == kArchiveEntry) {
    if (entry->archive == nullptr) return 0;
    int got = unzReadCurrentFile(entry->archive, buffer, static_cast<unsigned>(count));
    if (got <= 0) {
      // A corrupt entry, or one holding less than its header claims: drop the
      // reader so this and every later read gives 0 and the entry ends here.
      DropReader(*entry);
      return 0;
    }
    entry->position += static_cast<uint32_t>(got);
    return got;
  }
  return 0;
}

void FileStream::WriteByte(uint8_t c) {
  if (kind == kDiskWrite) std::fputc(c, file);
}

void FileStream::Write(const void* buffer, int32_t count) {
  if (kind == kDiskWrite && buffer != nullptr && count > 0) std::fwrite(buffer, 1, static_cast<size_t>(count), file);
}

// A read error counts as the end too, so that a loader reading "until the
// end" stops on a damaged entry or disk instead of spinning on empty reads.
int32_t FileStream::AtEnd() {
  if (kind == kArchiveEntry) return entry->position >= entry->size || entry->archive == nullptr ? 1 : 0;
  if (kind == kDiskRead) return std::feof(file) || std::ferror(file) ? 1 : 0;
  return 0;
}

int32_t FileStream::Size() {
  if (kind == kArchiveEntry) return entry->size > INT32_MAX ? INT32_MAX : static_cast<int32_t>(entry->size);
  if (kind == kDiskRead) {
    long here = std::ftell(file);
    std::fseek(file, 0, SEEK_END);
    long size = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    if (size < 0) return 0;
    return size > INT32_MAX ? INT32_MAX : static_cast<int32_t>(size);
  }
  return 0;
}

int32_t FileExists(const char* fileName) {
  FileStream stream;
  return stream.Open(fileName, "r");
}
