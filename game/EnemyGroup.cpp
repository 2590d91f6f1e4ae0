#include "game/EnemyGroup.h"

namespace vrh {

void EnemyGroup::resizeKeeping(int n) {
    const size_t size = size_t(n < 0 ? 0 : n) + 1;
    state.resize(size);
    x.resize(size);
    y.resize(size);
    hp.resize(size);
    attack.resize(size);
    defense.resize(size);
    hit.resize(size);
    hitTicks.resize(size);
    shotFlying.resize(size);
    shotX.resize(size);
    shotY.resize(size);
}

void EnemyGroup::clearToOneSlot() {
    count = 0;
    state.clear();
    x.clear();
    y.clear();
    hp.clear();
    attack.clear();
    defense.clear();
    hit.clear();
    hitTicks.clear();
    shotFlying.clear();
    shotX.clear();
    shotY.clear();
    resizeKeeping(0);
}

int EnemyGroup::append() {
    count += 1;
    resizeKeeping(count);
    return count - 1;
}

}  // namespace vrh
