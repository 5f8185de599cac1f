#include "nauhalaskukone.h"

#include "calculators/keypad_button.h"
#include "calculators/tape_controls.h"
#include "calculators/tape_view.h"
#include "common/colors.h"
#include "controls/mark_action.h"
#include "settings/form_storage.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

using namespace arkivo::calculators;

namespace {

constexpr int kToolbarHeight = 28;
const QColor kLightYellow(255, 255, 128); // $0080FFFF

QFont buttonFont(int pixels, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace

TNauhalaskukone::TNauhalaskukone(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Nauhalaskukone"));
    setWindowTitle(QStringLiteral("Nauhalaskin"));
    setFocusPolicy(Qt::StrongFocus);
    resize(476, 376);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Label1 = new QLabel(QStringLiteral("Arkivo-nauhalaskin"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->hide();
    SaveDialog1 = new SaveDialogState(this);
    PrintDialog1 = new PageSetupState(this);

    buildToolbar();
    Nauha = new TapeView(this);
    Nauha->setToolTip(QStringLiteral("Hiiren oikea: Valikko (Ctrl+V)"));
    Nauha->installEventFilter(this);

    Panel2 = new FramePanel(QStringLiteral("Panel2"), 228, 312, this);
    Panel2->setAlign(FramePanel::alRight);
    connect(Panel2, &FramePanel::changed, this, &TNauhalaskukone::arrange);
    const int frameSizes[][2] = {{4, 0}, {0, 0}, {0, 6}, {0, 0}, {0, 0}, {0, 0}}; // Panel4 .. Panel9
    for (int i = 0; i < 6; ++i) {
        auto* frame = new FramePanel(QStringLiteral("Panel%1").arg(i + 4), frameSizes[i][0], frameSizes[i][1], this);
        connect(frame, &FramePanel::changed, this, &TNauhalaskukone::arrange);
        m_frames << frame;
    }
    buildKeypad();
    buildMenus();

    // A fresh tape: the header, a blank line and the star line. Stored lines replace them below.
    writeHeader();
    refreshDisplay();

    QStringList stored{QStringLiteral("Edit1.Text"), QStringLiteral("SaveDialog1.FileName"),
                       QStringLiteral("SaveDialog1.InitialDir")};
    for (const KeypadButton* b : std::as_const(m_keypad))
        for (const char* p : {"Font", "Color", "HotColor", "HotFontColor"})
            stored << b->objectName() + QLatin1Char('.') + QLatin1String(p);
    for (const ToolbarButton* b : std::as_const(m_toolbar))
        for (const char* p : {"Caption", "Hint", "Left", "Width"})
            stored << b->objectName() + QLatin1Char('.') + QLatin1String(p);
    stored << QStringLiteral("Panel2.Color");
    for (const FramePanel* f : std::as_const(m_frames))
        stored << f->objectName() + QStringLiteral(".Color");
    stored << QStringLiteral("Panel2.Align") << QStringLiteral("Panel2.Height") << QStringLiteral("Panel2.Width")
           << QStringLiteral("Panel6.Height") << QStringLiteral("Panel7.Height") << QStringLiteral("Panel8.Width")
           << QStringLiteral("Panel9.Height") << QStringLiteral("Nauha.Lines") << QStringLiteral("Nauha.Color")
           << QStringLiteral("Nauha.Font") << QStringLiteral("Kuvaruutu.Color") << QStringLiteral("Kuvaruutu.Font")
           << QStringLiteral("PrintDialog1.MarginLeft") << QStringLiteral("PrintDialog1.MarginTop")
           << QStringLiteral("PrintDialog1.MarginRight") << QStringLiteral("PrintDialog1.MarginBottom")
           << QStringLiteral("PrintDialog1.PaperSize") << QStringLiteral("LeveNauhalaskin1.Checked")
           << QStringLiteral("KapeaNauhalaskin1.Checked");
    FormStorage1 = new arkivo::settings::FormStorage(this, QStringLiteral("Software\\Arkivo\\Laskimet\\Nauhalaskin"),
                                                     QStringLiteral("Paikka"), true, stored);
    FormStorage1->setObjectName(QStringLiteral("FormStorage1"));
    FormStorage1->attach();
    arrange();
}

TNauhalaskukone::~TNauhalaskukone() {
    // Saved here, while every control still exists.
    FormStorage1->save();
}

void TNauhalaskukone::buildToolbar() {
    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setAutoFillBackground(true);
    QPalette pal = Panel3->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    pal.setColor(QPalette::ButtonText, Qt::white);
    Panel3->setPalette(pal);
    Image1 = new QLabel(Panel3);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);

    struct Tool {
        ToolbarButton** field;
        const char* name;
        const char* caption;
        const char* hint;
    };
    const Tool tools[] = {
        {&Nappi_Tallenna, "Nappi_Tallenna", "&Tallenna", "NAUHAN TALLENNUS. Näppäimistö: Alt+T."},
        {&Nappi_Tulosta, "Nappi_Tulosta", "T&ulosta", "NAUHAN TULOSTUS. Näppäimistö: Alt+U."},
        {&Nappi_Varit, "Nappi_Varit", "V&ärit", "VÄRIT. Näppäimistö: Alt+Ä."},
        {&Nappi_Fontit, "Nappi_Fontit", "&Fontit", "FONTIT. Näppäimistö: Alt+F."},
        {&Nappi_Ohje, "Nappi_Ohje", "Ohje F1", "OHJEET. Näppäimistö: Alt+H."},
        {&Nappi_Eurolaskin, "Nappi_Eurolaskin", "&Eurolaskin", "EUROLASKIN. Näppäimistö: Alt+E."},
        {&Nappi_Polttoainelaskin, "Nappi_Polttoainelaskin", "&Polttoainelaskin",
         "POLTTOAINELASKIN. Näppäimistö: Alt+P."},
    };
    for (const Tool& t : tools) {
        *t.field = new ToolbarButton(QString::fromUtf8(t.name), QString::fromUtf8(t.caption), QString::fromUtf8(t.hint),
                                     Panel3);
        (*t.field)->setGeometry(0, 2, 60, kToolbarHeight - 4);
        m_toolbar << *t.field;
    }
    applyToolbarLayout(true);
}

void TNauhalaskukone::buildKeypad() {
    Kuvaruutu = new NumberDisplay(Panel2);
    Kuvaruutu->setMinimumHeight(34);

    auto* editor = new QWidget(Panel2);
    auto* editorRow = new QHBoxLayout(editor);
    editorRow->setContentsMargins(0, 0, 0, 0);
    Desimaaliteksti = new QLabel(QStringLiteral("DESIMAALIT (vaihdon jälkeen\npaina uudelleen Aseta-nappia)."));
    Desimaaliteksti->setObjectName(QStringLiteral("Desimaaliteksti"));
    Desimaaliteksti->setStyleSheet(QStringLiteral("color: white; font-size: 10px;"));
    Edit1 = new QLineEdit(QStringLiteral("2"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaximumWidth(36);
    Edit1->installEventFilter(this);
    UpDown1 = new QWidget;
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setToolTip(QStringLiteral(
        "DESIMAALIEN MÄÄRÄ. Näppäimistö: Paina kerran tab-näppäintä ja sitten nuoli-ylos tai nuoli-alas."));
    auto* arrows = new QVBoxLayout(UpDown1);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (int step : {1, -1}) {
        auto* arrow = new QToolButton(UpDown1);
        arrow->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFixedSize(18, 14);
        arrow->setFocusPolicy(Qt::NoFocus);
        connect(arrow, &QToolButton::clicked, this, [this, step] {
            bool ok = false;
            const int n = Edit1->text().trimmed().toInt(&ok);
            Edit1->setText(QString::number(std::clamp(ok ? n + step : 2, 0, 14)));
        });
        arrows->addWidget(arrow);
    }
    editorRow->addWidget(Desimaaliteksti, 1);
    editorRow->addWidget(Edit1);
    editorRow->addWidget(UpDown1);
    Desimaaliteksti->hide();
    Edit1->hide();
    UpDown1->hide();

    struct Key {
        const char* name;
        const char* caption;
        int tag;
        const char* hint;
        int row, column, span;
    };
    const Key keys[] = {
        {"Nappi_MTyhjenna", "&MT", 2, "MUISTIN TYHJENNYS. Näppäimistö: Alt+M.", 0, 0, 1},
        {"Nappi_MYhteensa", "M&Y=", 3, "MUISTISSA YHTEENSÄ. Näppäimistö: Alt + Y.", 0, 1, 1},
        {"Nappi_MPlus", "M&L+", 4, "MUISTIIN LISÄÄMINEN. Näppäimistö: Alt + L.", 0, 2, 1},
        {"Nappi_MMiinus", "M&V-", 5, "MUISTISTA VÄHENTÄMINEN. Näppäimistö: Alt + V.", 0, 3, 1},
        {"Nappi_Nollaus", "N&ollaa näyttö", 12, "NUMERONÄYTÖN NOLLAUS. Näppäimistö: Alt + O (O-kirjain, ei nolla).", 1,
         0, 2},
        {"Nappi_Back", "<--", 8, "PALAUTUS-NÄPPÄIN. Näppäimistö: <---merkki (Backspace-näppäin).", 1, 2, 1},
        {"Nappi_Jako", "÷", 47, "Jakolasku. Näppäimistö: ÷-merkki (jako-merkki).", 1, 3, 1},
        {"Nappi_7", "7", 55, nullptr, 2, 0, 1},
        {"Nappi_8", "8", 56, nullptr, 2, 1, 1},
        {"Nappi_9", "9", 57, nullptr, 2, 2, 1},
        {"Nappi_Kerto", "x", 42, "Kertolasku. Näppäimistö: x-merkki (kertomerkki).", 2, 3, 1},
        {"Nappi_4", "4", 52, nullptr, 3, 0, 1},
        {"Nappi_5", "5", 53, nullptr, 3, 1, 1},
        {"Nappi_6", "6", 54, nullptr, 3, 2, 1},
        {"Nappi_Miinus", "-", 45, "VÄHENNYSLASKU. Näppäimistö: --merkki (miinusmerkki).", 3, 3, 1},
        {"Nappi_1", "1", 49, nullptr, 4, 0, 1},
        {"Nappi_2", "2", 50, nullptr, 4, 1, 1},
        {"Nappi_3", "3", 51, nullptr, 4, 2, 1},
        {"Nappi_Plus", "+", 43, "YHTEENLASKU. Näppäimistö: +-merkki.", 4, 3, 1},
        {"Nappi_0", "0", 48, nullptr, 5, 0, 1},
        {"Nappi_Desi", ",", 44, "DESIMAALIEROTIN. Näppäimistö: ,-merkki (pilkku-merkki).", 5, 1, 1},
        {"Nappi_Prosentti", "%", 37, "PROSENTTILASKU. Näppäimistö: %-merkki.", 5, 2, 1},
        {"Nappi_Yhteensa", "=", 61, "YHTEENSÄ. Näppäimistö: Enter-näppäin.", 5, 3, 1},
        {"Nappi_Aseta", "&Aseta", 9, "DESIMAALIMÄÄRÄN ASETUS. Näppäimistö: Alt + A.", 6, 0, 1},
        {"Nappi_Paivays", "Pä&iväys", 0, "PÄIVÄYS NAUHALLE. Näppäimistö: Alt + i.", 6, 1, 2},
        {"Nappi_Sulje", "&Sulje", 27, "OHJELMAN SULKEMINEN. Näppäimistö: Alt + S tai Esc-näppäin.", 6, 3, 1},
        {"Nappi_TyhjennaNauha", "Tyhjennä &nauha", 0,
         "NAUHAN TYHJENNYS. Näppäimistö: Alt + N. VALIKKO: Hiiren oikea painike (Ctrl+V).", 7, 0, 4},
    };

    auto* grid = new QGridLayout(Panel2);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    grid->addWidget(Kuvaruutu, 0, 0, 1, 4);
    grid->addWidget(editor, 0, 0, 1, 4);
    for (const Key& k : keys) {
        const QString name = QString::fromUtf8(k.name);
        auto* button = new KeypadButton(name, QString::fromUtf8(k.caption), k.tag, Panel2);
        const bool digit = k.tag == 44 || (k.tag >= 48 && k.tag <= 57);
        const bool op = QByteArrayLiteral("+-*/%=").contains(char(k.tag)) || k.tag == 42;
        const bool memory = k.tag >= 2 && k.tag <= 5;
        if (digit) {
            button->setButtonFont(buttonFont(16, true));
            button->setFontColor(Qt::white);
        } else if (op) {
            button->setButtonFont(buttonFont(19, true));
            button->setFontColor(Qt::red);
        } else if (k.tag == 8) {
            button->setButtonFont(buttonFont(16, true));
            button->setFontColor(kLightYellow);
        } else {
            button->setButtonFont(buttonFont(13, memory));
            button->setFontColor(kLightYellow);
        }
        button->setHotColor(arkivo::colors::toQColor(arkivo::colors::cl3DLight));
        button->setToolTip(k.hint ? QString::fromUtf8(k.hint)
                                  : QStringLiteral("NUMERO-%1. Näppäimistö: %1-merkki.").arg(QChar(k.tag)));
        if (name == QLatin1String("Nappi_Paivays"))
            connect(button, &KeypadButton::clicked, this, &TNauhalaskukone::PaivaysClick);
        else if (name == QLatin1String("Nappi_TyhjennaNauha"))
            connect(button, &KeypadButton::clicked, this, &TNauhalaskukone::NauhanNollausClick);
        else
            connect(button, &KeypadButton::clicked, this, [this, button] { TulostaClick(button); });
        grid->addWidget(button, k.row + 1, k.column, 1, k.span);
        m_keypad << button;
        if (k.tag == 3)
            Nappi_MYhteensa = button;
        if (k.tag == 2)
            Nappi_MTyhjenna = button;
    }
}

void TNauhalaskukone::writeHeader() {
    Nauha->addLines(TapeEngine::header(Label1->text()));
}

// Lays the window out from the stored panel values, as the layouts set them:
// the toolbar strip, the frame strips, the keypad on the right (wide) or at
// the bottom (narrow), and the tape in what is left.
void TNauhalaskukone::arrange() {
    const int w = width();
    const int h = height();
    FramePanel* p4 = m_frames[0];
    FramePanel* p5 = m_frames[1];
    FramePanel* p6 = m_frames[2];
    FramePanel* p7 = m_frames[3];
    FramePanel* p8 = m_frames[4];
    FramePanel* p9 = m_frames[5];

    Panel3->setGeometry(0, 0, w, kToolbarHeight);
    Image1->setGeometry(Panel3->rect());
    Image1->lower();
    int top = kToolbarHeight;
    p6->setGeometry(0, top, w, p6->panelHeight());
    top += p6->panelHeight();
    const int bottom = h - p9->panelHeight();
    p9->setGeometry(0, bottom, w, p9->panelHeight());
    const int side = p8->panelWidth();
    p8->setGeometry(0, top, side, bottom - top);
    p5->setGeometry(w - side, top, side, bottom - top);
    const int left = side;
    const int right = w - side;

    if (Panel2->align() == FramePanel::alBottom) {
        const int keypadTop = bottom - Panel2->panelHeight();
        Panel2->setGeometry(left, keypadTop, right - left, Panel2->panelHeight());
        p7->setGeometry(left, keypadTop - p7->panelHeight(), right - left, p7->panelHeight());
        p4->setGeometry(0, 0, 0, 0);
        Nauha->setGeometry(left, top, right - left, keypadTop - p7->panelHeight() - top);
    } else {
        const int keypadLeft = right - Panel2->panelWidth();
        Panel2->setGeometry(keypadLeft, top, Panel2->panelWidth(), bottom - top);
        p4->setGeometry(keypadLeft - p4->panelWidth(), top, p4->panelWidth(), bottom - top);
        p7->setGeometry(0, 0, 0, 0);
        Nauha->setGeometry(left, top, keypadLeft - p4->panelWidth() - left, bottom - top);
    }
}

void TNauhalaskukone::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}
