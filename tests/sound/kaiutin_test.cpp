#include "sound/kaiutin.h"
#include "sound/nuotit.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace arkivo;
using Events = std::vector<std::pair<int, int>>;

namespace {

constexpr int kOn = -1, kOff = -2, kStop = -3; // RecordingTone's speaker events

const char* const kTooFast = "Nuotitus liian nopea! Vaihda nuotitusta Äänieditorista.: MSecs < -1";
const char* const kLow37 = "WinNT ja 2000 ei salli näin matalia ääniä! Vaihda Oktaavi 1:n C-    nuotti "
                           "Äänieditorista korkeammaksi. Hz < 37";
const char* const kLow20 = "WinNT ja 2000 ei salli näin matalia ääniä! Vaihda Oktaavi 1:n C-    nuotti "
                           "Äänieditorista korkeammaksi. Hz < 20";
const char* const kHigh = "Älä sävellä näin korkeita ääniä! Vaihda nuottia Äänieditorista.     Hz > 20000";

struct ToneCase {
    const char* name;
    bool ntFamily;
    int hz;
    int ms;
    const char* error; // nullptr: plays
    Events events;
};

class PlayToneTable : public ::testing::TestWithParam<ToneCase> {
protected:
    test::TestServices services;
};

TEST_P(PlayToneTable, ChecksThenSounds)
{
    const ToneCase& c = GetParam();
    services.tone.setNTFamily(c.ntFamily);
    if (c.error) {
        try {
            sound::PlayTone(quint16(c.hz), c.ms);
            FAIL() << "no error";
        } catch (const sound::RangeError& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
    } else {
        sound::PlayTone(quint16(c.hz), c.ms);
    }
    EXPECT_EQ(services.tone.events, c.events);
    EXPECT_EQ(services.clock.sleptTotal, c.error ? 0 : std::max(c.ms, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, PlayToneTable,
    ::testing::Values(ToneCase{"NTLowest", true, 37, 10, nullptr, {{37, 10}}},
                      ToneCase{"NTTooLow", true, 36, 10, kLow37, {}},
                      ToneCase{"NTHighest", true, 20000, 10, nullptr, {{20000, 10}}},
                      ToneCase{"TooHigh", true, 20001, 10, kHigh, {}},
                      ToneCase{"TooFast", true, 440, -2, kTooFast, {}},
                      ToneCase{"TooFastBeforeTooLow", true, 10, -2, kTooFast, {}},
                      ToneCase{"NTUntilStopped", true, 440, -1, nullptr, {{440, -1}}},
                      ToneCase{"9xLowest", false, 20, 10, nullptr, {{kOn, 59659}, {kOff, 0}}},
                      ToneCase{"9xTooLow", false, 19, 10, kLow20, {}},
                      ToneCase{"9xHigh", false, 20000, 10, nullptr, {{kOn, 59}, {kOff, 0}}},
                      ToneCase{"9xUntilStopped", false, 440, -1, nullptr, {{kOn, 2711}}}),
    [](const ::testing::TestParamInfo<ToneCase>& info) { return std::string(info.param.name); });

TEST(KaiutinTest, StopToneByFamily)
{
    test::TestServices services;
    sound::StopTone();
    services.tone.setNTFamily(false);
    sound::StopTone();
    EXPECT_EQ(services.tone.events, (Events{{kStop, 0}, {kOff, 0}}));
}

struct SignalCase {
    const char* name;
    int kind;
    bool ntFamily;
    Events events;
};

class SignalTable : public ::testing::TestWithParam<SignalCase> {
protected:
    test::TestServices services;
};

TEST_P(SignalTable, PlaysItsTones)
{
    services.tone.setNTFamily(GetParam().ntFamily);
    sound::PlaySignal(GetParam().kind);
    EXPECT_EQ(services.tone.events, GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SignalTable,
                         ::testing::Values(SignalCase{"Rising", 0, true, {{1047, 100}, {1109, 100}, {1175, 100}}},
                                           SignalCase{"Falling", 1, true, {{2093, 100}, {1976, 100}, {1857, 100}}},
                                           SignalCase{"Low", 2, true, {{40, 500}}},
                                           SignalCase{"LowOn9x", 2, false, {{kOn, 29829}, {kOff, 0}}},
                                           SignalCase{"KindThree", 3, true, {}},
                                           SignalCase{"Negative", -1, true, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
