// Arkivo: starts the services, creates the long-lived windows and runs until
// the control panel closes.

#include "app/control_panel.h"
#include "app/startup.h"
#include "platform/cd_door.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/help_window.h"
#include "platform/registry_store.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/signal_flush.h"
#include "platform/system_clock.h"
#include "platform/tone_output.h"
#include "platform/wave_volume.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <ctime>

using namespace arkivo;

namespace {

// Wall-clock microseconds, for the start-up benchmark's report.
long long wallMicros() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

} // namespace

int main(int argc, char* argv[]) {
    // Without TZ the C library looks at /etc/localtime again at every reading
    // of the local time, several times a second on an idle panel. Naming the
    // file reads it once; a new system time zone shows at the next start.
    if (!qEnvironmentVariableIsSet("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime")))
        qputenv("TZ", ":/etc/localtime");
    // With X shared-memory images every repaint waits for the server to let go
    // of the previous one, a round trip a second for the panel clock. The
    // windows are small: sending the changed pixels costs less.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Arkivo"));
    // The panel's close ends the run, whatever other windows show.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::RegistryStore registry(platform::defaultRegistryPath());
    platform::SystemClockSource clock;
    QByteArray route = qgetenv("ARKIVO_TONE");
    if (route.isEmpty())
        route = "alsa";
    std::unique_ptr<platform::ToneOutput> tone = platform::makeToneOutput(QString::fromLocal8Bit(route));
    std::unique_ptr<platform::WaveVolume> wave = platform::makeAlsaWaveVolume();
    platform::DesktopShell shell;
    platform::QtDialogs dialogs;
    platform::WindowHelp help;
    platform::LinuxSystemClock systemClock;
    platform::LinuxCdDoor cdDoor;

    platform::Services& s = platform::services();
    s.registry = &registry;
    s.clock = &clock;
    s.tone = tone.get();
    s.waveVolume = wave.get();
    s.shell = &shell;
    s.dialogs = &dialogs;
    s.help = &help;
    s.systemClock = &systemClock;
    s.cdDoor = &cdDoor;

    const platform::RegistryStore::LoadResult loaded = registry.load();
    if (!loaded.ok)
        platform::dialogs().message(loaded.message);
    platform::installRegistryFlushOnSignals(registry);

    app::createWindows();
    TForm1* panel = app::windows().Form1;
    QObject::connect(panel, &TForm1::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    if (qEnvironmentVariableIntValue("ARKIVO_BENCH") == 1)
        QObject::connect(panel, &TForm1::firstShown, [] {
            std::fprintf(stderr, "arkivo-first-show %lld\n", wallMicros());
            std::fflush(stderr);
        });
    panel->show();
    panel->activateWindow();

    const int code = app.exec();
    app::destroyWindows();
    registry.save();
    return code;
}
