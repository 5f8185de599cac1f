// The tape calculator's menus and toolbar commands: colours, fonts, the two
// layouts, tape mode, save, print and the other two calculators.
#include "nauhalaskukone.h"

#include "calculators/euro_form.h"
#include "calculators/keypad_button.h"
#include "calculators/polttoaine.h"
#include "calculators/tape_controls.h"
#include "calculators/tape_view.h"
#include "common/rich_text.h"
#include "controls/mark_action.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/services.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPageLayout>
#include <QPrinter>
#include <QSaveFile>
#include <QShortcut>
#include <QTextDocument>
#include <QTextFrame>

#include <memory>

using namespace arkivo::calculators;
using arkivo::controls::MarkAction;
namespace platform = arkivo::platform;

namespace {

const QString kTapeFontInfo = QStringLiteral(
    "Jotta desimaalien linjat pysyvät suorassa, niin fontin kaikki merkit täytyy olla yhtä leveitä. Tällaisia "
    "fontteja ovat esim: Courier, Courier New, Andale Mono, Fixedsys ja Lucida Console.");

struct ToolbarPlace {
    const char* wideCaption;
    const char* narrowCaption;
    int wideLeft, wideWidth, narrowLeft, narrowWidth;
};
// Tallenna, Tulosta, Värit, Fontit, Ohje, Eurolaskin, Polttoainelaskin.
const ToolbarPlace kToolbarPlaces[] = {
    {"&Tallenna", "&T", 4, 68, 3, 30},
    {"T&ulosta", "T&u", 75, 64, 36, 36},
    {"V&ärit", "V&ä", 142, 50, 74, 36},
    {"&Fontit", "&F", 195, 55, 113, 32},
    {"Ohje F1", "F1", 254, 58, 147, 36},
    {"&Eurolaskin", "&Eu", 314, 60, 186, 19},
    {"&Polttoainelaskin", "&Po", 378, 84, 205, 19},
};

QPageSize pageSizeNamed(const QString& name) {
    for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::A3, QPageSize::A5, QPageSize::B5, QPageSize::Letter,
                                     QPageSize::Legal, QPageSize::Executive})
        if (QPageSize::key(id).compare(name, Qt::CaseInsensitive) == 0)
            return QPageSize(id);
    return QPageSize(QPageSize::A4);
}

} // namespace

void TNauhalaskukone::buildMenus() {
    buildColourMenu();
    buildFontMenu();
    buildTapeMenu();
    connect(Nappi_Tallenna, &QToolButton::clicked, this, &TNauhalaskukone::Nappi_TallennaClick);
    connect(Nappi_Tulosta, &QToolButton::clicked, this, &TNauhalaskukone::Paivays2Click);
    connect(Nappi_Varit, &QToolButton::clicked, this, [this] { popUp(PopupMenu2, 140, 50); });
    connect(Nappi_Fontit, &QToolButton::clicked, this, [this] { popUp(PopupMenu3, 192, 50); });
    connect(Nappi_Ohje, &QToolButton::clicked, this, [] { platform::help().show(QStringLiteral("Nauhalaskin")); });
    // "Ohje F1" has no letter of its own in the caption; Alt+H is its key.
    auto* helpKey = new QShortcut(QKeySequence(QStringLiteral("Alt+H")), this);
    connect(helpKey, &QShortcut::activated, Nappi_Ohje, &QToolButton::click);
    connect(Nappi_Eurolaskin, &QToolButton::clicked, this, &TNauhalaskukone::openEuroCalculator);
    connect(Nappi_Polttoainelaskin, &QToolButton::clicked, this, &TNauhalaskukone::openFuelCalculator);
    connect(Nauha, &TapeView::rightClicked, this, [this](const QPoint& at) { PopupMenu4->popup(at); });
}

void TNauhalaskukone::popUp(QMenu* menu, int dx, int dy) {
    menu->popup(frameGeometry().topLeft() + QPoint(dx, dy));
}

void TNauhalaskukone::chooseColour(const std::function<void(const QColor&)>& apply, const QColor& initial) {
    if (const auto colour = platform::dialogs().chooseColor(initial))
        apply(*colour);
}

