// Which in-game track plays: one track per difficulty, switched only when a
// play session starts and when play crosses into the next difficulty.
#pragma once

// The track to switch to when level n starts, or nullptr to keep the current
// one. lastLevel is the level of the previous choice (-1: none yet this
// session) and becomes n.
const char* ChooseLevelMusic(int n, int& lastLevel);

// Starts a new session: the next PickLevelMusic always starts a track.
void ForgetLevelMusic();
// Switches the streamed music for level n when music is enabled.
void PickLevelMusic(int n);
