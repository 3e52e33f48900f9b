// Play from the command line's level.
#include "gameplay/play_start.h"

#include "gameplay/play_levels.h"
#include "gameplay/progress_save.h"
#include "shell/player_progress.h"

void RunPlayFromStart(const RunOptions& options) {
  PlayerProgress& progress = playerProgress;
  progress.currentLevel = options.level > 0 ? options.level : progress.highestLevel;
  if (progress.currentLevel < 1) progress.currentLevel = 1;
  PlayLevels(progress);
  StoreHighestLevel(progress);
}
