// The one file object every asset is read through: a plain disk file, or an
// entry of a ZIP archive named "archive.zip|path/inside". It also writes
// plain disk files.
#pragma once
#include <cstdint>
#include <cstdio>

struct ArchiveEntry;

class FileStream {
 public:
  enum Kind : int32_t { kClosed = 0, kArchiveEntry = 1, kDiskRead = 2, kDiskWrite = 3 };

  FileStream();
  FileStream(const char* name, const char* mode);
  ~FileStream();
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  int32_t Open(const char* name, const char* mode);
  void Close();
  int32_t Reopen();

  // Next byte; 0xFF at the end of a disk file, 0 for an exhausted entry or a closed stream.
  uint8_t ReadByte();
  // Bytes delivered, 0 on error or at the end.
  int32_t Read(void* buffer, int32_t count);
  void WriteByte(uint8_t c);
  void Write(const void* buffer, int32_t count);

  int32_t AtEnd();
  int32_t Size();
  int32_t Kind() const { return kind; }
  int32_t Requested() const { return requested; }
  const char* Name() const { return name; }

 private:
  int32_t OpenArchiveEntry(const char* archivePath, const char* entryPath);

  int32_t kind = kClosed;
  ArchiveEntry* entry = nullptr;
  FILE* file = nullptr;
  char name[800] = {};
  char mode[2] = {};
  int32_t requested = 0;
};

// Opens the name for reading and closes it again; the kind it got (0: unreadable).
int32_t FileExists(const char* name);

// Opens a plain file for reading ("rb"); null for a missing file and for
// directories, pipes and devices, which a game file never is.
FILE* OpenPlainFileForReading(const char* path);
