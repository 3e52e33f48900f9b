// rivet-sound, the sound inspector:
//   rivet-sound info FILE       one line "KIND RATE CHANNELS BITS BYTES" as LoadSound sees the file
//   rivet-sound decode FILE OUT.wav   what LoadSound decodes, as a WAV file
//   rivet-sound play FILE [--music] [--seconds S]   plays it as an effect or through the music stream
// Exit status 0 on success, 2 when the file cannot be used, 1 for a bad command line.
#pragma once
#include <cstdio>

int RunSoundTool(int argc, char** argv, std::FILE* out);
