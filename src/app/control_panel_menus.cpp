// The panel's right-click menus, their items and the hidden marks kept in them.

#include "app/control_panel.h"

#include "app/panel_layout.h"
#include "controls/mark_action.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/shell.h"

#include <QMenu>

using arkivo::controls::MarkAction;

namespace {

struct Item {
    const char* name;
    const char* caption; // "-" for a separator
    const char* shortcut;
    std::function<void()> run;
};

} // namespace

void TForm1::runWindowsTool(const QString& name) {
    arkivo::platform::shell().openTool(name);
}

void TForm1::buildMenus() {
    RxPopupMenu1 = new QMenu(this);
    RxPopupMenu1->setObjectName(QStringLiteral("RxPopupMenu1"));
    RxPopupMenu2 = new QMenu(this);
    RxPopupMenu2->setObjectName(QStringLiteral("RxPopupMenu2"));
    RxPopupMenu3 = new QMenu(this);
    RxPopupMenu3->setObjectName(QStringLiteral("RxPopupMenu3"));
    RxPopupMenu4 = new QMenu(this);
    RxPopupMenu4->setObjectName(QStringLiteral("RxPopupMenu4"));

    auto tool = [this](const char* name) { return [this, name] { runWindowsTool(QString::fromLatin1(name)); }; };
    auto browser = [] { arkivo::platform::shell().open(QStringLiteral("http://")); };
    auto mail = [] { arkivo::platform::shell().open(QStringLiteral("mailto:vastaanottaja")); };
    auto scandisk = [this] {
        runWindowsTool(QStringLiteral("scandskw"));
        runWindowsTool(QStringLiteral("drwtsn32"));
    };

    auto add = [this](QMenu* menu, const Item& item) {
        const QString caption = QString::fromUtf8(item.caption);
        auto* action = new MarkAction(QString::fromLatin1(item.name), caption, this);
        if (caption == QLatin1String("-"))
            action->setSeparator(true);
        // Short cuts answer while their menu is open; the panel's own keys cover the rest.
        if (item.shortcut && *item.shortcut) {
            action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        if (item.run)
            connect(action, &QAction::triggered, this, item.run);
        menu->addAction(action);
        m_marks.insert(action->objectName(), action);
        return action;
    };

    const Item program[] = {
        {"Internetselain2", "Win - Internet-selain", "Shift+F7", browser},
        {"Shkposti2", "Win - Sähköposti", "Shift+F6", mail},
        {"N11", "-", "", {}},
        {"Rekisteri2", "Win - Rekisteri", "Shift+F5", tool("regedit")},
        {"Scandisk2", "Win - Scandisk/Dr. Watson", "Shift+F4", scandisk},
        {"Ohjauspaneeli2", "Win - Ohjauspaneeli", "Shift+F3", tool("control")},
        {"Resurssienhallinta2", "Win - Resurssienhallinta", "Shift+F2", tool("explorer")},
        {"N4", "-", "", {}},
        {"CDsoitin1", "Win - CD-soitin", "Shift+F1", tool("cdplayer")},
        {"CDasemakiinni1", "AV - C&D-luukku kiinni", "Alt+D", [this] { closeCdDoor(); }},
        {"CDasemaauki1", "AV - &CD-luukku auki", "Alt+C", [this] { openCdDoor(); }},
        {"N18", "-", "", {}},
        {"ArkivoNauhalaskuri1", "AV - Nauha&laskin", "Alt+L", [this] { showTape(); }},
        {"Polttoainelaskuri1", "AV - Polttoainelaskin", "Ctrl+P", [this] { openFuel(); }},
        {"Eurolaskuri1", "AV - Eurolaskin", "Ctrl+E", [this] { openEuro(); }},
        {"N5", "-", "", {}},
        {"ArkivoKalenteri1", "AV - Kalenteri", "Alt+K", [this] { showCalendar(); }},
        {"Muistilappu21", "AV - Muistilappu2", "Ctrl+2", [this] { showNote2(); }},
        {"Muistilappu11", "AV - Muistilappu1", "Ctrl+1", [this] { showNote1(); }},
        {"Hertyskello1", "AV - Herätyskello", "Ctrl+H", [this] { showAlarmClock(); }},
        {"Tarkistakellointernetist1", "AV - Tarkistuta Kello", "Del", [this] { checkClockNow(); }},
        {"N1", "-", "", {}},
        {"Tuoesiinpiilosta1", "AV - Tuo esiin piilosta", "", [this] { showPanel(); }},
        {"Piilota2", "AV - Piilota                 ", "Alt+H", [this] { hidePanel(); }},
        {"Pienenn1", "AV - Pienennä ", "Alt+P", [this] { minimiseApplication(); }},
        {"Sulje1", "AV - Sulje ohjelma", "Alt+S", [this] { closeProgram(); }},
        {"N8", "-", "", {}},
        {"AVVarmuuskopio2", "AV - Varmuuskopiointi", "Ctrl+V", [this] { openBackup(); }},
        {"AVTetris2", "AV - Tetris", "Ctrl+T", [this] { openTetris(); }},
        {"N10", "-", "", {}},
        {"Muokkaavalikoita1", "AV - Asetukset", "Ctrl+A", [this] { showSettings(); }},
        {"N9", "-", "", {}},
    };
    for (const Item& item : program)
        add(RxPopupMenu1, item);
    // The clock-check item doubles as the mark the time window reads.
    mark(QStringLiteral("Tarkistakellointernetist1"))->setCheckable(true);

    const Item panel[] = {
        {"Paint1", "Win - Paint", "Shift+Ctrl+F2", tool("pbrush")},
        {"Muistio1", "Win - Muistio", "Shift+Ctrl+F1", tool("notepad")},
        {"CDsoitin2", "Win - CD-soitin", "Shift+F1", tool("cdplayer")},
        {"N13", "-", "", {}},
        {"Internetselain1", "Win - Internet-selain", "Shift+F7", browser},
        {"Shkposti1", "Win - Sähköposti", "Shift+F6", mail},
        {"Internet1", "Win - Internet-asetukset", "Shift+F8", tool("inetcpl.cpl")},
        {"N12", "-", "", {}},
        {"DirectXasetukset1", "Win - DirectX-asetukset", "Shift+Ctrl+F5", tool("dxdiag")},
        {"Rekisteri1", "Win - Rekisteri", "Shift+Ctrl+F4", tool("regedit")},
        {"Jrjestelmnkokoonpanoeditori1", "Win - Kokoonpanoeditori", "Shift+Ctrl+F3", tool("sysedit")},
        {"ScanDisk1", "Win - ScanDisk/Dr. Watson", "Shift+F4", scandisk},
        {"Resurssienhallinta1", "Win - Resurssienhallinta", "Shift+F2", tool("explorer")},
        {"N17", "-", "", {}},
        {"Lispoistasovellus1", "Win - Lisää/poista sovellus", "Shift+F10", tool("appwiz.cpl")},
        {"Jrjestelm1", "Win - Järjestelmä", "Shift+F9", tool("sysdm.cpl")},
        // Shift+F8 also belongs here, but the Internet settings above answer it.
        {"Nytt1", "Win - Näytön asetukset", "", tool("desk.cpl")},
        {"Kokoohjauspaneeli1", "Win - Ohjauspaneeli", "Shift+F3", tool("control")},
        {"N20", "-", "", {}},
    };
    for (const Item& item : panel)
        add(RxPopupMenu2, item);

    // The locker submenu and its two marks.
    auto* lockMenu = new QMenu(QStringLiteral("AV - Näytönlukitsija"), this);
    auto* lockItem = new MarkAction(QStringLiteral("AVNytnlukitus1"), lockMenu->title(), this);
    lockItem->setMenu(lockMenu);
    lockItem->setVisible(false);
    RxPopupMenu2->addAction(lockItem);
    m_marks.insert(lockItem->objectName(), lockItem);
    auto* lukitaanEi = new MarkAction(QStringLiteral("LukitaanEi"), QStringLiteral("Ei lukita näyttöä automaattisesti"),
                                      this, true, true);
    auto* lukitaan = new MarkAction(QStringLiteral("Lukitaan"), QStringLiteral("Lukitaan näyttö automaattisesti"), this,
                                    true, false);
    lockMenu->addAction(lukitaanEi);
    lockMenu->addAction(lukitaan);
    m_marks.insert(lukitaanEi->objectName(), lukitaanEi);
    m_marks.insert(lukitaan->objectName(), lukitaan);
    connect(lukitaanEi, &QAction::triggered, this, [lukitaan, lukitaanEi] {
        lukitaanEi->setChecked(true);
        lukitaan->setChecked(false);
    });
    connect(lukitaan, &QAction::triggered, this, [lukitaan, lukitaanEi] {
        arkivo::platform::dialogs().information(
            QStringLiteral("Jos kytket päälle automaattilukituksen, niin myös Arkivo-Ajanhallintaohjelma täytyy "
                           "kytkeä automaattikäynnistykselle, jotta lukitus toimisi tietokoneen käynnistyessä."));
        lukitaan->setChecked(true);
        lukitaanEi->setChecked(false);
    });

    // Marks that are never shown; only their check state counts.
    struct Hidden {
        const char* name;
        const char* caption;
        bool checked;
    };
    const Hidden hidden[] = {
        {"Lukitus", "Lukitus", true},
        {"AlarmIso", "AlarmIso", false},
        {"nimerkkitasatunnein1", "Äänimerkki tasatunnein", true},
        {"Einimerkki1", "Ei äänimerkkiä tasatunnein", false},
        {"Ohjelmankynnistysesille1", "Ohjelma käynnistyy työpöydälle", true},
        {"Ohjelmankynnistyspienennys", "Ohjelman käynnistys pienennettynä", false},
        {"Varmistus", "Varmistus", true},
    };
    for (const Hidden& h : hidden) {
        auto* m = new MarkAction(QString::fromLatin1(h.name), QString::fromUtf8(h.caption), this, true, h.checked);
        m->setVisible(false);
        RxPopupMenu2->addAction(m);
        m_marks.insert(m->objectName(), m);
    }
    for (int n = 1; n <= 10; ++n) {
        const arkivo::app::Layout& l = arkivo::app::layout(n);
        auto* m = new MarkAction(QString::fromLatin1(l.mark), QString::fromUtf8(l.caption), this, true, n == 1);
        m->setVisible(false);
        RxPopupMenu2->addAction(m);
        m_marks.insert(m->objectName(), m);
    }

    const Item panelTail[] = {
        {"AVVarmuuskopio1", "AV - Varmuuskopiointi", "Ctrl+V", [this] { openBackup(); }},
        {"Piilota1", "AV - Tetris", "Ctrl+T", [this] { openTetris(); }},
        {"N2", "-", "", {}},
        {"MuokkaaWinvalikkoa1", "AV - Asetukset", "Ctrl+A", [this] { showSettings(); }},
        {"N15", "-", "", {}},
        {"N16", "-", "", {}},
        {"N19", "-", "", {}},
    };
    for (const Item& item : panelTail)
        add(RxPopupMenu2, item);
    mark(QStringLiteral("N16"))->setVisible(false);
    mark(QStringLiteral("N19"))->setVisible(false);

    const Item locker[] = {
        {"N3", "-", "", {}},
        {"Asetuksetsivu1", "Näytönlukituksen Asetukset-sivu", "Shift+Ctrl+F9",
         [this] { arkivo::app::showTool(m_tools.locker); }},
        {"TietojaAsetuksetsivusta1", "Tietoja Asetukset-sivusta", "Shift+Ctrl+F10",
         [] {
             arkivo::platform::dialogs().information(QStringLiteral(
                 "Näytönlukitsijan Asetukset-sivulla voit tarkistaa hälytysten lokikirjan, muuttaa puhelinhälytyksen "
                 "asetuksia, vaihtaa salasanaa, kytkeä ViestiLapun sekä muokata kellon ulkoasua."));
         }},
        {"N6", "-", "", {}},
        {"Lukitsenyttheti2", "Lukitse näyttö heti", "Shift+Ctrl+F11", [this] { lockNow(false); }},
        {"Tietojanytnlukitsemisesta1", "Tietoja näytön lukitsemisesta", "Shift+Ctrl+F12",
         [] {
             arkivo::platform::dialogs().information(QStringLiteral(
                 "Voit lukita näytön tästä valikosta tai klikkaamalla hiiren vasemmalla painikkeella Windowsin "
                 "tehtäväpalkissa olevaa punaista käsi-ikonia (salasana täytyy olla kirjoitettuna tietokoneen "
                 "muistiin Asetukset-sivulla)."));
         }},
        {"N7", "-", "", {}},
    };
    for (const Item& item : locker)
        add(RxPopupMenu3, item);

    const Item calculators[] = {
        {"Nauhalaskin1", "Nauhalaskin", "Alt+L", [this] { showTape(); }},
        {"Eurolaskin1", "Eurolaskin", "Ctrl+E", [this] { openEuro(); }},
        {"Polttoainelaskin1", "Polttoainelaskin", "Ctrl+P", [this] { openFuel(); }},
    };
    for (const Item& item : calculators)
        add(RxPopupMenu4, item);
}

void TForm1::showPanelMenu(QMenu* menu, const QPoint& at) {
    if (menu)
        menu->popup(at);
}
