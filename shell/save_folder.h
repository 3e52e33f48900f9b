// Where the save files live. The game keeps options.dat, profile.dat,
// profile.da0 and every later save beside its data, in the play folder, when
// that folder can be written. An install the player cannot write into (under
// /opt, on a read-only medium) keeps them in $XDG_DATA_HOME/rivet-run/, or
// ~/.local/share/rivet-run/ when the variable is unset; that folder is made
// when the first save needs it. Reads look in the same place as writes.
#pragma once
#include <string>

// The folder saves go to: "" for the play folder (the current directory),
// else the player's data folder for the game. Asked afresh on each call, so
// a test or tool that changes directory gets the answer for the new one.
std::string GetSaveFolder();
// A save file's path: the name inside the save folder (absolute names as given).
std::string GetSavePath(const char* name);
// Makes the save folder when it is missing. False, with the reason, when it
// cannot be made.
bool MakeSaveFolder(std::string* reason);
