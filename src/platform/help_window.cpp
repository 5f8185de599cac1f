#include "platform/help_window.h"

#include "common/help_keywords.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace arkivo::platform {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Arkivo-ohje"));
    resize(560, 480);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setOpenExternalLinks(true);

    auto* contents = new QPushButton(QStringLiteral("&Sisällys"), this);
    m_back = new QPushButton(QStringLiteral("&Takaisin"), this);
    auto* close = new QPushButton(QStringLiteral("&Sulje"), this);
    m_back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showKeyword(QStringLiteral("Sisällys")); });
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(m_back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
}

void HelpWindow::showKeyword(const QString& keyword) {
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + helpPage(keyword)));
}

QString HelpWindow::currentPage() const {
    return m_browser->source().fileName();
}

WindowHelp::~WindowHelp() {
    delete m_window;
}

void WindowHelp::show(const QString& keyword) {
    if (!m_window)
        m_window = new HelpWindow;
    m_window->showKeyword(keyword);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace arkivo::platform
