// A note's colour page, menus, file buttons, show and close.

#include "alarms/muistilappu.h"

#include "alarms/alarm_page.h"
#include "alarms/file_filter.h"
#include "alarms/look_menus.h"
#include "alarms/note_file.h"
#include "alarms/three_step_alarm.h"
#include "controls/calculator_drop_down_edit.h"
#include "controls/date_drop_down_edit.h"
#include "controls/kam_button.h"
#include "controls/speed_button.h"
#include "controls/timer.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "settings/app_link.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QShortcut>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimeEdit>

using namespace arkivo;

void Muistilappu::buildColorTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    auto* heading = new QLabel(QStringLiteral("Valitse sopivat värit"), page);
    heading->setObjectName(QStringLiteral("Panel3"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFrameShape(QFrame::Panel);
    heading->setFrameShadow(QFrame::Raised);
    heading->setFocusPolicy(Qt::StrongFocus);
    heading->setGeometry(8, 8, 308, 28);
    QFont hf = heading->font();
    hf.setBold(true);
    heading->setFont(hf);
    m_colorHeading = heading;

    alarms::AlarmPage* alarm = m_alarmPage;
    QList<QWidget*> edits;
    for (QLineEdit* e : alarm->pathEdits())
        edits << e;
    const QList<controls::KamButton*> formButtons = alarm->formButtons();
    struct Row {
        const char* label;
        std::function<void(const QColor&)> apply;
    };
    const Row rows[9] = {
        {"Kalenterin näyttö", [this](const QColor& c) { alarms::setBackground(DateEdit1, c); }},
        {"Laskukoneen näyttö", [this](const QColor& c) { alarms::setBackground(RxCalcEdit1, c); }},
        {"Muistilapun tausta", [this](const QColor& c) { alarms::setBackground(RichEdit1, c); }},
        {"Hälytyskellon tausta", [this](const QColor& c) { alarms::setBackground(ProPanel1, c); }},
        {"Digitaalinäytön tausta", [this](const QColor& c) { alarms::setBackground(ProPanel2, c); }},
        {"Hälytysajan asetus",
         [alarm](const QColor& c) {
             alarms::setBackground(alarm->timePicker(), c);
             alarms::setBackground(alarm->datePicker(), c);
         }},
        {"Tiedostopolkulaatikot",
         [edits](const QColor& c) {
             for (QWidget* w : edits)
                 alarms::setBackground(w, c);
         }},
        {"Nappien perusväri",
         [formButtons](const QColor& c) {
             for (controls::KamButton* b : formButtons)
                 b->setColor(c);
         }},
        {"Nappien HotLink-väri",
         [formButtons](const QColor& c) {
             for (controls::KamButton* b : formButtons)
                 b->setHotColor(c);
         }},
    };
    for (int i = 0; i < 9; ++i) {
        auto* label = new QLabel(QString::fromUtf8(rows[i].label), page);
        label->setGeometry(14, 46 + i * 36, 170, 28);
        auto* button =
            new controls::KamButton(QStringLiteral("KamButton%1").arg(i + 1), QStringLiteral("Valitse väri"), page);
        button->setGeometry(196, 46 + i * 36, 110, 28);
        m_colorButtons << button;
        const auto apply = rows[i].apply;
        connect(button, &QAbstractButton::clicked, this, [button, apply] {
            try {
                if (const std::optional<QColor> c = platform::dialogs().chooseColor(button->color())) {
                    apply(*c);
                    button->setColor(*c);
                }
            } catch (const std::exception&) {
                platform::dialogs().message(QStringLiteral("Värivalikon avaaminen epäonnistui"));
            }
        });
    }
    PageControl1->addTab(page, QStringLiteral("Värit"));
}

void Muistilappu::buildMenus() {
    using alarms::addColorItem;
    using alarms::addFontItem;
    alarms::AlarmPage* page = m_alarmPage;
    QList<QWidget*> edits, buttons;
    for (QLineEdit* e : page->pathEdits())
        edits << e;
    for (controls::KamButton* b : page->formButtons())
        buttons << b;
    const QList<controls::KamButton*> formButtons = page->formButtons();

    m_fontMenu = new QMenu(this);
    m_fontMenu->setObjectName(QStringLiteral("FonttiMenu"));
    addFontItem(m_fontMenu, QStringLiteral("&Kalenteri"), QStringLiteral("K"), {DateEdit1});
    addFontItem(m_fontMenu, QStringLiteral("&Laskukone"), QStringLiteral("L"), {RxCalcEdit1});
    QAction* note = m_fontMenu->addAction(QStringLiteral("&Muistilappu\tM"));
    connect(note, &QAction::triggered, this, [this] {
        // The whole note: its editor font and every run of the text.
        if (const std::optional<QFont> f = platform::dialogs().chooseFont(FontDialog1->font)) {
            FontDialog1->font = *f;
            RichEdit1->setFont(*f);
            RichEdit1->document()->setDefaultFont(*f);
            QTextCursor all(RichEdit1->document());
            all.select(QTextCursor::Document);
            QTextCharFormat format;
            format.setFont(*f);
            all.mergeCharFormat(format);
        }
    });
    QMenu* clock = m_fontMenu->addMenu(QStringLiteral("&Hälytyskello"));
    QMenu* buttonMenu = clock->addMenu(QStringLiteral("&Painikkeet"));
    addFontItem(buttonMenu, QStringLiteral("&Normaali"), QStringLiteral("N"), buttons);
    addColorItem(buttonMenu, QStringLiteral("&HotLink"), QStringLiteral("H"), [formButtons](const QColor& c) {
        for (controls::KamButton* b : formButtons)
            b->setHotTextColor(c);
    });
    const char* const steps[] = {"VAIHE&1", "VAIHE&2", "VAIHE&3"};
    for (int i = 0; i < 3; ++i)
        addFontItem(clock, QString::fromLatin1(steps[i]), QString::number(i + 1), {page->groupBox(i + 1)});
    const char* const titles[] = {"&Otsikko1", "Ot&sikko2", "Ots&ikko3"};
    const char* const keys[] = {"O", "S", "I"};
    for (int i = 0; i < 3; ++i)
        addFontItem(clock, QString::fromLatin1(titles[i]), QString::fromLatin1(keys[i]), {page->groupBox(i + 4)});
    addFontItem(clock, QStringLiteral("&Tiedostopolut"), QStringLiteral("T"), edits);
    addFontItem(clock, QStringLiteral("H&älytys päälle"), QStringLiteral("Ä"),
                {static_cast<QWidget*>(page->switchBox())});

    // The edit menu, as the editor's context menu.
    m_editMenu = new QMenu(this);
    m_editMenu->setObjectName(QStringLiteral("EditMenu"));
    m_editMenu->addAction(QStringLiteral("&Kumoa\tCtrl+Z"), RichEdit1, &QTextEdit::undo);
    m_editMenu->addSeparator();
    m_editMenu->addAction(QStringLiteral("K&opioi\tCtrl+C"), RichEdit1, &QTextEdit::copy);
    m_editMenu->addAction(QStringLiteral("&Liitä\tCtrl+V"), RichEdit1, &QTextEdit::paste);
    m_editMenu->addAction(QStringLiteral("L&eikkaa\tCtrl+X"), RichEdit1, &QTextEdit::cut);
    m_editMenu->addAction(QStringLiteral("&Tyhjennä\tCtrl+Del"), RichEdit1, &QTextEdit::clear);
    m_editMenu->addSeparator();
    m_editMenu->addAction(QStringLiteral("&Valitse Kaikki\tCtrl+A"), RichEdit1, &QTextEdit::selectAll);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_editMenu->popup(RichEdit1->viewport()->mapToGlobal(at)); });
    auto* clearAll = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete), RichEdit1);
    clearAll->setContext(Qt::WidgetShortcut);
    connect(clearAll, &QShortcut::activated, RichEdit1, &QTextEdit::clear);

    connect(m_openButton, &controls::SpeedButton::clicked, this, &Muistilappu::OpenClick);
    connect(m_saveButton, &controls::SpeedButton::clicked, this, &Muistilappu::SaveClick);
    connect(m_printButton, &controls::SpeedButton::clicked, this, &Muistilappu::PrintClick);
    connect(m_fontButton, &controls::SpeedButton::clicked, this,
            [this] { m_fontMenu->popup(QPoint(x() + 75, y() + 48)); });
    connect(m_helpButton, &controls::SpeedButton::clicked, this,
            [] { alarms::showHelp(QStringLiteral("Muistilaput")); });
}

