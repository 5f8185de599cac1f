#include "tetris/game_rules.h"

#include <gtest/gtest.h>

using namespace arkivo::tetris;

TEST(GameRules, LevelThresholds)
{
    const struct {
        int level, total, next, interval; // next 0: no change
    } cases[] = {
        {0, 7, 0, 0},     {0, 8, 1, 800},   {1, 19, 0, 0},    {1, 20, 2, 650},  {2, 33, 3, 500},
        {3, 43, 0, 0},    {3, 44, 4, 350},  {4, 55, 5, 200},  {5, 66, 6, 150},  {6, 80, 7, 150},
        {7, 100, 8, 150}, {8, 119, 0, 0},   {8, 120, 9, 150}, {9, 500, 0, 0},   {0, 40, 1, 800},
    };
    for (const auto& c : cases) {
        const auto change = levelChangeFor(c.level, c.total);
        if (c.next == 0) {
            EXPECT_FALSE(change) << c.level << " " << c.total;
        } else {
            ASSERT_TRUE(change) << c.level << " " << c.total;
            EXPECT_EQ(change->level, c.next);
            EXPECT_EQ(change->intervalMs, c.interval);
        }
    }
}

TEST(GameRules, PointsAndObstacleOdds)
{
    EXPECT_EQ(landingPoints(12, 2, 0), 20);
    EXPECT_EQ(landingPoints(10, 3, 2), 10 + 36);
    const std::pair<int, int> odds[] = {{79, 30}, {80, 20}, {104, 20}, {105, 15}, {119, 15}, {120, 10}};
    for (const auto& [total, a] : odds)
        EXPECT_EQ(obstacleOdds(total), a) << total;
}
