// The alarm clock's colour and font menus.

#include "alarms/kello.h"

#include "alarms/alarm_page.h"
#include "alarms/look_menus.h"
#include "controls/bevel_panel.h"
#include "controls/kam_button.h"
#include "controls/speed_button.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QTimeEdit>

using namespace arkivo;
using alarms::addColorItem;
using alarms::addFontItem;

void TKello::buildMenus() {
    alarms::AlarmPage* page = m_alarmPage;
    const QList<QWidget*> pickers = {page->timePicker(), page->datePicker()};
    QList<QWidget*> edits;
    for (QLineEdit* e : page->pathEdits())
        edits << e;
    const QList<controls::KamButton*> buttons = page->formButtons();

    m_colorMenu = new QMenu(this);
    m_colorMenu->setObjectName(QStringLiteral("VaritMenu"));
    addColorItem(m_colorMenu, QStringLiteral("&Tausta"), QStringLiteral("T"),
                 [this](const QColor& c) { alarms::setBackground(ProPanel1, c); });
    addColorItem(m_colorMenu, QStringLiteral("&Hälytysajan asetus"), QStringLiteral("H"), [pickers](const QColor& c) {
        for (QWidget* w : pickers)
            alarms::setBackground(w, c);
    });
    addColorItem(m_colorMenu, QStringLiteral("Ti&edostopolkujen laatikot"), QStringLiteral("E"),
                 [edits](const QColor& c) {
                     for (QWidget* w : edits)
                         alarms::setBackground(w, c);
                 });
    addColorItem(m_colorMenu, QStringLiteral("&Nappien perusväri"), QStringLiteral("N"), [buttons](const QColor& c) {
        for (controls::KamButton* b : buttons)
            b->setColor(c);
    });
    addColorItem(m_colorMenu, QStringLiteral("Nappien Hot&Link-väri"), QStringLiteral("L"), [buttons](const QColor& c) {
        for (controls::KamButton* b : buttons)
            b->setHotColor(c);
    });

    m_fontMenu = new QMenu(this);
    m_fontMenu->setObjectName(QStringLiteral("FontitMenu"));
    const QList<QWidget*> toolButtons = {m_colorButton, m_fontButton, m_helpButton};
    addFontItem(m_fontMenu, QStringLiteral("&Tehtäväpalkin painikkeet"), QStringLiteral("T"), toolButtons);
    const char* const steps[] = {"VAIHE&1", "VAIHE&2", "VAIHE&3"};
    for (int i = 0; i < 3; ++i)
        addFontItem(m_fontMenu, QString::fromLatin1(steps[i]), QString::number(i + 1), {page->groupBox(i + 1)});
    const char* const titles[] = {"&Otsikko1", "Ot&sikko2", "Ots&ikko3"};
    const char* const keys[] = {"O", "S", "I"};
    for (int i = 0; i < 3; ++i)
        addFontItem(m_fontMenu, QString::fromLatin1(titles[i]), QString::fromLatin1(keys[i]), {page->groupBox(i + 4)});
    addFontItem(m_fontMenu, QStringLiteral("Tiedosto&polut"), QStringLiteral("P"), edits);
    QAction* switchFont = addFontItem(m_fontMenu, QStringLiteral("H&älytys päälle"), QStringLiteral("Ä"),
                                      {static_cast<QWidget*>(page->switchBox())});
    switchFont->setToolTip(QStringLiteral("Alt+Ä"));
    QMenu* formButtons = m_fontMenu->addMenu(QStringLiteral("Hälytys&muodon Painikkeet"));
    QList<QWidget*> buttonWidgets;
    for (controls::KamButton* b : buttons)
        buttonWidgets << b;
    addFontItem(formButtons, QStringLiteral("&Normaali"), QStringLiteral("N"), buttonWidgets);
    addColorItem(formButtons, QStringLiteral("&HotLink"), QStringLiteral("H"), [buttons](const QColor& c) {
        for (controls::KamButton* b : buttons)
            b->setHotTextColor(c);
    });

    connect(m_colorButton, &controls::SpeedButton::clicked, this,
            [this] { m_colorMenu->popup(QPoint(x() + 18, y() + 48)); });
    connect(m_fontButton, &controls::SpeedButton::clicked, this,
            [this] { m_fontMenu->popup(QPoint(x() + 110, y() + 48)); });
    connect(m_ajastinButton, &controls::SpeedButton::clicked, this, &TKello::openAjastin);
    connect(m_helpButton, &controls::SpeedButton::clicked, this,
            [] { alarms::showHelp(QStringLiteral("Herätyskello")); });
}
