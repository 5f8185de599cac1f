#include "alarms/alarm_page.h"

#include "alarms/file_filter.h"
#include "alarms/three_step_alarm.h"
#include "controls/kam_button.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace arkivo::alarms {

namespace {

const char* const kFormTitles[3] = {"1. Ääni, Musiikki jne.", "2. Teksti, Kuva, Animaatio jne.",
                                    "3. Teksti, Kuva, Animaatio jne. + Piip-äänet"};
const char* const kEditNames[3] = {"SoundFileEdit", "TextFileEdit", "PiipTextFileEdit"};
const char* const kBrowseNames[3] = {"SoundFileBrowseButton", "TextFileBrowseButton", "PiipTextFileBrowseButton"};
const char* const kBrowseCaptions[3] = {"S&elaa", "Se&laa", "Sel&aa"};
const char* const kTestNames[3] = {"SoundFilePlayButton", "TextFilePlaybutton", "PiipTextFilePlaybutton"};

const QString kSoundFilter =
    QStringLiteral("MP3-ääni (*.mp3)|*.mp3|Wav-ääni (*.wav)|*.wav|Multimedia (*.avi)|*.avi|Kaikki tiedostot (*.*)|*.*");
const QString kShownFilter = QStringLiteral(
    "tekstitiedosto (*.txt)|*.txt|rtf-tiedosto (*.rtf)|*.rtf|Word-tiedosto (*.doc)|*.doc|html-tiedosto (*.htm, "
    "*.html)|*.htm; *.html|bmp-kuva (*.bmp)|*.bmp|jpeg-kuva (*.jpg, *jpeg)|*.jpg; *.jpeg|tif-kuva "
    "(*.tif)|*.tif|gif-kuva tai animaatio (*.gif)|*.gif|kaikki tiedostot (*.*)|*.*");

QGroupBox* makeBox(const QString& name, const QString& title, QWidget* parent, const QRect& geometry) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

void setTextColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

} // namespace

AlarmPage::AlarmPage(ThreeStepAlarm* alarm, const AlarmPageLook& look, QWidget* parent)
    : QWidget(parent), m_alarm(alarm) {
    build(look);
    bind();
}

