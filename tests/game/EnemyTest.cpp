#include "game/Enemy.h"
#include "CellText.h"
#include "GameHelper/EaserStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Tool::Cell;

TEST(EnemyTest, ItsFirstVertexPointsAlongItsWay) {
    const Tool::PlayGrid field(16, 16);
    // From (5, 5) to the target: rotation 0 points down, 90 right.
    const std::vector<std::pair<Cell, float>> rows = {
        {{9, 5}, 90.0f}, {{1, 5}, 270.0f}, {{5, 9}, 360.0f}, {{5, 1}, 180.0f},
        {{8, 8}, 45.0f}, {{2, 8}, 315.0f}, {{9, 7}, 63.0f},  {{5, 5}, 360.0f}};
    for (const auto& [target, rotation] : rows) {
        const Tool::Enemy enemy(field, {5, 5}, target, GameHelper::EaserStore::get("inQuad"),
                                1000.0f, {0.1f, 0.2f}, {50.0f, 50.0f});
        EXPECT_EQ(enemy.shape.rotation, rotation) << KessokTest::cellText({target});
        EXPECT_FLOAT_EQ(enemy.shape.radius, 0.1f);
    }
}

} // namespace
