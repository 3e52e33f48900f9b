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
  if (info == nullptr) return 0;
  int32_t count = info->channels;
  if (channels != nullptr) *channels = count;
  if (count < 1 || count > 2) return static_cast<int32_t>(info->rate);
  return static_cast<int32_t>(info->rate >> (2 - count));
}