void TNauhalaskukone::buildColourMenu() {
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    PopupMenu2->addAction(QStringLiteral("&Laskimen tausta"), this, [this] {
        chooseColour(
            [this](const QColor& c) {
                Panel2->setColor(c);
                for (FramePanel* f : std::as_const(m_frames))
                    f->setColor(c);
            },
            Panel2->color());
    });
    PopupMenu2->addAction(QStringLiteral("&Nauhan tausta"), this,
                          [this] { chooseColour([this](const QColor& c) { Nauha->setColor(c); }, Nauha->color()); });
    PopupMenu2->addAction(QStringLiteral("N&umeronäytön tausta"), this, [this] {
        chooseColour([this](const QColor& c) { Kuvaruutu->setColor(c); }, Kuvaruutu->color());
    });
    PopupMenu2->addAction(QStringLiteral("Napit: &Pääväri"), this, [this] {
        chooseColour(
            [this](const QColor& c) {
                for (KeypadButton* b : std::as_const(m_keypad))
                    b->setColor(c);
            },
            m_keypad.first()->color());
    });
    PopupMenu2->addAction(QStringLiteral("Napit: &HotLink"), this, [this] {
        chooseColour(
            [this](const QColor& c) {
                for (KeypadButton* b : std::as_const(m_keypad))
                    b->setHotColor(c);
            },
            m_keypad.first()->hotColor());
    });
}

void TNauhalaskukone::buildFontMenu() {
    PopupMenu3 = new QMenu(this);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    PopupMenu3->addAction(QStringLiteral("&Nauha"), this, [this] {
        // Columns of figures only line up in a font whose characters are all equally wide.
        platform::dialogs().information(kTapeFontInfo);
        if (const auto font = platform::dialogs().chooseFont(Nauha->font()))
            Nauha->setTapeFont(*font);
    });
    PopupMenu3->addAction(QStringLiteral("N&umeronäyttö"), this, [this] {
        if (const auto font = platform::dialogs().chooseFont(Kuvaruutu->font()))
            Kuvaruutu->setFont(*font);
    });
    PopupMenu3->addAction(QStringLiteral("&Tehtäväpalkin napit"), this, [this] {
        if (const auto font = platform::dialogs().chooseFont(Nappi_Tallenna->font()))
            for (ToolbarButton* b : std::as_const(m_toolbar))
                b->setFont(*font);
    });

    struct Group {
        const char* caption;
        QStringList buttons;
    };
    const Group groups[] = {
        {"T&yhjennä nauha - nappi", {"Nappi_TyhjennaNauha"}},
        {"Nollaa näytt&ö - nappi", {"Nappi_Nollaus"}},
        {"&Operaattori - napit",
         {"Nappi_Yhteensa", "Nappi_Kerto", "Nappi_Plus", "Nappi_Miinus", "Nappi_Jako", "Nappi_Prosentti"}},
        {"Num&ero - napit ja pilkku - nappi",
         {"Nappi_0", "Nappi_1", "Nappi_2", "Nappi_3", "Nappi_4", "Nappi_5", "Nappi_6", "Nappi_7", "Nappi_8", "Nappi_9",
          "Nappi_Desi"}},
        {"&Muisti - napit", {"Nappi_MYhteensa", "Nappi_MTyhjenna", "Nappi_MPlus", "Nappi_MMiinus"}},
        {"&Palauta - nappi", {"Nappi_Back"}},
        {"P&äiväys - nappi", {"Nappi_Paivays"}},
        {"&Sulje - nappi", {"Nappi_Sulje"}},
        {"&Aseta - nappi", {"Nappi_Aseta"}},
    };
    for (const Group& g : groups) {
        QList<KeypadButton*> members;
        for (const QString& name : g.buttons)
            members << findChild<KeypadButton*>(name);
        QMenu* sub = PopupMenu3->addMenu(QString::fromUtf8(g.caption));
        sub->addAction(QStringLiteral("&Normaali fontti"), this, [members] {
            if (const auto font = platform::dialogs().chooseFont(members.first()->font()))
                for (KeypadButton* b : members)
                    b->setButtonFont(*font);
        });
        sub->addAction(QStringLiteral("&HotLink-tekstin väri"), this, [this, members] {
            chooseColour(
                [members](const QColor& c) {
                    for (KeypadButton* b : members)
                        b->setHotFontColor(c);
                },
                members.first()->hotFontColor());
        });
    }
}

