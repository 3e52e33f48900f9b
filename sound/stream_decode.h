// Decoding music in blocks: any kind of track into 16-bit PCM (WAV as it
// stands), block after block, carrying what one decoder call gave beyond
// the block into the next block of the same slot, so that no byte is lost
// or repeated between blocks.
#pragma once
#include <cstdint>

#include "sound/music_channel.h"

// A fresh MP3 decoder fed by hand (null when libmpg123 is unusable).
Mp3Decoder* CreateMp3Decoder();
void ResetMp3Decoder(Mp3Decoder* decoder);
void DeleteMp3Decoder(Mp3Decoder* decoder);

// Starts a looping track again from its first sample: a fresh Ogg reader (so
// the decoder gives the track again exactly and the loop has no seam), a WAV
// file past its header (which would otherwise play as a burst of noise), an
// MP3 file from its first byte. False when the file cannot be opened again.
bool RestartTrack(MusicChannel& channel);

// Fills up to count bytes of destination from the channel's track and returns
// how many it stored; bytes it cannot supply (end of the track, a decoding
// error) are left as they were. A looping channel restarts its track when the
// decoder runs dry, so the block goes on with the track's beginning. Ogg and MP3 decoding also refresh the
// channel's rate and channel count.
int32_t DecodeBlock(MusicChannel& channel, StreamCarry& carry, Mp3Decoder* mp3, uint8_t* destination, int32_t count);
