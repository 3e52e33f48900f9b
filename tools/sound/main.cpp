// rivet-sound: inspect, decode and play sound files the way the game does.
#include <cstdio>

#include "tools/sound/sound_tool.h"

int main(int argc, char** argv) { return RunSoundTool(argc, argv, stdout); }
