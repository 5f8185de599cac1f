#include "platform/registry_store.h"
#include "sound/nuotit.h"

#include "fakes.h"

#include <gtest/gtest.h>

using namespace arkivo;

namespace {

TEST(NamedTunesTest, LoadTakesStoredValuesAndMissingIsEmpty)
{
    test::TestServices services;
    sound::SetNamedTune("Voice", "O4C");
    services.registry.setValue(sound::kNamedTunesKey, "kello", " O5N8C ");
    sound::loadNamedTunes();
    EXPECT_EQ(sound::NamedTune("Kello"), " O5N8C "); // as read
    EXPECT_EQ(sound::NamedTune("Voice"), "");         // missing: empty
    EXPECT_EQ(sound::NamedTune("Hiiri"), "");
}

TEST(NamedTunesTest, StoreTrimsAndTheNextReadSeesIt)
{
    test::TestServices services;
    sound::loadNamedTunes();
    sound::storeNamedTune("Hiiri", "  O2N4MLC2O6G32\t");
    EXPECT_EQ(sound::NamedTune("Hiiri"), "O2N4MLC2O6G32");
    EXPECT_EQ(services.registry.readString(sound::kNamedTunesKey, "Hiiri"), "O2N4MLC2O6G32");

    sound::resetPlayerState();
    sound::PlayNotation(sound::NamedTune("Hiiri"));
    EXPECT_EQ(services.tone.tones(), (std::vector<std::pair<int, int>>{{65, 512}, {1568, 32}}));
}

} // namespace
