#pragma once

#include "platform/help.h"

#include <QPointer>
#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace arkivo::platform {

// The program's help: one window over the HTML pages compiled into the
// program (":/help/<page>.html"), one page per help keyword.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void showKeyword(const QString& keyword);
    QString currentPage() const;

private:
    QTextBrowser* m_browser;
    QPushButton* m_back;
};

// The Help service over one shared HelpWindow, made when first needed.
class WindowHelp final : public Help {
public:
    ~WindowHelp() override;
    void show(const QString& keyword) override;
    HelpWindow* window() const { return m_window; }

private:
    QPointer<HelpWindow> m_window;
};

} // namespace arkivo::platform
