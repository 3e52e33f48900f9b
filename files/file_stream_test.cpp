// FileStream over disk files and ZIP archive entries. The archives are made
// here with minizip's writer: stored and deflated entries, names in other
// letter cases, a damaged entry and a cut-off archive.
#include "files/file_stream.h"

#include <gtest/gtest.h>
#include <minizip/zip.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Pattern(size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

struct ZipEntry {
  std::string name;
  std::vector<uint8_t> data;
  bool deflated = false;
};

bool MakeZip(const char* path, const std::vector<ZipEntry>& entries) {
  zipFile zip = zipOpen(path, APPEND_STATUS_CREATE);
  if (zip == nullptr) return false;
  for (const ZipEntry& entry : entries) {
    zip_fileinfo info = {};
    int method = entry.deflated ? Z_DEFLATED : 0;
    int level = entry.deflated ? Z_BEST_COMPRESSION : 0;
    if (zipOpenNewFileInZip(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, method, level) != ZIP_OK)
      return false;
    if (!entry.data.empty()) zipWriteInFileInZip(zip, entry.data.data(), static_cast<unsigned>(entry.data.size()));
    zipCloseFileInZip(zip);
  }
  return zipClose(zip, nullptr) == ZIP_OK;
}

std::vector<uint8_t> ReadAll(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteAll(const char* path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = fs::current_path();
    char pattern[] = "/tmp/rivet-files-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch = pattern;
    fs::current_path(scratch);
    fs::create_directories("data/png");
    small = {'P', 'N', 'G', 0x00, 0xB9, 0xFF, 0x10};
    big = Pattern(50000);
    WriteAll("data/png/a.png", small);
    ASSERT_TRUE(MakeZip("pack.zip", {{"data/png/a.png", small, false}, {"data/big.bin", big, true}}));
  }
  void TearDown() override {
    fs::current_path(previous);
    fs::remove_all(scratch);
  }
  fs::path previous;
  fs::path scratch;
  std::vector<uint8_t> small;
  std::vector<uint8_t> big;
};

using DiskFile = Files;
using ArchiveEntry = Files;
using WrittenFile = Files;

// The end of a disk file shows only once a read went past it, as 0xFF; the
// size never moves the read position; Requested counts what was asked.
TEST_F(DiskFile, ReadsToTheEndThenFFAndReopensAtTheStart) {
  FileStream stream("data/png/a.png", "r");
  ASSERT_EQ(stream.Kind(), FileStream::kDiskRead);
  EXPECT_EQ(stream.ReadByte(), 'P');
  EXPECT_EQ(stream.Size(), static_cast<int32_t>(small.size()));
  uint8_t buffer[64] = {};
  EXPECT_EQ(stream.Read(buffer, 64), static_cast<int32_t>(small.size()) - 1);
  EXPECT_EQ(std::memcmp(buffer, small.data() + 1, small.size() - 1), 0);
  EXPECT_EQ(stream.AtEnd(), 1);
  EXPECT_EQ(stream.ReadByte(), 0xFF);
  EXPECT_EQ(stream.Requested(), 1 + 64 + 1);
  EXPECT_EQ(stream.Reopen(), FileStream::kDiskRead);
  EXPECT_EQ(stream.Requested(), 0);
  for (uint8_t expected : small) EXPECT_EQ(stream.ReadByte(), expected);
  EXPECT_EQ(stream.AtEnd(), 0);  // read exactly to the last byte: not yet at the end
}

TEST_F(DiskFile, OnlyReadableFilesAndEntriesExist) {
  EXPECT_EQ(FileExists("data/png/a.png"), FileStream::kDiskRead);
  EXPECT_EQ(FileExists("pack.zip|data/png/a.png"), FileStream::kArchiveEntry);
  EXPECT_EQ(FileExists("data/png/missing.png"), 0);
  EXPECT_EQ(FileExists(""), 0);
  EXPECT_EQ(FileExists("data/png"), 0);
  fs::create_directory("dir.zip");
  EXPECT_EQ(FileExists("dir.zip|data/png/a.png"), 0);
  // A named pipe with no writer would hold a plain open forever.
  ASSERT_EQ(mkfifo("pipe.png", 0600), 0);
  EXPECT_EQ(FileExists("pipe.png"), 0);
  ASSERT_EQ(mkfifo("pipe.zip", 0600), 0);
  EXPECT_EQ(FileExists("pipe.zip|data/png/a.png"), 0);
  // Cut-off, garbage or empty archives open nothing.
  std::vector<uint8_t> zip = ReadAll("pack.zip");
  WriteAll("cut.zip", std::vector<uint8_t>(zip.begin(), zip.begin() + static_cast<long>(zip.size() / 2)));
  WriteAll("garbage.zip", Pattern(5000));
  WriteAll("empty.zip", {});
  for (const char* name : {"cut.zip|data/png/a.png", "garbage.zip|data/png/a.png", "empty.zip|data/png/a.png"})
    EXPECT_EQ(FileExists(name), 0) << name;
}

