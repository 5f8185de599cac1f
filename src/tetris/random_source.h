#pragma once

#include <QtGlobal>

#include <optional>
#include <random>

// The one random source of the game: piece kinds, colours, obstacle set-ups and
// the random obstacles of the higher levels all draw from it. The board re-seeds
// it from the clock's tick count whenever a screen is set up; a test fixes the
// seed so that every re-seed starts the same sequence.

namespace arkivo::tetris {

class RandomSource {
public:
    static RandomSource& instance();

    // A whole number from 0 to k - 1 (0 when k < 1).
    int below(int k);

    void seed(quint32 value);
    // Seeds from the clock (platform::clock().tickCount()) unless a seed is fixed.
    void reseed();

    void fixSeed(quint32 value);
    void releaseSeed();

private:
    std::mt19937 m_engine{5489u};
    std::optional<quint32> m_fixed;
};

} // namespace arkivo::tetris