void AlarmPage::build(const AlarmPageLook& look) {
    const int w = 297;
    resize(w, kHeight);
    setAutoFillBackground(false);

    m_boxes[0] =
        makeBox(QStringLiteral("GroupBox1"), QStringLiteral("VAIHE1:  Hälytysajan asetus"), this, QRect(0, 0, w, 56));
    QFont pickerFont = font();
    pickerFont.setBold(true);
    pickerFont.setPixelSize(look.pickerPixels);
    m_timePicker = new QTimeEdit(m_boxes[0]);
    m_timePicker->setObjectName(QStringLiteral("AlarmTimePicker"));
    m_timePicker->setDisplayFormat(QStringLiteral("H:mm:ss"));
    m_timePicker->setGeometry(8, 20, 130, 28);
    m_timePicker->setFont(pickerFont);
    setTextColour(m_timePicker, look.timeText);
    m_datePicker = new QDateEdit(m_boxes[0]);
    m_datePicker->setObjectName(QStringLiteral("AlarmDatePicker"));
    m_datePicker->setDisplayFormat(QStringLiteral("d.M.yyyy"));
    m_datePicker->setCalendarPopup(true);
    m_datePicker->setGeometry(146, 20, 143, 28);
    m_datePicker->setFont(pickerFont);
    setTextColour(m_datePicker, look.dateText);

    m_boxes[1] = makeBox(QStringLiteral("GroupBox2"), QStringLiteral("VAIHE2:  Hälytysmuodon valinta"), this,
                         QRect(0, 60, w, 196));
    for (int form = 0; form < 3; ++form) {
        QGroupBox* box = makeBox(QStringLiteral("GroupBox%1").arg(4 + form), QString::fromUtf8(kFormTitles[form]),
                                 m_boxes[1], QRect(6, 18 + form * 58, w - 12, 56));
        m_boxes[3 + form] = box;
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(kEditNames[form]));
        edit->setToolTip(QStringLiteral("Hälytysmuodon tiedostopolku"));
        edit->setGeometry(6, 22, w - 12 - 12 - 116, 24);
        m_edits[form] = edit;
        auto* browse = new controls::KamButton(QString::fromLatin1(kBrowseNames[form]),
                                               QString::fromUtf8(kBrowseCaptions[form]), box);
        browse->setGeometry(w - 12 - 6 - 112, 22, 54, 24);
        browse->setColor(look.buttonFace);
        if (!look.browseHint.isEmpty())
            browse->setToolTip(look.browseHint);
        m_browse[form] = browse;
        auto* test = new controls::KamButton(QString::fromLatin1(kTestNames[form]), QStringLiteral("&Testaa"), box);
        test->setGeometry(w - 12 - 6 - 56, 22, 56, 24);
        test->setColor(look.buttonFace);
        test->setEnabled(false);
        m_test[form] = test;
    }

    m_boxes[2] = makeBox(QStringLiteral("GroupBox3"), look.step3Title, this, QRect(0, 260, w, 56));
    m_switch = new QCheckBox(QStringLiteral("&Hälytys päälle"), m_boxes[2]);
    m_switch->setObjectName(QStringLiteral("AlarmComingUpCheckBox"));
    m_switch->setGeometry(10, 20, w - 20, 30);
    QFont switchFont = font();
    switchFont.setPixelSize(20);
    m_switch->setFont(switchFont);
    setTextColour(m_switch, Qt::red);
    if (!look.switchHint.isEmpty())
        m_switch->setToolTip(look.switchHint);

    // Lies over the third step until a browse button is clicked.
    m_info = new QWidget(this);
    m_info->setObjectName(QStringLiteral("InfoPaneeli"));
    m_info->setGeometry(m_boxes[2]->geometry());
    m_info->setAutoFillBackground(true);
    QPalette ip = m_info->palette();
    ip.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1));
    ip.setColor(QPalette::WindowText, Qt::red);
    m_info->setPalette(ip);
    auto* infoLayout = new QVBoxLayout(m_info);
    infoLayout->setContentsMargins(6, 4, 6, 4);
    auto* line1 = new QLabel(QStringLiteral("Et ole valinnut mitään hälytystapaa!!!"), m_info);
    QFont bold = line1->font();
    bold.setBold(true);
    line1->setFont(bold);
    line1->setAlignment(Qt::AlignCenter);
    auto* line2 = new QLabel(QStringLiteral("Valitse yksi hälytysmuoto kolmesta vaihtoehdosta."), m_info);
    line2->setAlignment(Qt::AlignCenter);
    line2->setWordWrap(true);
    QFont small = line2->font();
    small.setPixelSize(11);
    line2->setFont(small);
    infoLayout->addWidget(line1);
    infoLayout->addWidget(line2);
    m_info->hide();

    // Group box titles and labels are light on the dark panel.
    for (QGroupBox* box : m_boxes)
        setTextColour(box, look.background.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black));
    // Edits and pickers keep their own white ground whatever colour the panel behind them takes.
    for (QWidget* w :
         {static_cast<QWidget*>(m_edits[0]), static_cast<QWidget*>(m_edits[1]), static_cast<QWidget*>(m_edits[2]),
          static_cast<QWidget*>(m_timePicker), static_cast<QWidget*>(m_datePicker)}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Base, Qt::white);
        p.setColor(QPalette::Window, Qt::white);
        w->setPalette(p);
    }
    for (QLineEdit* e : m_edits)
        setTextColour(e, Qt::black);
    setTextColour(m_switch, Qt::red);
}