TEST_F(DiskFile, AStreamThatDidNotOpenReadsAndWritesNothing) {
  FileStream stream;
  EXPECT_EQ(stream.Open("data/png/a.png", nullptr), 0);
  EXPECT_EQ(stream.Open("data/png/a.png", "a"), 0);
  EXPECT_EQ(stream.Open(nullptr, "r"), 0);
  uint8_t buffer[4] = {1, 2, 3, 4};
  EXPECT_EQ(stream.ReadByte(), 0);
  EXPECT_EQ(stream.Read(buffer, 4), 0);
  EXPECT_EQ(buffer[0], 1);
  EXPECT_EQ(stream.AtEnd(), 0);
  stream.Write(buffer, 4);
  stream.Close();
  stream.Close();
  // A name longer than the stream keeps is cut, not written past its end.
  std::string name(1200, 'n');
  FileStream overlong(name.c_str(), "r");
  EXPECT_EQ(overlong.Kind(), 0);
  EXPECT_EQ(std::strlen(overlong.Name()), 799u);
}

TEST_F(ArchiveEntry, EntriesAreFoundInAnyLetterCaseButOnlyByTheirExactPath) {
  FileStream stream("pack.zip|Data/PNG/A.PNG", "r");
  ASSERT_EQ(stream.Kind(), FileStream::kArchiveEntry);
  EXPECT_EQ(stream.Size(), static_cast<int32_t>(small.size()));
  std::vector<uint8_t> got(small.size());
  EXPECT_EQ(stream.Read(got.data(), static_cast<int32_t>(got.size())), static_cast<int32_t>(small.size()));
  EXPECT_EQ(got, small);
  for (const char* missing : {"pack.zip|data\\png\\a.png", "pack.zip|/data/png/a.png", "nothing.zip|data/png/a.png",
                              "pack.zip|data/png/b.png", "pack.zip|", "|data/png/a.png", "data/png/a.png|x"}) {
    EXPECT_EQ(FileExists(missing), 0) << missing;
  }
  std::string longName = "pack.zip|" + std::string(300, 'a');
  EXPECT_EQ(FileExists(longName.c_str()), 0);
}

// A deflated entry reads whole across many blocks; a stored one ends as soon
// as its last byte is read, gives 0 after, and starts over on Reopen.
TEST_F(ArchiveEntry, EntriesReadWholeEndOnTheirLastByteAndReopen) {
  FileStream stream("pack.zip|DATA/BIG.BIN", "r");
  ASSERT_EQ(stream.Kind(), FileStream::kArchiveEntry);
  EXPECT_EQ(stream.Size(), 50000);
  std::vector<uint8_t> got;
  uint8_t buffer[4096];
  int32_t n;
  while ((n = stream.Read(buffer, sizeof(buffer))) > 0) got.insert(got.end(), buffer, buffer + n);
  EXPECT_EQ(got, big);
  EXPECT_EQ(stream.AtEnd(), 1);
  ASSERT_EQ(stream.Reopen(), FileStream::kArchiveEntry);
  EXPECT_EQ(stream.ReadByte(), big[0]);
  EXPECT_EQ(stream.AtEnd(), 0);

  FileStream stored("pack.zip|data/png/a.png", "r");
  for (size_t i = 0; i + 1 < small.size(); ++i) stored.ReadByte();
  EXPECT_EQ(stored.AtEnd(), 0);
  EXPECT_EQ(stored.ReadByte(), small.back());
  EXPECT_EQ(stored.AtEnd(), 1);
  EXPECT_EQ(stored.ReadByte(), 0);  // exhausted entries give 0, not 0xFF
  EXPECT_EQ(stored.Requested(), static_cast<int32_t>(small.size()) + 1);
}

