#include "sound/nuotit.h"

#include "fakes.h"

#include <gtest/gtest.h>

using namespace arkivo;

namespace {

struct GetCase {
    bool mixer;
    quint32 leftRight;
    int expected;
};

class GetWaveVolumeTable : public ::testing::TestWithParam<GetCase> {};

TEST_P(GetWaveVolumeTable, TakesTheLouderChannel)
{
    test::TestServices services;
    services.wave.available = GetParam().mixer;
    services.wave.value = GetParam().leftRight;
    EXPECT_EQ(sound::GetWaveVolume(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Volumes, GetWaveVolumeTable,
                         ::testing::Values(GetCase{true, 0x0000FFFF, 1000}, GetCase{true, 0xFFFF0000, 1000},
                                           GetCase{true, 0x00008000, 500}, GetCase{true, 0x0041FFFF, 1000},
                                           GetCase{true, 0x00210000, 1}, GetCase{true, 0x00000020, 0},
                                           GetCase{true, 0, 0}, GetCase{false, 0xFFFFFFFF, 0}));

struct SetCase {
    bool mixer;
    int v;
    bool ok;
    quint32 stored; // what the mixer holds afterwards (it starts at 0x12345678)
};

class SetWaveVolumeTable : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetWaveVolumeTable, RoundsHalfToEvenOnBothChannels)
{
    test::TestServices services;
    services.wave.available = GetParam().mixer;
    services.wave.value = 0x12345678;
    EXPECT_EQ(sound::SetWaveVolume(GetParam().v), GetParam().ok);
    EXPECT_EQ(services.wave.value, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Volumes, SetWaveVolumeTable,
                         ::testing::Values(SetCase{true, 500, true, 0x80008000},   // 32767.5 -> 32768
                                           SetCase{true, 300, true, 0x4CCC4CCC},   // 19660.5 -> 19660
                                           SetCase{true, 1000, true, 0xFFFFFFFF},
                                           SetCase{true, 0, true, 0},
                                           SetCase{true, 1001, false, 0x12345678},
                                           SetCase{true, -1, false, 0x12345678},
                                           SetCase{false, 500, false, 0x12345678}));

} // namespace
