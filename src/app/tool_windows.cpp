#include "app/tool_windows.h"

namespace arkivo::app {

void showTool(QWidget* window) {
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

void showOnce(QWidget* window, bool modal) {
    if (!window)
        return;
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (modal)
        window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace arkivo::app
