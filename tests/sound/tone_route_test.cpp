#include "platform/tone_output.h"
#include "platform/tone_output_wav.h"
#include "sound/nuotit.h"

#include "fakes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace arkivo;

namespace {

// Installs a route in place of the recording double, keeping the fake clock.
class RouteTest : public ::testing::Test {
protected:
    void use(std::unique_ptr<platform::ToneOutput> r)
    {
        route = std::move(r);
        platform::services().tone = route.get();
    }
    test::TestServices services;
    std::unique_ptr<platform::ToneOutput> route;
};

TEST_F(RouteTest, FileRouteAppendsOneLinePerToneAndSilence)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tones.txt");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("440 10\n");
    }
    use(platform::makeToneOutput("file:" + path));
    EXPECT_TRUE(route->isNTFamily());
    sound::resetPlayerState();
    sound::PlayNotation("O4N4C8MLD");
    route.reset(); // closes the file

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("440 10\n262 112\n0 16\n294 256\n"));
    EXPECT_EQ(services.clock.sleptTotal, 384); // the time passes as if it had sounded
}

TEST_F(RouteTest, SilentRouteKeepsTheTime)
{
    use(platform::makeToneOutput("none"));
    EXPECT_TRUE(route->isNTFamily());
    sound::resetPlayerState();
    sound::PlayNotation("O4N4CT");
    EXPECT_EQ(services.clock.sleptTotal, 512);
}

TEST_F(RouteTest, SpeakerRouteIsThe9xFamilyEvenWithoutAConsole)
{
    // Where no console allows KIOCSOUND the route falls back to silence, but
    // keeps the 20 Hz limit and the time. Nothing is sounded here: a test
    // run on a real console must stay quiet.
    use(platform::makeToneOutput("speaker"));
    EXPECT_FALSE(route->isNTFamily());
    route->silence(300);
    EXPECT_EQ(services.clock.sleptTotal, 300);
}

TEST(WavToneOutputTest, RendersSquareWaveThenSilence)
{
    test::TestServices services;
    platform::WavToneOutput wav;
    platform::services().tone = &wav;
    platform::services().clock = &wav.renderClock();
    sound::resetPlayerState();
    sound::PlayNotation("O4N4C8");

    EXPECT_EQ(wav.renderedMs(), 128);
    const auto& s = wav.samples();
    ASSERT_EQ(s.size(), 5645u); // 128 ms at 44.1 kHz
    const size_t toneEnd = 4939; // 112 ms
    int flips = 0;
    for (size_t i = 0; i < toneEnd; ++i) {
        EXPECT_NE(s[i], 0) << i;
        if (i > 0 && s[i] != s[i - 1]) {
            EXPECT_EQ(s[i], -s[i - 1]);
            ++flips;
        }
    }
    EXPECT_EQ(flips, 58); // 2 * 262 Hz * 0.112 s half periods, whole ones only
    for (size_t i = toneEnd; i < s.size(); ++i)
        ASSERT_EQ(s[i], 0) << i;

    const QByteArray file = wav.wavData();
    ASSERT_EQ(file.size(), 44 + 2 * 5645);
    EXPECT_EQ(file.left(4), "RIFF");
    EXPECT_EQ(file.mid(8, 8), "WAVEfmt ");
    const auto u16 = [&](int at) { return quint8(file[at]) | quint8(file[at + 1]) << 8; };
    const auto u32 = [&](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    EXPECT_EQ(u16(20), 1);     // PCM
    EXPECT_EQ(u16(22), 1);     // mono
    EXPECT_EQ(u32(24), 44100u);
    EXPECT_EQ(u16(34), 16);    // bits
    EXPECT_EQ(file.mid(36, 4), "data");
    EXPECT_EQ(u32(40), 2u * 5645);
}

} // namespace
