// Hand-over from loading straight to play.
#include "gameplay/play_start.h"

#include "frontend/font_text.h"
#include "gameplay/game_assets.h"
#include "gameplay/play_levels.h"
#include "gameplay/progress_save.h"
#include "shell/player_progress.h"

void LoadPlayScreen() {
  DrawLoadingProgress(0);
  LoadFadeOverlay();
  DrawLoadingProgress(2);
  LoadMenuFont();
  DrawLoadingProgress(4);
  LoadGameAssets();
}

void RunPlayFromStart(const RunOptions& options) {
  PlayerProgress& progress = playerProgress;
  progress.currentLevel = options.level > 0 ? options.level : progress.highestLevel;
  if (progress.currentLevel < 1) progress.currentLevel = 1;
  PlayLevels(progress);
  StoreHighestLevel(progress);
}
