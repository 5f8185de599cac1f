#include "timecheck/time_form.h"

#include "common/colors.h"
#include "controls/kam_button.h"
#include "controls/timer.h"
#include "fakes.h"
#include "loopback_time_server.h"
#include "settings/app_link.h"
#include "timecheck/time_check.h"
#include "timecheck/time_form_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

using namespace arkivo;
using arkivo::test::LoopbackTimeServer;
using arkivo::test::processUntil;

namespace {

const QString kKey = QStringLiteral("Software\\Arkivo\\WindowState\\NettiAika");

class FakePanel final : public PanelLink {
public:
    bool markChecked(const QString& name) const override { return marks.count(name) && marks.at(name); }
    void setMarkChecked(const QString& name, bool on) override { marks[name] = on; }
    void setAlarmIndicator(int, bool) override {}
    void setHandleGrey() override {}
    void setHandleNavy() override {}
    QPixmap backgroundPicture() const override { return {}; }
    QWidget* panelWindow() const override { return nullptr; }
    std::map<QString, bool> marks;
};

// Seconds since 1900 as the four bytes a TIME server sends.
QByteArray timeReply(const QDateTime& moment)
{
    const QDateTime epoch(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC);
    const quint32 n = quint32(epoch.secsTo(moment));
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(n >> (24 - 8 * i));
    return bytes;
}

struct TimeFormTest : ::testing::Test {
    test::TestServices services;
    FakePanel panel;
    std::unique_ptr<TTimeForm> form;

    void SetUp() override { setPanelLink(&panel); }
    void TearDown() override
    {
        form.reset();
        setPanelLink(nullptr);
    }
    TTimeForm& create()
    {
        form = std::make_unique<TTimeForm>();
        return *form;
    }

    template <typename T> T* child(const char* name) { return form->findChild<T*>(QString::fromLatin1(name)); }
    QStringList log() { return child<QPlainTextEdit>("TimeData")->toPlainText().split('\n'); }
    QString status() { return child<QLabel>("StatusBar")->text(); }
    controls::Timer* timer1() { return child<controls::Timer>("Timer1"); }
    bool logIsRed() { return child<QPlainTextEdit>("TimeData")->palette().color(QPalette::Text) == Qt::red; }

