#include "platform/signal_flush.h"

#include "platform/registry_store.h"
#include "qt_application.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

using namespace arkivo;

TEST(SignalFlush, TermSavesTheRegistryAndEndsTheEventLoop) {
    QApplication* app = test::ensureApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Arkivo.reg"));
    platform::RegistryStore store(path);
    store.load();
    platform::installRegistryFlushOnSignals(store);

    QTimer::singleShot(0, [&] {
        store.setValue(QStringLiteral("Software\\Arkivo"), QStringLiteral("Tila"), QStringLiteral("1"));
        std::raise(SIGTERM);
    });
    // Only reached when the signal did not end the loop.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { std::_Exit(3); });
    guard.start(5000);
    app->exec();
    guard.stop();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("\"Tila\"=\"1\"")));
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
}
