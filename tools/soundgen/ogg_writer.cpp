// libvorbisenc over our own samples: the stream serial is fixed, so the output
// depends only on the samples.
#include "tools/soundgen/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <cstdio>
#include <cstring>

namespace {
void AppendPage(std::vector<uint8_t>& out, const ogg_page& page) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

void DrainEncoder(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream, std::vector<uint8_t>& out) {
  ogg_packet packet;
  ogg_page page;
  while (vorbis_analysis_blockout(&dsp, &block) == 1) {
    vorbis_analysis(&block, nullptr);
    vorbis_bitrate_addblock(&block);
    while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
      ogg_stream_packetin(&stream, &packet);
      while (ogg_stream_pageout(&stream, &page) != 0) AppendPage(out, page);
    }
  }
}
}  // namespace

std::vector<uint8_t> EncodeOgg(const StereoClip& clip, float quality, uint32_t serial) {
  return EncodeOggPcm(clip.samples.data(), clip.Frames(), 2, kSynthRate, quality, serial);
}

std::vector<uint8_t> EncodeOggPcm(const float* samples, int frames, int channels, int rate, float quality,
                                  uint32_t serial) {
  std::vector<uint8_t> out;
  if (channels < 1 || frames < 0) return out;
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0) {
    vorbis_info_clear(&info);
    return out;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_comment_add_tag(&comment, "ENCODER", "rivet-soundgen");
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, static_cast<int>(serial));

  ogg_packet header, headerComment, headerCode;
  vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &headerComment);
  ogg_stream_packetin(&stream, &headerCode);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page) != 0) AppendPage(out, page);

  const int chunk = 4096;
  for (int start = 0; start < frames; start += chunk) {
    int count = frames - start < chunk ? frames - start : chunk;
    float** buffer = vorbis_analysis_buffer(&dsp, count);
    for (int i = 0; i < count; ++i) {
      for (int ch = 0; ch < channels; ++ch) buffer[ch][i] = samples[static_cast<size_t>(start + i) * channels + ch];
    }
    vorbis_analysis_wrote(&dsp, count);
    DrainEncoder(dsp, block, stream, out);
  }
  vorbis_analysis_wrote(&dsp, 0);
  DrainEncoder(dsp, block, stream, out);
  while (ogg_stream_flush(&stream, &page) != 0) AppendPage(out, page);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fclose(file) == 0 && ok;
  return ok;
}
