// Pieces shared by the board's cell models: the floor plate every walkable
// cell stands on, rollers, doors and mines (which also appear on rollers).
// A cell is 2 x 2 units centred on the origin with its floor at z = 0.
#pragma once
#include "tools/datagen/model_kit.h"

enum class DoorColour { Blue, Red };
enum class RollerStyle { Plain, Railed, Striped };

void AddFloorPlate(ModelKit& kit);
// Rollers turning about the y axis, so they carry along x; the game turns the model.
void AddRollers(ModelKit& kit, RollerStyle style);
// A door block filling the cell that sinks under the floor over frames 0..4.
void AddDoor(ModelKit& kit, DoorColour colour);
// A mine resting at height `base`.
void AddMine(ModelKit& kit, float base);
