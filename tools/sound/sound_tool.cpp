// The commands of rivet-sound, over the game's own sound code.
#include "tools/sound/sound_tool.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "files/file_stream.h"
#include "sound/ogg_stream.h"
#include "sound/sound.h"
#include "sound/stream_decode.h"
#include "tools/tool_arguments.h"

namespace {
constexpr int kUnusable = 2;
constexpr int kUsage = 1;

int PrintUsage(std::FILE* out) {
  std::fprintf(out,
               "usage: rivet-sound info FILE\n"
               "       rivet-sound decode FILE OUT.wav\n"
               "       rivet-sound play FILE [--music] [--seconds S]\n");
  return kUsage;
}

const char* KindOf(const char* name) {
  const char* type = SniffSoundType(name);
  return type[0] == 0 ? "none" : type;
}

// Seconds the effect lasts at its own rate.
double EffectSeconds(const SoundData& sound) {
  int64_t bytesPerSecond = static_cast<int64_t>(sound.sampleRate) * sound.channels * sound.bitsPerSample / 8;
  return bytesPerSecond > 0 ? static_cast<double>(sound.byteSize) / bytesPerSecond : 0.0;
}

void PutLittle(std::FILE* file, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) std::fputc(static_cast<int>((value >> (8 * i)) & 0xFF), file);
}

bool WriteWav(const char* path, const SoundData& sound) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  uint32_t align = static_cast<uint32_t>(sound.channels * sound.bitsPerSample / 8);
  std::fwrite("RIFF", 1, 4, file);
  PutLittle(file, 36u + static_cast<uint32_t>(sound.byteSize), 4);
  std::fwrite("WAVEfmt ", 1, 8, file);
  PutLittle(file, 16, 4);
  PutLittle(file, 1, 2);
  PutLittle(file, static_cast<uint32_t>(sound.channels), 2);
  PutLittle(file, static_cast<uint32_t>(sound.sampleRate), 4);
  PutLittle(file, static_cast<uint32_t>(sound.sampleRate) * align, 4);
  PutLittle(file, align, 2);
  PutLittle(file, static_cast<uint32_t>(sound.bitsPerSample), 2);
  std::fwrite("data", 1, 4, file);
  PutLittle(file, static_cast<uint32_t>(sound.byteSize), 4);
  std::fwrite(sound.samples, 1, static_cast<size_t>(sound.byteSize), file);
  return std::fclose(file) == 0;
}

// Length of a track as the music path streams it, by decoding it once.
double TrackSeconds(const char* name) {
  const char* type = SniffSoundType(name);
  auto channel = std::make_unique<MusicChannel>();
  auto carry = std::make_unique<StreamCarry>();
  channel->file = new FileStream(name, "r");
  int32_t bytesPerSecond = 0;
  Mp3Decoder* mp3 = nullptr;
  if (std::strcmp(type, "wav") == 0) {
    int32_t size, rate, channels, bits;
    if (ReadWavHeader(*channel->file, size, rate, channels, bits) == 0) bytesPerSecond = rate * channels * bits / 8;
    channel->type = kSoundWav;
  } else if (std::strcmp(type, "ogg") == 0) {
    channel->oggOpen = OpenOggReader(channel->oggDecoder, channel->file);
    channel->type = kSoundOgg;
  } else if (std::strcmp(type, "mp3") == 0) {
    mp3 = CreateMp3Decoder();
    channel->type = kSoundMp3;
  }
  int64_t total = 0;
  std::vector<uint8_t> block(1 << 20);
  // A track of more than an hour is not worth waiting for.
  for (int i = 0; i < 700; ++i) {
    int32_t got = DecodeBlock(*channel, *carry, mp3, block.data(), static_cast<int32_t>(block.size()));
    total += got;
    if (got < static_cast<int32_t>(block.size())) break;
  }
  if (channel->type != kSoundWav) bytesPerSecond = channel->sampleRate * 4;  // the stereo music buffer's rate
  if (channel->oggOpen) {
    ov_clear(&channel->oggDecoder);
  } else {
    delete channel->file;
  }
  DeleteMp3Decoder(mp3);
  return bytesPerSecond > 0 ? static_cast<double>(total) / bytesPerSecond : 0.0;
}

void Wait(double seconds) {
  if (seconds > 0.0) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

int Info(const char* name, std::FILE* out) {
  SoundData sound = LoadSound(name);
  std::fprintf(out, "%s %d %d %d %d\n", KindOf(name), sound.sampleRate, sound.channels, sound.bitsPerSample,
               sound.byteSize);
  const int status = sound.samples != nullptr ? 0 : kUnusable;
  FreeSound(sound);
  return status;
}

int Decode(const char* name, const char* path, std::FILE* out) {
  SoundData sound = LoadSound(name);
  if (sound.samples == nullptr) {
    std::fprintf(out, "rivet-sound: %s gives no sound\n", name);
    return kUnusable;
  }
  const bool written = WriteWav(path, sound);
  FreeSound(sound);
  if (!written) {
    std::fprintf(out, "rivet-sound: cannot write %s\n", path);
    return kUsage;
  }
  return 0;
}

int Play(const char* name, bool music, double seconds, std::FILE* out) {
  InitSound();
  if (!IsSoundEnabled()) {
    std::fprintf(out, "rivet-sound: no audio device\n");
    return kUsage;
  }
  int status = 0;
  SoundData sound;
  if (music) {
    if (seconds < 0.0) seconds = TrackSeconds(name);
    PlayMusic(name, 0.0f, 0);
    if (Mixer().slots[0] == nullptr && Mixer().slots[1] == nullptr && !Mixer().switchPending) {
      std::fprintf(out, "rivet-sound: %s cannot be streamed\n", name);
      status = kUnusable;
    }
  } else {
    sound = LoadSound(name);
    if (sound.samples == nullptr) {
      std::fprintf(out, "rivet-sound: %s gives no sound\n", name);
      status = kUnusable;
    } else {
      if (seconds < 0.0) seconds = EffectSeconds(sound);
      PlaySound(sound);
    }
  }
  if (status == 0) Wait(seconds);
  ShutdownSound();
  FreeSound(sound);
  return status;
}
}  // namespace

int RunSoundTool(int argc, char** argv, std::FILE* out) {
  if (AsksForHelp(argc, argv)) {
    PrintUsage(out);
    return 0;
  }
  // Only play takes options, after its file.
  if (argc < 3 || !AllPlainNames(std::strcmp(argv[1], "play") == 0 ? 3 : argc, argv, 2)) return PrintUsage(out);
  std::string command = argv[1];
  const char* name = argv[2];
  if (command == "info" && argc == 3) return Info(name, out);
  if (command == "decode" && argc == 4) return Decode(name, argv[3], out);
  if (command != "play") return PrintUsage(out);
  bool music = false;
  double seconds = -1.0;
  for (int i = 3; i < argc; ++i) {
    std::string option = argv[i];
    if (option == "--music") {
      music = true;
    } else if (option == "--seconds" && i + 1 < argc) {
      char* end = nullptr;
      seconds = std::strtod(argv[++i], &end);
      if (end == argv[i] || *end != 0 || !(seconds >= 0.0) || seconds > 86400.0) return PrintUsage(out);
    } else {
      return PrintUsage(out);
    }
  }
  return Play(name, music, seconds, out);
}
