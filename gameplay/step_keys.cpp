// Reading the step's input from the devices and playing its effects.
#include "gameplay/step_keys.h"

#include "gameplay/game_assets.h"
#include "input/controllers.h"
#include "input/keyboard.h"

namespace {
constexpr int kControllerAxisX = kControlX;
constexpr int kControllerAxisY = kControlY;
}  // namespace

StepInput ReadStepInput() {
  StepInput input;
  if (IsKeyDown(VK_CONTROL)) {
    input.tilting = true;
    input.tiltUp = IsKeyDown(VK_UP) != 0;
    input.tiltDown = IsKeyDown(VK_DOWN) != 0;
    return input;
  }
  float axisX = 0, axisY = 0;
  if (GetControllerCount() > 0) {
    axisX = GetControllerAxis(0, kControllerAxisX);
    axisY = GetControllerAxis(0, kControllerAxisY);
  }
  const bool left = IsKeyDown(VK_LEFT) != 0, right = IsKeyDown(VK_RIGHT) != 0;
  if (left || axisX < -0.5f) input.direction = kDirectionLeft;
  if (right || axisX > 0.5f) input.direction = kDirectionRight;
  if (IsKeyDown(VK_UP) || axisY < -0.5f) input.direction = kDirectionUp;
  if (IsKeyDown(VK_DOWN) || axisY > 0.5f) input.direction = kDirectionDown;
  for (int digit = 0; digit <= 9; ++digit) {
    if (IsKeyDown('0' + digit)) input.digitsHeld |= static_cast<uint16_t>(1 << digit);
  }
  input.viewLeft = left;
  input.viewRight = right;
  return input;
}

void PlayStepSounds(const StepReport& sounds) {
  const GameAssets& a = GetGameAssets();
  for (int s = 0; s < kRuleSoundCount; ++s) {
    for (int n = 0; n < sounds.plays[s]; ++n) PlaySound(a.ruleSounds[s]);
  }
}