void AlarmPage::bind() {
    for (int form = 0; form < 3; ++form) {
        connect(m_edits[form], &QLineEdit::textChanged, this,
                [this, form](const QString& text) { m_alarm->setPath(form, text); });
        connect(m_browse[form], &QAbstractButton::clicked, this, [this, form] { browse(form); });
        connect(m_test[form], &QAbstractButton::clicked, this, [this, form] { test(form); });
    }
    connect(m_alarm, &ThreeStepAlarm::pathChanged, this, [this](int form, const QString& path) {
        // A loaded value goes into the edit; typing keeps its own blanks.
        if (m_edits[form]->text().trimmed() != path) {
            QSignalBlocker block(m_edits[form]);
            m_edits[form]->setText(path);
        }
    });
    connect(m_alarm, &ThreeStepAlarm::testEnabledChanged, this,
            [this](int form, bool on) { m_test[form]->setEnabled(on); });
    connect(m_timePicker, &QTimeEdit::timeChanged, this, [this](const QTime& t) { m_alarm->changeTime(t); });
    connect(m_datePicker, &QDateEdit::dateChanged, this, [this](const QDate& d) { m_alarm->changeDate(d); });
    connect(m_alarm, &ThreeStepAlarm::momentChanged, this, &AlarmPage::showMoment);
    connect(m_switch, &QCheckBox::toggled, this, [this](bool on) {
        try {
            m_alarm->setSwitch(on);
        } catch (const std::exception& e) {
            platform::dialogs().error(QString::fromUtf8(e.what()));
        }
    });
    connect(m_alarm, &ThreeStepAlarm::switchChanged, this, [this](bool on) {
        QSignalBlocker block(m_switch);
        m_switch->setChecked(on);
    });
    connect(m_alarm, &ThreeStepAlarm::captionChanged, m_switch, &QCheckBox::setText);
    connect(m_alarm, &ThreeStepAlarm::infoPanelChanged, this, [this](bool on) {
        m_info->setVisible(on);
        if (on)
            m_info->raise();
    });
    showMoment();
}

void AlarmPage::showMoment() {
    QSignalBlocker blockTime(m_timePicker);
    QSignalBlocker blockDate(m_datePicker);
    m_timePicker->setTime(m_alarm->moment().time());
    m_datePicker->setDate(m_alarm->moment().date());
}

QList<controls::KamButton*> AlarmPage::formButtons() const {
    return {m_browse[0], m_test[0], m_browse[1], m_test[1], m_browse[2], m_test[2]};
}

void AlarmPage::browse(int form) {
    const QString title = form == 0 ? QStringLiteral("Valitse hälytysääni") : QString();
    const QString filter = dialogFilter(form == 0 ? kSoundFilter : kShownFilter);
    const QString file = platform::dialogs().openFileName(title, m_alarm->dialogFolder(form), filter);
    if (!file.isEmpty())
        m_edits[form]->setText(file);
    m_alarm->hideInfoPanel();
}

void AlarmPage::test(int form) {
    try {
        m_alarm->test(form);
    } catch (const std::exception& e) {
        platform::dialogs().error(QString::fromUtf8(e.what()));
    }
}

QStringList AlarmPage::storedLooks()
{
    QStringList stored;
    for (int i = 1; i <= 6; ++i)
        stored << QStringLiteral("GroupBox%1.Font").arg(i);
    for (const char* edit : {"SoundFileEdit", "TextFileEdit", "PiipTextFileEdit"})
        for (const char* p : {"Color", "Font"})
            stored << QStringLiteral("%1.%2").arg(QLatin1String(edit), QLatin1String(p));
    for (const char* button : {"SoundFileBrowseButton", "SoundFilePlayButton", "TextFileBrowseButton",
                               "TextFilePlaybutton", "PiipTextFileBrowseButton", "PiipTextFilePlaybutton"})
        for (const char* p : {"Color", "Font", "HotColor", "HotTextColor"})
            stored << QStringLiteral("%1.%2").arg(QLatin1String(button), QLatin1String(p));
    return stored;
}

} // namespace arkivo::alarms
