#include "tetris/game_rules.h"

namespace arkivo::tetris {

int landingPoints(int freeRows, int removedRows, int level) { return freeRows + removedRows * 4 * (level + 1); }

std::optional<LevelChange> levelChangeFor(int level, int totalRows)
{
    if (level == 0)
        return totalRows >= 8 ? std::optional<LevelChange>({1, 800}) : std::nullopt;
    struct Step {
        int above;
        int intervalMs;
    };
    // Index: the current level 1..8.
    static constexpr Step kSteps[] = {{19, 650}, {32, 500}, {43, 350}, {54, 200},
                                      {65, 150}, {79, 150}, {99, 150}, {119, 150}};
    if (level < 1 || level > 8)
        return std::nullopt;
    const Step& s = kSteps[level - 1];
    if (totalRows > s.above)
        return LevelChange{level + 1, s.intervalMs};
    return std::nullopt;
}

int obstacleOdds(int totalRows)
{
    if (totalRows < 80)
        return 30;
    if (totalRows < 105)
        return 20;
    if (totalRows < 120)
        return 15;
    return 10;
}

} // namespace arkivo::tetris