void TNauhalaskukone::buildTapeMenu() {
    PopupMenu4 = new QMenu(this);
    PopupMenu4->setObjectName(QStringLiteral("PopupMenu4"));
    LeveNauhalaskin1 =
        new MarkAction(QStringLiteral("LeveNauhalaskin1"), QStringLiteral("Leveä Nauhalaskin"), this, true, true);
    LeveNauhalaskin1->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    LeveNauhalaskin1->setShortcutContext(Qt::WidgetShortcut); // the window's own key handling runs it
    KapeaNauhalaskin1 =
        new MarkAction(QStringLiteral("KapeaNauhalaskin1"), QStringLiteral("Kapea Nauhalaskin"), this, true, false);
    KapeaNauhalaskin1->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    KapeaNauhalaskin1->setShortcutContext(Qt::WidgetShortcut);
    connect(LeveNauhalaskin1, &QAction::triggered, this, &TNauhalaskukone::setWideLayout);
    connect(KapeaNauhalaskin1, &QAction::triggered, this, &TNauhalaskukone::setNarrowLayout);
    PopupMenu4->addAction(LeveNauhalaskin1);
    PopupMenu4->addAction(KapeaNauhalaskin1);
    PopupMenu4->addSeparator();

    NauhaTeksturiksi1 =
        new MarkAction(QStringLiteral("NauhaTeksturiksi1"), QStringLiteral("&Nauha Teksturiksi"), this, true, false);
    NauhaTeksturiksi1->setShortcut(QKeySequence(QStringLiteral("Alt+N")));
    NauhaTeksturiksi1->setShortcutContext(Qt::WidgetShortcut);
    NauhaLaskimeksi1 =
        new MarkAction(QStringLiteral("NauhaLaskimeksi1"), QStringLiteral("Na&uha Laskimeksi"), this, true, true);
    NauhaLaskimeksi1->setShortcut(QKeySequence(QStringLiteral("Alt+U")));
    NauhaLaskimeksi1->setShortcutContext(Qt::WidgetShortcut);
    connect(NauhaTeksturiksi1, &QAction::triggered, this, [this] { setTapeAsEditor(true); });
    connect(NauhaLaskimeksi1, &QAction::triggered, this, [this] { setTapeAsEditor(false); });
    PopupMenu4->addAction(NauhaTeksturiksi1);
    PopupMenu4->addAction(NauhaLaskimeksi1);
    PopupMenu4->addSeparator();

    QAction* star = PopupMenu4->addAction(QStringLiteral("Lis&ää tähtirivi"), this, &TNauhalaskukone::addStarLine);
    star->setObjectName(QStringLiteral("Lisaatahtirivi1"));
    star->setShortcut(QKeySequence(QStringLiteral("Alt+Ä")));
    star->setShortcutContext(Qt::WidgetShortcut);
    PopupMenu4->addSeparator();

    // The editing items act on the tape; their keys work while the tape has the keyboard.
    auto edit = [this](const char* name, const QString& caption, const QString& keys, auto slot) {
        QAction* a = PopupMenu4->addAction(caption, Nauha, slot);
        a->setObjectName(QString::fromUtf8(name));
        a->setShortcut(QKeySequence(keys));
        a->setShortcutContext(Qt::WidgetShortcut);
        Nauha->addAction(a);
        return a;
    };
    edit("Kumoa1", QStringLiteral("&Kumoa"), QStringLiteral("Ctrl+Z"), &QTextEdit::undo);
    PopupMenu4->addSeparator();
    edit("Kopioi1", QStringLiteral("K&opioi"), QStringLiteral("Ctrl+C"), &QTextEdit::copy);
    edit("Liita1", QStringLiteral("&Liitä"), QStringLiteral("Ctrl+V"), &QTextEdit::paste);
    edit("Leikkaa1", QStringLiteral("L&eikkaa"), QStringLiteral("Ctrl+X"), &QTextEdit::cut);
    edit("Tyhjenna1", QStringLiteral("&Tyhjennä"), QStringLiteral("Ctrl+Del"), &QTextEdit::clear);
    PopupMenu4->addSeparator();
    edit("ValitseKaikki1", QStringLiteral("&Valitse Kaikki"), QStringLiteral("Ctrl+A"), &QTextEdit::selectAll);
}

void TNauhalaskukone::applyToolbarLayout(bool wide) {
    for (int i = 0; i < m_toolbar.size(); ++i) {
        const ToolbarPlace& p = kToolbarPlaces[i];
        m_toolbar[i]->setText(QString::fromUtf8(wide ? p.wideCaption : p.narrowCaption));
        m_toolbar[i]->setLeft(wide ? p.wideLeft : p.narrowLeft);
        m_toolbar[i]->setButtonWidth(wide ? p.wideWidth : p.narrowWidth);
    }
}

