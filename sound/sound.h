// What the game calls to make sound: start the device once, load effects,
// play them, and switch the music. Include this header.
//
//   InitSound();                                  // once at start-up
//   SoundData boom = LoadSound("music/wybuch.ogg"); // at load time
//   PlaySound(boom);                              // any time, main thread
//   PlayMusic("music/menu.ogg", 1.0f, 0);         // fade the old track over 1 s
//
// Every call does nothing while sound is off (no device, or a buffer could
// not be made); the game runs on silently.
#pragma once

#include "sound/sound_api.h"
#include "sound/sound_mixer.h"

// Decodes an Ogg Vorbis or WAV effect whole. The game keeps its effects for
// the rest of the run. A missing, unknown or damaged file gives an all-zero
// SoundData (and one line on standard output), which PlaySound ignores.
SoundData LoadSound(const char* name);
// Gives back what LoadSound allocated and empties the sound. Only once no
// voice plays it any more (after ShutdownSound, or the effect has ended).
void FreeSound(SoundData& sound);

// Switches the music to the named track (Ogg Vorbis, MP3 or WAV) streamed
// from disk or an archive. What plays now fades out over fadeSeconds (0 stops
// it at the next mixer tick) while the new track starts at full volume; with
// loop 1 the track restarts at its end. A missing file leaves the music as it
// is. "music/blank.ogg" is the silent track that stops the music.
void PlayMusic(const char* name, float fadeSeconds, int loop);
