#include "qt_application.h"

#include <QApplication>

namespace arkivo::test {

QApplication* ensureApplication() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return app;
    static int argc = 1;
    static char name[] = "arkivo-tests";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv); // lives to the end of the test binary
}

} // namespace arkivo::test
