#pragma once

#include <optional>

// The game window's rules for points, levels and the odds of random obstacles.

namespace arkivo::tetris {

// Points of one landing: the empty rows left above the stack plus four points a
// removed row, times the level + 1. Two rows on level 0 with 12 rows free: 12 + 8 = 20.
int landingPoints(int freeRows, int removedRows, int level);

struct LevelChange {
    int level;       // the new level, 1..9
    int intervalMs;  // the new fall interval
};

// The level change due after a landing, at most one step at a time. Level 0 ends
// when 8 rows in all are removed; every later level when its threshold is exceeded.
std::optional<LevelChange> levelChangeFor(int level, int totalRows);

// The screen (obstacle set-up) of a level: levels above 5 play on an open board.
inline int screenForLevel(int level) { return level <= 5 ? level : 0; }

// The k of the Random(k) draws for random obstacles on levels 6 to 9: the more
// rows removed, the likelier an obstacle.
int obstacleOdds(int totalRows);

// A grey obstacle block, red = green = blue = 125, as a $00BBGGRR value.
inline constexpr int kObstacleGrey = 0x7D7D7D;

inline constexpr int kFirstIntervalMs = 1000;

} // namespace arkivo::tetris
