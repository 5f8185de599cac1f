#include "sound/nuotit.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <string>

using namespace arkivo;

namespace {

struct GetCase {
    const char* name;
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
                         ::testing::Values(GetCase{"LeftFull", true, 0x0000FFFF, 1000},
                                           GetCase{"RightFull", true, 0xFFFF0000, 1000},
                                           GetCase{"Half", true, 0x00008000, 500},
                                           GetCase{"LouderWins", true, 0x0021FFFF, 1000},
                                           GetCase{"RoundsUp", true, 0x00210000, 1},
                                           GetCase{"RoundsDown", true, 0x00000020, 0},
                                           GetCase{"Silent", true, 0, 0},
                                           GetCase{"NoMixer", false, 0xFFFFFFFF, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SetCase {
    const char* name;
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
                         ::testing::Values(SetCase{"HalfTieToEvenUp", true, 500, true, 0x80008000},  // 32767.5
                                           SetCase{"TieToEvenDown", true, 300, true, 0x4CCC4CCC},   // 19660.5
                                           SetCase{"Full", true, 1000, true, 0xFFFFFFFF},
                                           SetCase{"Zero", true, 0, true, 0},
                                           SetCase{"AboveFull", true, 1001, false, 0x12345678},
                                           SetCase{"Negative", true, -1, false, 0x12345678},
                                           SetCase{"NoMixer", false, 500, false, 0x12345678}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
