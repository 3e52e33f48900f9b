// "options.dat" and the start-up step that reads it with the command line.
#include "shell/settings.h"

#include "shell/main_window.h"
#include "shell/save_file.h"

namespace {
constexpr int kResolutions[kResolutionCount][2] = {
    {320, 240}, {640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}, {2048, 1536},
};
constexpr int kSettingsBytes = 12;

int startResolution = 1;

bool IsSwitch(int32_t value) { return value == 0 || value == 1; }
}  // namespace

void GetResolutionSize(int index, int* width, int* height) {
  if (index < 0 || index >= kResolutionCount) index = 1;
  *width = kResolutions[index][0];
  *height = kResolutions[index][1];
}

Settings ReadSettings() {
  uint8_t bytes[kSettingsBytes] = {};
  Settings settings;
  if (ReadSmallFile(kSettingsFile, bytes, sizeof(bytes)) < kSettingsBytes) return settings;
  Settings stored;
  stored.music = ReadInt32Le(bytes);
  stored.drawOption = ReadInt32Le(bytes + 4);
  stored.resolution = ReadInt32Le(bytes + 8);
  // A damaged field falls back alone; the player's other choices stay.
  if (IsSwitch(stored.music)) settings.music = stored.music;
  if (IsSwitch(stored.drawOption)) settings.drawOption = stored.drawOption;
  if (stored.resolution >= 0 && stored.resolution < kResolutionCount) settings.resolution = stored.resolution;
  return settings;
}

bool WriteSettings(const Settings& settings) {
  uint8_t bytes[kSettingsBytes];
  WriteInt32Le(bytes, settings.music);
  WriteInt32Le(bytes + 4, settings.drawOption);
  WriteInt32Le(bytes + 8, settings.resolution);
  return WriteSmallFile(kSettingsFile, bytes, sizeof(bytes));
}

int ReadWindowedChoice() {
  uint8_t bytes[4] = {};
  if (ReadSmallFile(kDisplayFile, bytes, sizeof(bytes)) < 4) return 0;
  return ReadInt32Le(bytes) == 1 ? 1 : 0;
}

bool WriteWindowedChoice(int windowed) {
  uint8_t bytes[4];
  WriteInt32Le(bytes, windowed == 1 ? 1 : 0);
  return WriteSmallFile(kDisplayFile, bytes, sizeof(bytes));
}

void LoadSettingsAndCommandLine(const CommandLine& commandLine) {
  SetWindowTitle("Rivet Run");
  // The stored choices hold: the options screen promises that a new
  // resolution takes effect at the next start.
  Settings settings = ReadSettings();
  int width = 0;
  int height = 0;
  GetResolutionSize(settings.resolution, &width, &height);
  if (!commandLine.windowed && ReadWindowedChoice() == 0) RequestDisplayMode(width, height, -1);
  WriteSettings(settings);  // a failed write says so and the game goes on
  startResolution = settings.resolution;
}

int GetStartResolution() { return startResolution; }

int IsMusicEnabled() { return ReadSettings().music; }

int ReadDrawOption() { return ReadSettings().drawOption; }
