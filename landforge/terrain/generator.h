#pragma once
// Seeded midpoint subdivision. Bit-exact: the same seed, dampening and start terrain give the
// same heights on every machine.
#include <cstdint>

#include "landforge/terrain/terrain_state.h"

namespace landforge {

// The displaced midpoint of heights lo..hi (the extremes of a set), drawing one value.
float displacedMidpoint(float hi, float lo, float dampening, LcgRandom& random);

// Generates over the grid with `seed`: all heights, or with `fill` only the zero ones.
// Takes no snapshot; re-chooses every cell afterwards.
void generateTerrain(Heightfield& grid, LcgRandom& random, std::uint32_t seed, float dampening, bool fill);

// The three menu commands: a points-and-cells Full snapshot, then generation. New Random and
// Fill In first set the seed to the next generator value; Change Terrain Parameters takes the
// entered values, clamped as the dialog clamps them.
void newRandomTerrain(TerrainState& state);
void fillInRandomTerrain(TerrainState& state);
void changeTerrainParameters(TerrainState& state, const TerrainParameters& entered);

}  // namespace landforge
