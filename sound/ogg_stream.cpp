// FileStream callbacks for vorbisfile.
#include "sound/ogg_stream.h"

#include <cstdint>

#include "files/file_stream.h"

namespace {
size_t ReadStream(void* destination, size_t size, size_t count, void* source) {
  size_t total = size * count;
  if (total == 0 || total > 0x7FFFFFFF) return 0;
  return static_cast<size_t>(static_cast<FileStream*>(source)->Read(destination, static_cast<int32_t>(total))) /
         size;
}

int SeekStream(void*, ogg_int64_t, int) { return -1; }

int CloseStream(void* source) {
  FileStream* stream = static_cast<FileStream*>(source);
  stream->Close();
  delete stream;
  return 0;
}

long TellStream(void* source) { return static_cast<FileStream*>(source)->Requested(); }
}  // namespace

bool OpenOggReader(OggVorbis_File& reader, FileStream* stream) {
  ov_callbacks callbacks{ReadStream, SeekStream, CloseStream, TellStream};
  // On failure vorbisfile leaves the stream alone, so the caller keeps it.
  return stream != nullptr && ov_open_callbacks(stream, &reader, nullptr, 0, callbacks) == 0;
}

int32_t ReportedOggRate(OggVorbis_File& reader, int32_t* channels) {
  vorbis_info* info = ov_info(&reader, -1);
  if (info == nullptr || info->channels < 1) return 0;
  int32_t count = info->channels > 2 ? 2 : info->channels;  // more arrive as stereo
  if (channels != nullptr) *channels = count;
  return static_cast<int32_t>(info->rate >> (2 - count));
}

int32_t KeepFrontPair(uint8_t* pcm, int32_t bytes, int32_t channels) {
  if (channels <= 2) return bytes;
  // Vorbis orders three and five to eight channels left, centre, right, ...;
  // four as front left, front right, rear left, rear right.
  const int32_t right = channels == 4 || channels > 8 ? 1 : 2;
  int16_t* samples = reinterpret_cast<int16_t*>(pcm);
  int32_t frames = bytes / (2 * channels);
  for (int32_t f = 0; f < frames; ++f) {
    int16_t left = samples[f * channels], other = samples[f * channels + right];
    samples[2 * f] = left;
    samples[2 * f + 1] = other;
  }
  return frames * 4;
}
