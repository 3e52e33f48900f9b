// Fuzz entries for sounds, ZIP archives, save files, scripts and the
// uninstaller's log.
#include <minizip/unzip.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_stream.h"
#include "fuzz/fuzz_entries.h"
#include "frontend/menu_camera_file.h"
#include "gameplay/records_file.h"
#include "gameplay/script_file.h"
#include "platform/audio_device.h"
#include "shell/player_progress.h"
#include "shell/settings.h"
#include "sound/sound.h"
#include "sound/sound_sniff.h"
#include "uninstall/uninstall_log.h"

void AdvanceFuzzClock(uint32_t milliseconds);

namespace {
// Deflate never gives more than about 1032 bytes for one.
constexpr size_t kInflateLargestRatio = 1032;
}  // namespace

// Input: the first byte picks the file's name ending (the sniffer trusts
// ".mp3"), the rest is the file. It is loaded whole as an effect, then
// streamed as music through the mixer: installed, refilled a block at a time
// while the clock runs on, looping or not, then stopped.
void FuzzSound(const uint8_t* data, size_t size) {
  if (size < 1) return;
  static const char* const kNames[4] = {"sound.wav", "sound.ogg", "sound.mp3", "sound.bin"};
  const std::string path = WriteFuzzFile(kNames[data[0] % 4], data + 1, size - 1);
  const char* name = path.c_str();
  SniffSoundType(name);
  SoundData effect = LoadSound(name);
  if (effect.samples != nullptr) {
    FUZZ_CHECK(effect.byteSize > 0 && (effect.channels == 1 || effect.channels == 2));
    FreeSound(effect);
  }
  PlayMusic(name, 0.0f, (data[0] >> 2) & 1);
  std::vector<int16_t> output(2 * 20000);
  for (int tick = 0; tick < 6; ++tick) {
    AudioMixOutput(output.data(), 20000);
    AdvanceFuzzClock(450);
    MixerTick();
  }
  StopMusicChannel(0);
  StopMusicChannel(1);
}

// The archive's first entries read through FileStream in blocks and byte by
// byte: every read ends, and AtEnd comes, within what the bytes can inflate to.
// The byte-by-byte pass stops after its first 64 kB: past that it only
// repeats the block reads, a thousand times slower.
void FuzzZip(const uint8_t* data, size_t size) {
  const std::string zip = WriteFuzzFile("archive.zip", data, size);
  std::vector<std::string> names;
  unzFile archive = unzOpen(zip.c_str());
  if (archive == nullptr) return;
  for (int status = unzGoToFirstFile(archive); status == UNZ_OK && names.size() < 4; status = unzGoToNextFile(archive)) {
    char name[256];
    unz_file_info info;
    if (unzGetCurrentFileInfo(archive, &info, name, sizeof(name), nullptr, 0, nullptr, 0) != UNZ_OK) break;
    names.push_back(name);
  }
  unzClose(archive);
  const size_t bound = size * kInflateLargestRatio + 64;
  for (const std::string& name : names) {
    std::string path = zip + "|" + name;
    FileStream blocks(path.c_str(), "r");
    if (blocks.Kind() != FileStream::kArchiveEntry) continue;
    uint8_t buffer[4096];
    size_t total = 0, reads = 0;
    while (!blocks.AtEnd()) {
      int32_t got = blocks.Read(buffer, sizeof(buffer));
      FUZZ_CHECK(got >= 0 && got <= int32_t(sizeof(buffer)));
      total += size_t(got);
      FUZZ_CHECK(++reads <= bound / sizeof(buffer) + 2 && total <= bound);
    }
    FileStream bytes(path.c_str(), "r");
    constexpr size_t kBytesReadOneByOne = 64 * 1024;
    for (size_t steps = 0; !bytes.AtEnd() && steps < kBytesReadOneByOne; ++steps) bytes.ReadByte();
  }
}