TEST_F(ArchiveEntry, CorruptEntryReadsZeroAfterTheErrorAndEnds) {
  std::vector<uint8_t> zip = ReadAll("pack.zip");
  // The deflated entry's data follows its local header; spoil its first block.
  const char* name = "data/big.bin";
  auto at = std::search(zip.begin(), zip.end(), name, name + std::strlen(name));
  ASSERT_NE(at, zip.end());
  size_t header = static_cast<size_t>(at - zip.begin()) - 30;
  ASSERT_EQ(zip[header], 'P');
  size_t nameLength = zip[header + 26] | zip[header + 27] << 8;
  size_t extraLength = zip[header + 28] | zip[header + 29] << 8;
  size_t data = header + 30 + nameLength + extraLength;
  for (size_t i = data; i < data + 64; ++i) zip[i] = 0xFF;
  WriteAll("bad.zip", zip);

  FileStream stream("bad.zip|data/big.bin", "r");
  ASSERT_EQ(stream.Kind(), FileStream::kArchiveEntry);
  uint8_t buffer[256];
  EXPECT_EQ(stream.Read(buffer, sizeof(buffer)), 0);
  EXPECT_EQ(stream.Read(buffer, sizeof(buffer)), 0);
  EXPECT_EQ(stream.ReadByte(), 0);
  // A loader reading "until the end" must not spin on a broken entry.
  EXPECT_EQ(stream.AtEnd(), 1);
  FileStream other("bad.zip|data/png/a.png", "r");  // the other entry is still whole
  EXPECT_EQ(other.ReadByte(), 'P');
}

TEST_F(ArchiveEntry, AnEntryHoldingLessThanItsHeaderClaimsEnds) {
  std::vector<uint8_t> zip = ReadAll("pack.zip");
  // The stored entry's sizes, in its local header and in the directory, now
  // claim 1024 bytes more than it holds.
  for (const char* signature : {"PK\x03\x04", "PK\x01\x02"}) {
    size_t field = signature[2] == 3 ? 22 : 24;
    for (auto at = zip.begin(); (at = std::search(at, zip.end(), signature, signature + 4)) != zip.end(); ++at) {
      size_t header = static_cast<size_t>(at - zip.begin());
      if (zip[header + field] == small.size()) zip[header + field + 1] = 0x04;
    }
  }
  WriteAll("short.zip", zip);
  FileStream stream("short.zip|data/png/a.png", "r");
  ASSERT_EQ(stream.Kind(), FileStream::kArchiveEntry);
  ASSERT_GT(stream.Size(), 1000);
  uint8_t buffer[64];
  EXPECT_EQ(stream.Read(buffer, sizeof(buffer)), static_cast<int32_t>(small.size()));
  EXPECT_EQ(stream.Read(buffer, sizeof(buffer)), 0);
  // A loader reading "until the end" must see one, not read nothing for ever.
  EXPECT_EQ(stream.AtEnd(), 1);
  FileStream bytewise("short.zip|data/png/a.png", "r");
  for (size_t i = 0; i <= small.size(); ++i) bytewise.ReadByte();
  EXPECT_EQ(bytewise.AtEnd(), 1);
}

TEST_F(WrittenFile, WritesWhatItIsGivenEvenUnderANameWithABar) {
  FileStream stream("pack.zip|new.bin", "w");
  ASSERT_EQ(stream.Kind(), FileStream::kDiskWrite);
  stream.Write(small.data(), static_cast<int32_t>(small.size()));
  stream.WriteByte(0x42);
  stream.Close();
  std::vector<uint8_t> expected = small;
  expected.push_back(0x42);
  EXPECT_EQ(ReadAll("pack.zip|new.bin"), expected);
  EXPECT_EQ(FileExists("pack.zip|new.bin"), 0);  // reading it still means the archive

  FileStream nowhere("no/such/dir/out.bin", "w");
  EXPECT_EQ(nowhere.Kind(), 0);
  nowhere.WriteByte(1);
  EXPECT_FALSE(fs::exists("no"));
}

}  // namespace
