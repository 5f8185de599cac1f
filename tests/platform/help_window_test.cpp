#include "platform/help_window.h"

#include "common/help_keywords.h"
#include "qt_application.h"

#include <QFile>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace arkivo;

TEST(Help, EveryKeywordHasItsOwnCompiledInPage) {
    const char* keywords[] = {"Käyttöpaneeli",
                              "Toiminnot",
                              "Kokoonpanot",
                              "Valikoidenmuokkaus",
                              "Taustakuvat",
                              "VäritjaFontit",
                              "Kuvakkeet",
                              "Äänieditori",
                              "Päivyri",
                              "Viikkokalenteri",
                              "Kuukausikalenteri",
                              "Vuosikalenteri",
                              "a30hälytyspäivämäärää",
                              "Muistiinpanoja",
                              "Leikepöytä",
                              "Herätyskello",
                              "Ajastin",
                              "Muistilaput",
                              "Näytönlukitsija",
                              "ViestiLappu",
                              "Nauhalaskin",
                              "Eurolaskin",
                              "Polttoainelaskin",
                              "TarkistutaKello",
                              "Varmuuskopiointi",
                              "Tetrispeli",
                              "Sisällys",
                              "Versiohistoria"};
    QStringList pages;
    for (const char* k : keywords) {
        const QString page = helpPage(QString::fromUtf8(k));
        EXPECT_FALSE(pages.contains(page)) << k;
        pages << page;
        QFile file(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << k;
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("<h1>"))) << k;
        EXPECT_GT(html.size(), 400) << k;
    }
    // The contents page links every other page.
    QFile contents(QStringLiteral(":/help/sisallys.html"));
    ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(contents.readAll());
    for (const QString& page : pages) {
        if (page != QLatin1String("sisallys.html")) {
            EXPECT_TRUE(html.contains(QStringLiteral("href=\"%1\"").arg(page))) << page.toStdString();
        }
    }
}

TEST(Help, WindowOpensTheKeywordsPageAndFallsBackToTheContents) {
    test::ensureApplication();
    platform::WindowHelp help;
    help.show(QString::fromUtf8("herätyskello")); // keywords compare without case
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_EQ(help.window()->currentPage(), QStringLiteral("heratyskello.html"));
    EXPECT_TRUE(help.window()->findChild<QTextBrowser*>()->toPlainText().contains(QStringLiteral("SAMMUTA")));
    help.show(QStringLiteral("EiTällaista"));
    EXPECT_EQ(help.window()->currentPage(), QStringLiteral("sisallys.html"));
}
