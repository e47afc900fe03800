#include "landforge/terrain/terrain_state.h"

namespace landforge {

void initTerrainState(TerrainState& state, std::uint32_t timeSeed) {
    state = TerrainState{};
    state.random.seed(timeSeed);
    state.params.seed = static_cast<std::uint32_t>(state.random.next());
}

}  // namespace landforge
