#include "tetris/random_source.h"

#include "platform/clock.h"
#include "platform/services.h"

namespace arkivo::tetris {

RandomSource& RandomSource::instance()
{
    static RandomSource source;
    return source;
}

int RandomSource::below(int k)
{
    if (k < 1)
        return 0;
    return std::uniform_int_distribution<int>(0, k - 1)(m_engine);
}

void RandomSource::seed(quint32 value) { m_engine.seed(value); }

void RandomSource::reseed()
{
    if (m_fixed)
        seed(*m_fixed);
    else if (platform::services().clock)
        seed(platform::clock().tickCount());
    else
        seed(std::random_device{}());
}

void RandomSource::fixSeed(quint32 value)
{
    m_fixed = value;
    seed(value);
}

void RandomSource::releaseSeed() { m_fixed.reset(); }

} // namespace arkivo::tetris
