// Finding the game's data: names are relative to the current directory, and
// when the levels are not there but beside the program, the game moves there
// first (so build/run/rivet-run starts from anywhere). Saves stay with the data.
#pragma once
#include <string>

constexpr const char* kDataMarker = "levels/etapy.gra";

// The directory holding the running program ("" when it cannot be found).
std::string GetProgramDirectory(const char* argv0);
// Changes to programDirectory when the marker is missing here but present
// there. True when the current directory changed.
bool ChangeToDataDirectory(const std::string& programDirectory);
