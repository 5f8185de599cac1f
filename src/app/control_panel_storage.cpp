// What the control panel keeps under "Software\Arkivo\WindowState\Paneeli", section "Koko".

#include "app/control_panel.h"

#include "app/panel_layout.h"

QStringList TForm1::storedProperties() {
    QStringList list;
    auto add = [&list](const QStringList& components, const QString& property) {
        for (const QString& c : components)
            list << c + u'.' + property;
    };

    add({QStringLiteral("Lukitaan"), QStringLiteral("LukitaanEi"), QStringLiteral("Lukitus"),
         QStringLiteral("Ohjelmankynnistyspienennys"), QStringLiteral("Ohjelmankynnistysesille1"),
         QStringLiteral("Einimerkki1"), QStringLiteral("nimerkkitasatunnein1"), QStringLiteral("AlarmIso")},
        QStringLiteral("Checked"));
    for (const QString& mark : arkivo::app::layoutMarks())
        list << mark + QStringLiteral(".Checked");
    list << QStringLiteral("CheckMuistuttaja.Checked");

    add({QStringLiteral("Asetuksetsivu1"),
         QStringLiteral("CDasemaauki1"),
         QStringLiteral("CDasemakiinni1"),
         QStringLiteral("CDsoitin1"),
         QStringLiteral("CDsoitin2"),
         QStringLiteral("DirectXasetukset1"),
         QStringLiteral("Eurolaskuri1"),
         QStringLiteral("ArkivoKalenteri1"),
         QStringLiteral("ArkivoNauhalaskuri1"),
         QStringLiteral("Hertyskello1"),
         QStringLiteral("AVNytnlukitus1"),
         QStringLiteral("Internet1"),
         QStringLiteral("Internetselain1"),
         QStringLiteral("Internetselain2"),
         QStringLiteral("Jrjestelm1"),
         QStringLiteral("Jrjestelmnkokoonpanoeditori1"),
         QStringLiteral("Kokoohjauspaneeli1"),
         QStringLiteral("Lispoistasovellus1"),
         QStringLiteral("Lukitsenyttheti2"),
         QStringLiteral("Muistilappu11"),
         QStringLiteral("Muistilappu21"),
         QStringLiteral("Muistio1"),
         QStringLiteral("N1"),
         QStringLiteral("N10"),
         QStringLiteral("N11"),
         QStringLiteral("N12"),
         QStringLiteral("N13"),
         QStringLiteral("N15"),
         QStringLiteral("N16"),
         QStringLiteral("N17"),
         QStringLiteral("N18"),
         QStringLiteral("N19"),
         QStringLiteral("N20"),
         QStringLiteral("N3"),
         QStringLiteral("N4"),
         QStringLiteral("N5"),
         QStringLiteral("N6"),
         QStringLiteral("N7"),
         QStringLiteral("N9"),
         QStringLiteral("Nytt1"),
         QStringLiteral("Ohjauspaneeli2"),
         QStringLiteral("Paint1"),
         QStringLiteral("Pienenn1"),
         QStringLiteral("Piilota1"),
         QStringLiteral("Piilota2"),
         QStringLiteral("Polttoainelaskuri1"),
         QStringLiteral("Rekisteri1"),
         QStringLiteral("Rekisteri2"),
         QStringLiteral("Resurssienhallinta1"),
         QStringLiteral("Resurssienhallinta2"),
         QStringLiteral("ScanDisk1"),
         QStringLiteral("Scandisk2"),
         QStringLiteral("Shkposti1"),
         QStringLiteral("Shkposti2"),
         QStringLiteral("Sulje1"),
         QStringLiteral("Tarkistakellointernetist1"),
         QStringLiteral("Tuoesiinpiilosta1")},
        QStringLiteral("Visible"));

    const QStringList backgrounds{QStringLiteral("Image1"),  QStringLiteral("Image2"), QStringLiteral("Image6"),
                                  QStringLiteral("Image7"),  QStringLiteral("Image8"), QStringLiteral("Image9"),
                                  QStringLiteral("Image10"), QStringLiteral("Image11")};
    add(QStringList{QStringLiteral("Muistilappu1"), QStringLiteral("Muistilappu2"), QStringLiteral("Pienennys"),
                    QStringLiteral("SpeedButton1"), QStringLiteral("SpeedButton2"), QStringLiteral("SpeedButton3"),
                    QStringLiteral("Panel1"), QStringLiteral("CDonbutton"), QStringLiteral("CDoffButton"),
                    QStringLiteral("ProLabel1"), QStringLiteral("ProLabelKalenteri"),
                    QStringLiteral("ProLabelLaskurit"), QStringLiteral("ProClockLabel1"),
                    QStringLiteral("ProBorder1")} +
            backgrounds,
        QStringLiteral("Visible"));

    add({QStringLiteral("CDoffButton"), QStringLiteral("CDonbutton"), QStringLiteral("Muistilappu1"),
         QStringLiteral("Muistilappu2"), QStringLiteral("Image3"), QStringLiteral("Image4"), QStringLiteral("Image5"),
         QStringLiteral("Pienennys"), QStringLiteral("Panel1"), QStringLiteral("ProBorder1"),
         QStringLiteral("ProClockLabel1"), QStringLiteral("ProLabel1"), QStringLiteral("ProLabelKalenteri"),
         QStringLiteral("ProLabelLaskurit"), QStringLiteral("SpeedButton1"), QStringLiteral("SpeedButton2"),
         QStringLiteral("SpeedButton3")},
        QStringLiteral("Left"));

    add(backgrounds + QStringList{QStringLiteral("Panel1")}, QStringLiteral("Width"));
    list << QStringLiteral("Panel1.Caption");

    const QStringList labels{QStringLiteral("ProLabel1"), QStringLiteral("ProLabelKalenteri"),
                             QStringLiteral("ProLabelLaskurit"), QStringLiteral("ProClockLabel1")};
    add(labels, QStringLiteral("Font"));
    add(labels, QStringLiteral("HighlightColor"));
    list << QStringLiteral("ProClockLabel1.Format");

    add({QStringLiteral("RxTrayIcon1"), QStringLiteral("RxTrayIcon2"), QStringLiteral("RxTrayIcon3")},
        QStringLiteral("Active"));
    add({QStringLiteral("EditReg"), QStringLiteral("Edit1"), QStringLiteral("Edit2"), QStringLiteral("Edit3"),
         QStringLiteral("Edit4"), QStringLiteral("Edit5"), QStringLiteral("Edit6"), QStringLiteral("Edit7")},
        QStringLiteral("Text"));
    list << QStringLiteral("Timer1.Enabled") << QStringLiteral("Timer6.Enabled") << QStringLiteral("Timer6.Interval")
         << QStringLiteral("TrackBar1.Position");
    return list;
}
