// arkivo-tune [--wav FILE] NOTATION
//
// Plays a notation text through the program's own player and the tone route
// of ARKIVO_TONE, or with --wav renders it to a 16-bit mono 44.1 kHz WAV file
// instead, without waiting for the tune's length. A bad notation prints the
// player's error text and exits with status 1.

#include "platform/clock.h"
#include "platform/services.h"
#include "platform/tone_output.h"
#include "platform/tone_output_wav.h"
#include "sound/nuotit.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <exception>
#include <memory>

namespace {

void usage()
{
    std::fputs("Käyttö: arkivo-tune [--wav TIEDOSTO] NUOTITUS\n"
               "Soittaa nuotituksen (esim. O4N4C8) tai kirjoittaa sen WAV-tiedostoksi.\n",
               stderr);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);

    QString wavPath;
    QStringList notation;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--wav") && i + 1 < args.size()) {
            wavPath = args.at(++i);
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            usage();
            return 0;
        } else if (a == QLatin1String("--")) {
            notation += args.mid(i + 1);
            break;
        } else if (a.startsWith(QLatin1String("--"))) {
            usage();
            return 2;
        } else {
            notation << a;
        }
    }
    if (notation.isEmpty()) {
        usage();
        return 2;
    }

    arkivo::platform::SystemClockSource systemClock;
    std::unique_ptr<arkivo::platform::ToneOutput> route;
    arkivo::platform::WavToneOutput* wav = nullptr;
    arkivo::platform::Services& services = arkivo::platform::services();
    if (wavPath.isEmpty()) {
        route = arkivo::platform::makeToneOutput(qEnvironmentVariable("ARKIVO_TONE"));
        services.clock = &systemClock;
    } else {
        auto renderer = std::make_unique<arkivo::platform::WavToneOutput>();
        wav = renderer.get();
        services.clock = &renderer->renderClock();
        route = std::move(renderer);
    }
    services.tone = route.get();

    try {
        // Blanks are ignored by the notation, so separate words make one tune.
        arkivo::sound::PlayNotation(notation.join(QLatin1Char(' ')));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }

    if (wav) {
        QString error;
        if (!wav->save(wavPath, &error)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(wavPath), qPrintable(error));
            return 1;
        }
    }
    return 0;
}
