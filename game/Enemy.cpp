#include "game/Enemy.h"

#include <cmath>

namespace Tool {
namespace {

constexpr double RADIANS_TO_DEGREES = 57.29577951308232;

float lerp(const Util::Range<float>& range, const float t) {
    return range.min + (range.max - range.min) * t;
}

} // namespace

Enemy::Enemy(const PlayGrid& field, const Cell startCell, const Cell targetCell,
             const Tween::Easer* const easer, const float tweenTime, const Util::Range<float> radii,
             const Util::Range<float> moveTimes)
    : start(startCell), target(targetCell),
      walk(startCell.x, startCell.y, targetCell.x, targetCell.y),
      tweener(easer, 0.0f, 1.0f, tweenTime), radiusRange(radii), moveTimeRange(moveTimes) {
    moveTo(field);
    shape.radius = radiusRange.min;
    shape.rotation = heading();
}

void Enemy::update(const PlayGrid& field, const float dt) {
    tweener.onUpdate(dt);
    moveTimer -= dt;
    if (moveTimer >= 0.0f) {
        return;
    }
    moveTimer = lerp(moveTimeRange, tweener.getValue());
    if (!walk.done()) {
        walk.step();
    }
    moveTo(field);
    shape.radius = lerp(radiusRange, tweener.getValue());
}

Cell Enemy::current() const {
    // The walk stays between two cells of the grid, so it fits an int.
    return {static_cast<int>(walk.x), static_cast<int>(walk.y)};
}

void Enemy::moveTo(const PlayGrid& field) {
    const auto position = field.gridToRatioPos(current());
    shape.x = position.first;
    shape.y = position.second;
}

float Enemy::heading() const {
    const int dx = target.x - start.x;
    const int dy = target.y - start.y;
    if (dx == 0 && dy == 0) {
        return 360.0f;
    }
    // The quotient and the arctangent in single precision; a zero dx gives +-90 degrees.
    const float slope = std::atan(static_cast<float>(dy) / static_cast<float>(dx));
    const double degrees = std::nearbyint(static_cast<double>(slope) * RADIANS_TO_DEGREES);
    const double turn = (dx < 0 ? 90.0 : 270.0) + degrees;
    return static_cast<float>(turn == 360.0 ? 360.0 : 360.0 - turn);
}

} // namespace Tool