void Muistilappu::OpenClick() {
    if (m_which == Which::Second && RichEdit1->document()->isModified()) {
        const auto answer = platform::dialogs().askYesNoCancel(QStringLiteral("Tiedosto muuttunut. Tallennetaanko?"),
                                                               QStringLiteral("Arkivo-viesti"));
        if (answer == platform::Dialogs::Answer::Cancel)
            return;
        if (answer == platform::Dialogs::Answer::Yes)
            SaveClick();
    }
    OpenDialog1->fileName.clear();
    const QString file =
        platform::dialogs().openFileName(QString(), QString(), alarms::dialogFilter(OpenDialog1->filter));
    if (file.isEmpty())
        return;
    OpenDialog1->fileName = file;
    // The note is replaced only once the new content has been read.
    const alarms::NoteResult result = alarms::loadNote(file, RichEdit1->document());
    if (!result.ok) {
        platform::dialogs().error(result.error);
        return;
    }
    SaveDialog1->fileName = file;
}

void Muistilappu::SaveClick() {
    const QString file =
        platform::dialogs().saveFileName(QString(), QFileInfo(SaveDialog1->fileName).path(),
                                         alarms::dialogFilter(SaveDialog1->filter), QStringLiteral("rtf"));
    if (!file.isEmpty()) {
        SaveDialog1->fileName = file;
        const alarms::NoteResult result = alarms::saveNote(file, *RichEdit1->document());
        if (!result.ok)
            platform::dialogs().error(result.error);
    }
    RichEdit1->document()->setModified(false);
}

void Muistilappu::PrintClick() {
    QPrinter printer;
    if (!platform::dialogs().print(printer))
        return;
    printer.setDocName(QString());
    RichEdit1->document()->print(&printer);
}

void Muistilappu::showEvent(QShowEvent* event) {
    PageControl1->setCurrentIndex(0);
    m_clockTimer->setEnabled(true);
    if (!m_alarm->switchOn())
        m_alarm->setMoment(platform::clock().now());
    if (PanelLink* link = panelLink()) {
        const QPixmap picture = link->backgroundPicture();
        if (!picture.isNull())
            Image1->setPixmap(picture);
    }
    QWidget::showEvent(event);
}

void Muistilappu::closeEvent(QCloseEvent* event) {
    m_clockTimer->setEnabled(false);
    QWidget::closeEvent(event);
}

void Muistilappu::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        alarms::showHelp(QStringLiteral("Muistilaput"));
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Muistilappu::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        if (PanelLink* link = panelLink())
            link->setHandleGrey();
    return QWidget::event(event);
}
