// What the panel keeps in the registry, and that a second start takes it back.

#include "panel_fixture.h"

#include "controls/bevel_panel.h"
#include "settings/form_storage.h"

#include <QLineEdit>

using namespace arkivo;
using arkivo::test::PanelTest;

namespace {
const QString kKoko = QStringLiteral("Software\\Arkivo\\WindowState\\Paneeli\\Koko");
}

TEST_F(PanelTest, StoresItsStateUnderKokoAndTakesItBack) {
    {
        TForm1& panel = makePanel();
        panel.applyLayout(3);
        panel.Timer1Timer();
        panel.Timer1Timer();
        panel.setMarkChecked(QStringLiteral("AlarmIso"), true);
        panel.storage()->save();
        panel.close();
    }
    const QStringList names = services.registry.valueNames(kKoko);
    for (const char* name : {"Panel1_Left",
                             "Panel1_Width",
                             "Panel1_Caption",
                             "Timer1_Enabled",
                             "Timer6_Enabled",
                             "Timer6_Interval",
                             "TrackBar1_Position",
                             "Oletus1_Checked",
                             "Oletuslyhennettyn1_Checked",
                             "ML1ML2klopvmklokallas1_Checked",
                             "ml1klopvmklocdkallas1_Checked",
                             "klopvmklokallas1_Checked",
                             "pvmklokallaseinimerkkej1_Checked",
                             "pvmklocdkallas1_Checked",
                             "pvmklokaleinimerkkej1_Checked",
                             "pvmklocdlaseinimerkkej1_Checked",
                             "pvmklo2_Checked",
                             "CheckMuistuttaja_Checked",
                             "Lukitaan_Checked",
                             "Muistilappu21_Visible",
                             "Image6_Visible",
                             "Image6_Width",
                             "ProLabel1_FontName",
                             "ProLabel1_HighlightColor",
                             "ProClockLabel1_Format",
                             "RxTrayIcon3_Active",
                             "EditReg_Text",
                             "Edit7_Text",
                             "NormPos"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(name), Qt::CaseInsensitive)) << name;
    EXPECT_EQ(services.registry.readString(kKoko, QStringLiteral("ML1ML2klopvmklokallas1_Checked")),
              QStringLiteral("True"));
    EXPECT_EQ(services.registry.readString(kKoko, QStringLiteral("Oletus1_Checked")), QStringLiteral("False"));
    EXPECT_EQ(services.registry.readString(kKoko, QStringLiteral("ProClockLabel1_Format")),
              QStringLiteral("ddddd  tt"));
    // Two ticks of the animation had run: it goes on at the next start.
    EXPECT_EQ(services.registry.readString(kKoko, QStringLiteral("Timer1_Enabled")), QStringLiteral("True"));

    TForm1& again = makePanel();
    EXPECT_EQ(again.currentLayout(), 3);
    EXPECT_TRUE(again.markChecked(QStringLiteral("AlarmIso")));
    again.show(); // the show sets the bar's width from the layout
    EXPECT_EQ(again.width(), 566);
    EXPECT_EQ(again.part<controls::BevelPanel>(QStringLiteral("Panel1"))->x(),
              services.registry.readString(kKoko, QStringLiteral("Panel1_Left")).toInt());
}

TEST_F(PanelTest, StartWithWindowsEntryFollowsEditReg) {
    const QString run = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    services.registry.setValue(kKoko, QStringLiteral("EditReg_Text"), QStringLiteral("/usr/bin/arkivo"));
    makePanel();
    // Loading the stored path writes the entry again.
    EXPECT_EQ(services.registry.readString(run, QStringLiteral("EditReg_Text")), QStringLiteral("/usr/bin/arkivo"));
    panel->part<QLineEdit>(QStringLiteral("EditReg"))->setText(QString());
    panel.reset();
    EXPECT_FALSE(services.registry.value(run, QStringLiteral("EditReg_Text")).has_value());
}