void TNauhalaskukone::setWideLayout() {
    LeveNauhalaskin1->setChecked(true);
    KapeaNauhalaskin1->setChecked(false);
    resize(476, 376);
    Panel2->setAlign(FramePanel::alRight);
    Panel2->setPanelHeight(312);
    Panel2->setPanelWidth(228);
    m_frames[2]->setPanelHeight(6); // Panel6
    m_frames[3]->setPanelHeight(0); // Panel7
    m_frames[4]->setPanelWidth(0);  // Panel8
    m_frames[5]->setPanelHeight(0); // Panel9
    applyToolbarLayout(true);
    QFont f = Nauha->font();
    f.setPointSize(11);
    Nauha->setTapeFont(f);
    arrange();
}

void TNauhalaskukone::setNarrowLayout() {
    LeveNauhalaskin1->setChecked(false);
    KapeaNauhalaskin1->setChecked(true);
    resize(236, 470);
    Panel2->setAlign(FramePanel::alBottom);
    Panel2->setPanelHeight(318);
    Panel2->setPanelWidth(228);
    m_frames[2]->setPanelHeight(4);
    m_frames[3]->setPanelHeight(6);
    m_frames[4]->setPanelWidth(6);
    m_frames[5]->setPanelHeight(6);
    applyToolbarLayout(false);
    QFont f = Nauha->font();
    f.setPointSize(10);
    Nauha->setTapeFont(f);
    arrange();
}

void TNauhalaskukone::setTapeAsEditor(bool editor) {
    NauhaTeksturiksi1->setChecked(editor);
    NauhaLaskimeksi1->setChecked(!editor);
    m_keyPreview = !editor;
    if (editor)
        Nauha->setFocus(Qt::OtherFocusReason);
}

void TNauhalaskukone::Nappi_TallennaClick() {
    const QString dir = SaveDialog1->initialDir.isEmpty() ? QDir::homePath() : SaveDialog1->initialDir;
    const QString start =
        SaveDialog1->fileName.isEmpty() ? dir : QDir(dir).filePath(QFileInfo(SaveDialog1->fileName).fileName());
    const QString name =
        platform::dialogs().saveFileName(QStringLiteral("Tallenna nauha"), start,
                                         QStringLiteral("Teksti (*.txt);;Rtf-tiedosto (*.rtf)"), QStringLiteral("txt"));
    if (name.isEmpty())
        return;
    SaveDialog1->fileName = name;
    SaveDialog1->initialDir = QFileInfo(name).absolutePath();
    if (Nauha->isEmptyTape()) {
        platform::dialogs().message(QStringLiteral("Nauha on tyhjä, joten tiedostoa ei tallennettu."));
        return;
    }
    // Rich text whatever the extension, so the tape opens as it was written.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(arkivo::rtf::write(*Nauha->document())) < 0 || !file.commit()) {
        platform::dialogs().message(
            QStringLiteral("Nauhan tallennus tiedostoon %1 epäonnistui: %2").arg(name, file.errorString()),
            QStringLiteral("Arkivo-viesti"), platform::Dialogs::Icon::Error);
    }
}

void TNauhalaskukone::Paivays2Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(pageSizeNamed(PrintDialog1->paperSize));
    printer.setPageMargins(QMarginsF(PrintDialog1->marginLeft / 100.0, PrintDialog1->marginTop / 100.0,
                                     PrintDialog1->marginRight / 100.0, PrintDialog1->marginBottom / 100.0),
                           QPageLayout::Millimeter);
    if (platform::dialogs().pageSetup(printer)) {
        const QMarginsF m = printer.pageLayout().margins(QPageLayout::Millimeter);
        PrintDialog1->marginLeft = qRound(m.left() * 100);
        PrintDialog1->marginTop = qRound(m.top() * 100);
        PrintDialog1->marginRight = qRound(m.right() * 100);
        PrintDialog1->marginBottom = qRound(m.bottom() * 100);
        PrintDialog1->paperSize = printer.pageLayout().pageSize().key();
    }
    if (!platform::dialogs().print(printer))
        return;
    printer.setDocName(QString());
    // The tape laid out on the page inside the margins, paged.
    std::unique_ptr<QTextDocument> copy(Nauha->document()->clone());
    copy->documentLayout()->setPaintDevice(&printer);
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setMargin(0);
    copy->rootFrame()->setFrameFormat(frame);
    copy->setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    copy->print(&printer);
}

void TNauhalaskukone::openEuroCalculator() {
    auto* window = new TEuroForm;
    window->show();
}

void TNauhalaskukone::openFuelCalculator() {
    auto* window = new TPolttoaine;
    window->show();
}
