// The Ogg Vorbis file reader over a FileStream: reads go through the stream,
// seeking is refused (the reader then reads front to back), closing the
// reader closes and deletes the stream.
#pragma once
#include <vorbis/vorbisfile.h>

#include <cstdint>

class FileStream;

// Opens the reader on an open stream. On success the reader owns the stream
// (ov_clear deletes it); on failure the caller still owns it.
bool OpenOggReader(OggVorbis_File& reader, FileStream* stream);
// The stream's rate as the music path reports it: halved for mono, because
// the music buffer is always stereo and takes two mono samples per frame.
// A stream of more than two channels is reported as the stereo it plays as.
int32_t ReportedOggRate(OggVorbis_File& reader, int32_t* channels);
// Music plays in a stereo buffer: decoded frames of more than two channels
// keep only their front left and right samples, packed in place. Returns the
// bytes left.
int32_t KeepFrontPair(uint8_t* pcm, int32_t bytes, int32_t channels);