// Input: the first byte picks the save file, the rest is its bytes. Whatever
// they hold, what the game reads back is in range.
void FuzzSaves(const uint8_t* data, size_t size) {
  if (size < 1) return;
  static const char* const kFiles[3] = {kSettingsFile, kProfileTableFile, kProfileIndexFile};
  WriteFuzzFile(kFiles[data[0] % 3], data + 1, size - 1);
  // The game reads its saves from the folder it plays in.
  char here[4096];
  if (getcwd(here, sizeof here) == nullptr || chdir(FuzzFolder().c_str()) != 0) FuzzCheckFailed("the scratch folder", __FILE__, __LINE__);
  Settings settings = ReadSettings();
  FUZZ_CHECK(settings.music == 0 || settings.music == 1);
  FUZZ_CHECK(settings.drawOption == 0 || settings.drawOption == 1);
  FUZZ_CHECK(settings.resolution >= 0 && settings.resolution < kResolutionCount);
  int32_t index = ReadProfileIndex();
  FUZZ_CHECK(index >= 0 && index < kProfileCount);
  ProfileRecord table[kProfileCount];
  ReadProfileTable(table);
  for (const ProfileRecord& record : table) FUZZ_CHECK(std::memchr(record.name, 0, sizeof(record.name)) != nullptr);
  FUZZ_CHECK(chdir(here) == 0);
}

// The records file: whatever it holds, every record read is one a win could
// have left, and a win recorded over it reads back.
void FuzzRecords(const uint8_t* data, size_t size) {
  WriteFuzzFile(kRecordsFile, data, size);
  char here[4096];
  if (getcwd(here, sizeof here) == nullptr || chdir(FuzzFolder().c_str()) != 0) FuzzCheckFailed("the scratch folder", __FILE__, __LINE__);
  const PlayerRecords records = LoadRecords();
  for (const auto& profile : records.fewestMoves) {
    for (uint16_t moves : profile) FUZZ_CHECK(moves <= kMostRecordedMoves);
  }
  const int32_t profile = size > 0 ? data[0] % kRecordProfiles : 0;
  const int32_t level = size > 1 ? data[1] % kRecordLevels + 1 : 1;
  const int32_t before = FewestMoves(records, profile, level);
  FUZZ_CHECK(RecordWin(profile, level, 17));
  const int32_t after = FewestMoves(LoadRecords(), profile, level);
  FUZZ_CHECK(after == (before != 0 && before < 17 ? before : 17));
  FUZZ_CHECK(chdir(here) == 0);
}

// A script parses into events, or is refused with the line that is wrong;
// its events then come out in time order.
void FuzzScript(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<ScriptEvent> events;
  std::string error;
  if (!ParseScript(text, &events, &error)) {
    FUZZ_CHECK(events.empty() && error.rfind("line ", 0) == 0);
    return;
  }
  ScriptCursor cursor{&events, 0};
  uint32_t time = 0, last = 0;
  size_t taken = 0;
  // The clock doubles each frame up to its end; from there every frame must
  // still hand out at least one of what is left.
  for (size_t frame = 0; taken < events.size(); ++frame) {
    for (const ScriptEvent* event : TakeFrameEvents(cursor, time)) {
      FUZZ_CHECK(event->time >= last && event->time <= time);
      last = event->time;
      ++taken;
    }
    FUZZ_CHECK(frame <= 40 + 2 * events.size());
    time = time < 0x7FFFFFFFu ? time * 2 + 16 : 0xFFFFFFFFu;
  }
  FUZZ_CHECK(taken == events.size());
}

// Every line of the log is read, each no longer than a path may be, and the
// reading ends.
void FuzzUninstallLog(const uint8_t* data, size_t size) {
  const std::string path = WriteFuzzFile("uninstall.log", data, size);
  std::FILE* log = std::fopen(path.c_str(), "rb");
  FUZZ_CHECK(log != nullptr);
  size_t lines = 0;
  while (HasMoreLogLines(log)) {
    LogLine line = ReadLogLine(log);
    FUZZ_CHECK(line.path.size() <= kMaxLogPathBytes);
    FUZZ_CHECK(++lines <= size + 1);
  }
  std::fclose(log);
}

// The menu camera: whatever the file holds, every number taken is finite and
// the ones not taken keep what the camera held.
void FuzzCamera(const uint8_t* data, size_t size) {
  const std::string path = WriteFuzzFile("kamera.cam", data, size);
  float camera[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  LoadMenuCameraFile(path.c_str(), camera);
  for (float value : camera) FUZZ_CHECK(std::isfinite(value));
}
