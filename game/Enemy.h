#pragma once

#include "game/LineWalk.h"
#include "game/PlayGrid.h"

#include "Tween/Easer.h"
#include "Tween/Tweener.h"
#include "Util/Range.h"

namespace Tool {

// One enemy: a polygon that crawls one cell per step along a straight line from its start cell
// on the inner ring to its target cell on the outer ring. From its spawn on, a tweener running
// from 0 to 1 eases both the interval between its steps and its radius.
struct Enemy {
    // Placed on its start cell with the smallest radius, its first vertex pointing along its
    // way; its move timer runs out at the first update.
    Enemy(const PlayGrid& field, Cell startCell, Cell targetCell, const Tween::Easer* easer,
          float tweenTime, Util::Range<float> radii, Util::Range<float> moveTimes);

    // Advances the tween by dt (milliseconds) and, when the move timer runs out, takes one step
    // towards the target, then sets the next interval and the radius from the eased value.
    void update(const PlayGrid& field, float dt);
    Cell current() const;

    PlayGrid::Polygon shape;
    Cell start;
    Cell target;
    // Where it stands on its way to the target.
    LineWalk walk;
    Tween::Tweener tweener;
    float moveTimer = 0.0f;
    Util::Range<float> radiusRange;
    Util::Range<float> moveTimeRange;

private:
    void moveTo(const PlayGrid& field);
    // Degrees for the first vertex to point along the way; 360 for the way down and for no way.
    float heading() const;
};

} // namespace Tool
