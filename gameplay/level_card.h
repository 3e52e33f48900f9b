// The card shown before a level: the first nine levels and the last one have
// a picture of their own and wait for the player; the others show a generic
// card only after a loss and otherwise start at once.
#pragma once

enum LevelCard : int {
  kNoCard = 0,        // start the level at once
  kGenericCard = -1,  // "data/png/poz.png"
  // 1..9 and 45: "data/png/pozN.png"
};

LevelCard ChooseLevelCard(int level, int wonLast);

// Opacity of the card over the board: twice the darkness, none at full light.
float CardOpacity(float fade);