    // Points the window at the loopback server and runs one check to its end.
    void fetchFrom(LoopbackTimeServer& server, quint16 port = 0)
    {
        form->timeCheck().client().setPort(port ? port : server.port());
        child<QComboBox>("Palvelin")->setEditText("127.0.0.1");
        child<QAbstractButton>("Button1")->click();
    }
    bool idle() { return !form->timeCheck().client().isBusy(); }
};

TEST_F(TimeFormTest, ReplySetsTheClockAndLogsTheCorrection)
{
    create();
    LoopbackTimeServer server;
    server.answerWith(QByteArray::fromHex("BFDB7A80"));
    QStringList statuses;
    QObject::connect(&form->timeCheck(), &timecheck::TimeCheck::statusChanged,
                     [&](const QString& text) { statuses << text; });
    fetchFrom(server);
    ASSERT_TRUE(processUntil([&] { return !services.systemClock.set.empty() && idle(); }));
    QCoreApplication::processEvents();

    ASSERT_EQ(services.systemClock.set.size(), 1u);
    EXPECT_EQ(services.systemClock.set[0], QDateTime(QDate(2002, 1, 1), QTime(0, 0), Qt::UTC));
    const QStringList lines = log();
    const int first = lines.indexOf("-Aika1 = 0,001 sek ennen tarkistusta");
    ASSERT_GE(first, 0) << lines.join('|').toStdString();
    EXPECT_EQ(lines.mid(first, 5),
              (QStringList{"-Aika1 = 0,001 sek ennen tarkistusta", "+Aika2 = 0,001 sek jälkeen tarkistuksen",
                           " PRINTATAAN TIETOKONEEN AIKALEIMAT->", "   -Aika1: 11.12.2026 12:00:00",
                           "   +Aika2: 11.12.2026 12:00:00"}));
    EXPECT_TRUE(lines.value(first + 5).startsWith(" Kellonaikaa korjattu:- ")) << lines.join('|').toStdString();
    EXPECT_EQ(statuses, (QStringList{"Yhdistetään...", "DNS tarkistus tehty", "Yhteys saatu", "Tietoa tulee...",
                                     "Yhteys katkaistu"}));
    EXPECT_EQ(status(), "Yhteys katkaistu");
    EXPECT_FALSE(logIsRed());
}

TEST_F(TimeFormTest, CorrectionIsServerTimeMinusLocalTime)
{
    struct Case {
        int offsetSecs;
        bool setOk;
        QString line;
    };
    const Case cases[] = {
        {75, true, " Kellonaikaa korjattu:+ 0h 1min 15sek"},
        {-(2 * 3600 + 3), true, " Kellonaikaa korjattu:- 2h 0min 3sek"},
        {13 * 3600, true, " Kellonaikaa korjattu:+ 13h 0min 0sek"}, // past midnight
        {0, true, " Kellonaikaa korjattu:+ 0h 0min 0sek"},
        {75, false, " Kellonaikaa ei korjattu, ero:+ 0h 1min 15sek"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        create();
        services.systemClock.set.clear();
        services.systemClock.result = {c.setOk, c.setOk ? QString() : QStringLiteral("ei oikeutta")};
        LoopbackTimeServer server;
        server.answerWith(timeReply(services.clock.now().addSecs(c.offsetSecs)));
        fetchFrom(server);
        ASSERT_TRUE(processUntil([&] { return log().contains(c.line) && idle(); }))
            << log().join('|').toStdString();
        EXPECT_EQ(services.systemClock.set.size(), 1u);
        EXPECT_EQ(log().filter("+Aika2: ").size(), c.setOk ? 1 : 0);
        EXPECT_EQ(log().contains("   Kelloa ei voitu asettaa: ei oikeutta"), !c.setOk);
        EXPECT_EQ(child<QLineEdit>("Edit1")->text(), c.line);
    }
}

TEST_F(TimeFormTest, FailedChecksAreReportedAndSetNothing)
{
    struct Case {
        const char* name;
        bool listen;
        QByteArray answer;
        bool driveTimeout;
        QString status;
        QString logPart;
    };
    const Case cases[] = {
        {"refused", false, {}, false, "Yhteys epäonnistui", "kieltäytyi yhteydestä"},
        {"short", true, QByteArray::fromHex("BFDB"), false, "Vastaus jäi vajaaksi", "2 tavua 4:stä"},
        {"silent", true, {}, true, "Ei vastausta", "ei vastannut 10 sekunnissa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        create();
        LoopbackTimeServer server;
        if (!c.driveTimeout)
            server.answerWith(c.answer, true);
        fetchFrom(server, c.listen ? 0 : test::closedPort());
        if (c.driveTimeout) {
            ASSERT_TRUE(processUntil([&] { return status() == "Yhteys saatu"; }));
            form->timeCheck().client().onTimeout();
        }
        ASSERT_TRUE(processUntil([&] { return idle() && status() == c.status; })) << status().toStdString();
        QCoreApplication::processEvents();
        EXPECT_EQ(status(), c.status);
        EXPECT_EQ(log().filter(c.logPart).size(), 1) << log().join('|').toStdString();
        EXPECT_EQ(log().filter("Kellonaikaa korjattu").size(), 0);
        EXPECT_TRUE(services.systemClock.set.empty());
        EXPECT_FALSE(logIsRed());
    }
    // A refused connection never claims a connection.
    EXPECT_EQ(services.systemClock.set.size(), 0u);
}

TEST_F(TimeFormTest, FirstStartChecksNoRadioAndNeverClosesItself)
{
    create();
    for (const char* name : {"AutoEi", "Auto2sek", "Auto6sek"})
        EXPECT_FALSE(child<QRadioButton>(name)->isChecked()) << name;
    form->show();
    LoopbackTimeServer server;
    server.answerWith({}, false);
    fetchFrom(server);
    ASSERT_TRUE(processUntil([&] { return status() == "Yhteys saatu"; }));
    EXPECT_FALSE(timer1()->isActive());
    form->timeCheck().client().onTimeout();
}

TEST_F(TimeFormTest, AutoCloseChoiceIsStoredAndClosesAfterTheConnection)
{
    create();
    panel.marks[TTimeForm::kCheckNowMark] = true;
    child<QRadioButton>("Auto2sek")->click();
    EXPECT_EQ(services.registry.value(kKey + "\\Auto2sek_Checked", "Auto2sek_Checked"), "1");
    EXPECT_EQ(services.registry.value(kKey + "\\AutoEi_Checked", "AutoEi_Checked"), "0");
    EXPECT_EQ(services.registry.value(kKey + "\\Interval", "Interval"), "2000");

    // The panel's "check now" mark starts the check as the window shows.
    LoopbackTimeServer server;
    server.answerWith({}, false); // connects, never answers: the window still closes
    form->timeCheck().client().setPort(server.port());
    child<QComboBox>("Palvelin")->setEditText("127.0.0.1");
    form->show();
    ASSERT_TRUE(processUntil([&] { return status() == "Yhteys saatu"; }));
    ASSERT_TRUE(timer1()->isActive());
    EXPECT_EQ(timer1()->interval(), 2000);

    form->Timer1Timer();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_FALSE(panel.marks[TTimeForm::kCheckNowMark]);
    form->timeCheck().client().onTimeout();

    // A new window reads the choice back; "Suljen itse" keeps the interval but stops closing.
    create();
    EXPECT_TRUE(child<QRadioButton>("Auto2sek")->isChecked());
    EXPECT_EQ(timer1()->interval(), 2000);
    child<QRadioButton>("AutoEi")->click();
    EXPECT_EQ(services.registry.value(kKey + "\\AutoEi_Checked", "AutoEi_Checked"), "1");
    EXPECT_EQ(services.registry.value(kKey + "\\Auto2sek_Checked", "Auto2sek_Checked"), "0");
    EXPECT_EQ(services.registry.value(kKey + "\\Interval", "Interval"), "2000");
}

TEST_F(TimeFormTest, TypedServerIsLoggedAndUsed)
{
    create();
    LoopbackTimeServer server;
    server.answerWith(QByteArray::fromHex("BFDB7A80"));
    auto* palvelin = child<QComboBox>("Palvelin");
    EXPECT_EQ(palvelin->currentText(), TTimeForm::kDefaultServers.first());
    EXPECT_EQ(palvelin->count(), 4);
    form->timeCheck().client().setPort(server.port());
    palvelin->lineEdit()->clear();
    QTest::keyClicks(palvelin->lineEdit(), "127.0.0.1");
    EXPECT_TRUE(log().contains("Osoitteeksi vaihdettu: 127.0.0.1"));
    child<QAbstractButton>("Button1")->click();
    ASSERT_TRUE(processUntil([&] { return !services.systemClock.set.empty(); }));
    EXPECT_EQ(form->timeCheck().client().host(), "127.0.0.1");
}

TEST_F(TimeFormTest, ButtonsHelpAndColourToy)
{
    create();
    child<QAbstractButton>("KamButton2")->click();
    EXPECT_EQ(services.shell.tools, QStringList{"rasphone"});
    child<QPushButton>("SpeedButton1")->click();
    form->show();
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(services.help.keywords, (QStringList{"TarkistutaKello", "TarkistutaKello"}));

    auto* panel1 = child<timecheck::ClickPanel>("ProPanel1");
    auto* group1 = child<timecheck::ColourGroup>("GroupBox1");
    form->StatusBarClick();
    const qint32 face = colors::fromQColor(panel1->color());
    EXPECT_LE(face, 99998);
    EXPECT_EQ(colors::fromQColor(group1->fontColor()), face ^ 0xFFFF);
    EXPECT_EQ(child<controls::KamButton>("Button1")->color(), panel1->color());
    EXPECT_EQ(child<timecheck::ColourRadio>("Auto6sek")->fontColor(), group1->fontColor());

    // The looks are kept in section "Paikka" when the window closes, and come back with a new one.
    form->close();
    const QString paikka = kKey + "\\Paikka";
    EXPECT_EQ(services.registry.value(paikka, "ProPanel1_Color"), QString::number(face));
    EXPECT_EQ(services.registry.value(paikka, "Button1_Color"), QString::number(face));
    EXPECT_EQ(services.registry.value(paikka, "GroupBox1_FontColor"), QString::number(face ^ 0xFFFF));
    EXPECT_EQ(services.registry.value(paikka, "KamButton2_Enabled"), "True");
    create();
    EXPECT_EQ(colors::fromQColor(child<timecheck::ClickPanel>("ProPanel1")->color()), face);
    EXPECT_EQ(colors::fromQColor(child<timecheck::ColourRadio>("AutoEi")->fontColor()), face ^ 0xFFFF);
    panel1 = child<timecheck::ClickPanel>("ProPanel1");

    form->StatusBarDblClick();
    EXPECT_EQ(colors::fromQColor(panel1->color()), colors::clNavy);
    EXPECT_EQ(child<controls::KamButton>("KamButton2")->fontColor(), QColor(Qt::white));
}

} // namespace
