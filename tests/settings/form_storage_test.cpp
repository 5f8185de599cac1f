#include "settings/form_storage.h"

#include "common/colors.h"
#include "fakes.h"
#include "qt_application.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColor>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSlider>
#include <QWidget>

#include <gtest/gtest.h>

using arkivo::settings::FormStorage;

namespace {

const QString kKey = QStringLiteral("Software\\Arkivo\\Testi");
const QString kSection = kKey + QStringLiteral("\\Koko");

// A control with stored properties of every kind; each change is logged.
class Probe : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ checked WRITE setChecked NOTIFY checkedChanged)
    Q_PROPERTY(int Number MEMBER m_number WRITE setNumber)
    Q_PROPERTY(double Ratio MEMBER m_ratio WRITE setRatio)
    Q_PROPERTY(QColor Color MEMBER m_color WRITE setColor)
    Q_PROPERTY(QString Caption MEMBER m_caption WRITE setCaption)
    Q_PROPERTY(QStringList Lines MEMBER m_lines WRITE setLines)
    Q_PROPERTY(Align Alignment MEMBER m_alignment WRITE setAlignment)
    Q_PROPERTY(Qt::Alignment Anchors MEMBER m_anchors WRITE setAnchors)

public:
    enum Align { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(Align)

    Probe(const QString& name, QWidget* parent, QStringList* log) : QWidget(parent), m_log(log) { setObjectName(name); }
    bool checked() const { return m_checked; }
    void setChecked(bool on) {
        m_checked = on;
        note("Checked");
        emit checkedChanged(on);
    }
    void setNumber(int n) {
        m_number = n;
        note("Number");
    }
    void setRatio(double r) {
        m_ratio = r;
        note("Ratio");
    }
    void setColor(const QColor& c) {
        m_color = c;
        note("Color");
    }
    void setCaption(const QString& c) {
        m_caption = c;
        note("Caption");
    }
    void setLines(const QStringList& l) {
        m_lines = l;
        note("Lines");
    }
    void setAlignment(Align a) {
        m_alignment = a;
        note("Alignment");
    }
    void setAnchors(Qt::Alignment a) {
        m_anchors = a;
        note("Anchors");
    }

signals:
    void checkedChanged(bool on);

private:
    void note(const char* what) { *m_log << objectName() + QLatin1Char('.') + QLatin1String(what); }

    QStringList* m_log;
    bool m_checked = false;
    int m_number = 0;
    double m_ratio = 0;
    QColor m_color = Qt::white;
    QString m_caption;
    QStringList m_lines;
    Align m_alignment = taLeftJustify;
    Qt::Alignment m_anchors = Qt::AlignLeft;
};

const QStringList kProbeProperties = {
    QStringLiteral("Probe1.Checked"),   QStringLiteral("Probe1.Number"),  QStringLiteral("Probe1.Ratio"),
    QStringLiteral("Probe1.Color"),     QStringLiteral("Probe1.Caption"), QStringLiteral("Probe1.Lines"),
    QStringLiteral("Probe1.Alignment"), QStringLiteral("Probe1.Anchors"), QStringLiteral("Label1.Font"),
};

// A window that may refuse to close, as one with unsaved work does.
class Window : public QWidget {
public:
    bool refuseClose = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (refuseClose)
            event->ignore();
    }
};

// A window as the program builds them: controls first, then the storage.
struct TestForm {
    explicit TestForm(QStringList properties = kProbeProperties, bool storePlace = false) {
        form = new Window;
        form->setObjectName(QStringLiteral("TTesti"));
        probe = new Probe(QStringLiteral("Probe1"), form, &log);
        label = new QLabel(QStringLiteral("Otsikko"), form);
        label->setObjectName(QStringLiteral("Label1"));
        storage = new FormStorage(form, kKey, QStringLiteral("Koko"), storePlace, properties);
    }
    ~TestForm() { delete form; }

    Window* form;
    Probe* probe;
    QLabel* label;
    FormStorage* storage;
    QStringList log;
};

class FormStorageTest : public testing::Test {
protected:
    FormStorageTest() { arkivo::test::ensureApplication(); }
    QString stored(const QString& name, const QString& key = kSection) const {
        return services.registry.value(key, name).value_or(QStringLiteral("<puuttuu>"));
    }
    void store(const QString& name, const QString& text) { services.registry.setValue(kSection, name, text); }

    arkivo::test::TestServices services;
};

TEST_F(FormStorageTest, SavesValueNamesInTheirTextForms) {
    TestForm t;
    t.probe->setChecked(true);
    t.probe->setNumber(-5);
    t.probe->setRatio(7.5);
    t.probe->setColor(QColor(0, 0, 128));
    t.probe->setCaption(QStringLiteral("  teksti "));
    t.probe->setAlignment(Probe::taCenter);
    t.probe->setAnchors(Qt::AlignRight | Qt::AlignTop);
    t.probe->setLines({QStringLiteral("eka"), QStringLiteral(" toka ")});
    QFont font(QStringLiteral("DejaVu Sans"), 10);
    font.setBold(true);
    font.setItalic(true);
    t.label->setFont(font);
    const QString listKey = kKey + QStringLiteral("\\Koko.Probe1_Lines");
    services.registry.setValue(listKey, QStringLiteral("Item5"), QStringLiteral("vanha"));

    t.storage->save();

    const std::pair<const char*, const char*> expected[] = {
        {"FormVersion", "0"},
        {"Probe1_Checked", "True"},
        {"Probe1_Number", "-5"},
        {"Probe1_Ratio", "7,5"},
        {"Probe1_Color", "8388608"},
        {"Probe1_Caption", "teksti"},
        {"Probe1_Alignment", "taCenter"},
        {"Probe1_Anchors", "[AlignRight,AlignTop]"},
        {"Label1_FontName", "DejaVu Sans"},
        {"Label1_FontSize", "10"},
        {"Label1_FontHeight", "-13"},
        {"Label1_FontStyle", "[fsBold,fsItalic]"},
        {"Label1_FontCharset", "1"},
        {"Label1_FontPitch", "fpDefault"},
        {"Label1_FontColor", "-2147483640"}, // the palette was never set: clWindowText
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(stored(QString::fromLatin1(name)), QString::fromUtf8(text)) << name;
    EXPECT_EQ(stored(QStringLiteral("Count"), listKey), QStringLiteral("2"));
    EXPECT_EQ(stored(QStringLiteral("Item0"), listKey), QStringLiteral("eka"));
    EXPECT_EQ(stored(QStringLiteral("Item1"), listKey), QStringLiteral(" toka ")); // lines are kept as they are
    EXPECT_EQ(stored(QStringLiteral("Item5"), listKey), QStringLiteral("<puuttuu>"));
    for (const char* place : {"Flags", "ShowCmd", "PixelsPerInch", "MinMaxPos", "NormPos", "ActiveControl"})
        EXPECT_EQ(stored(QString::fromLatin1(place)), QStringLiteral("<puuttuu>")) << place;
}

TEST_F(FormStorageTest, LoadsInListOrderAndOnlyChangedValues) {
    store(QStringLiteral("Probe1_Checked"), QStringLiteral("False")); // equal to the design value
    store(QStringLiteral("Probe1_Number"), QStringLiteral("42"));
    store(QStringLiteral("Probe1_Ratio"), QStringLiteral("6,66666666666667"));
    store(QStringLiteral("Probe1_Color"), QStringLiteral("255"));
    store(QStringLiteral("Probe1_Caption"), QStringLiteral(" Hei "));
    store(QStringLiteral("Probe1_Alignment"), QStringLiteral("taRightJustify"));
    store(QStringLiteral("Probe1_Anchors"), QStringLiteral("[AlignHCenter,AlignBottom]"));
    const QString listKey = kKey + QStringLiteral("\\Koko.Probe1_Lines");
    services.registry.setValue(listKey, QStringLiteral("Count"), QStringLiteral("2"));
    services.registry.setValue(listKey, QStringLiteral("Item0"), QStringLiteral("a"));
    services.registry.setValue(listKey, QStringLiteral("Item1"), QStringLiteral("b"));
    store(QStringLiteral("Label1_FontName"), QStringLiteral("DejaVu Serif"));
    store(QStringLiteral("Label1_FontSize"), QStringLiteral("14"));
    store(QStringLiteral("Label1_FontStyle"), QStringLiteral("[fsUnderline]"));
    store(QStringLiteral("Label1_FontColor"), QString::number(arkivo::colors::clNavy));

    // The list order decides the order of the change handling.
    TestForm t({QStringLiteral("Probe1.Lines"), QStringLiteral("Probe1.Checked"), QStringLiteral("Probe1.Number"),
                QStringLiteral("Probe1.Ratio"), QStringLiteral("Probe1.Color"), QStringLiteral("Probe1.Caption"),
                QStringLiteral("Probe1.Alignment"), QStringLiteral("Probe1.Anchors"), QStringLiteral("Label1.Font")});
    t.storage->load();
    EXPECT_EQ(t.log, QStringList({"Probe1.Lines", "Probe1.Number", "Probe1.Ratio", "Probe1.Color", "Probe1.Caption",
                                  "Probe1.Alignment", "Probe1.Anchors"}));
    EXPECT_EQ(t.probe->property("Number").toInt(), 42);
    EXPECT_DOUBLE_EQ(t.probe->property("Ratio").toDouble(), 6.66666666666667);
    EXPECT_EQ(t.probe->property("Color").value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(t.probe->property("Caption").toString(), QStringLiteral("Hei"));
    EXPECT_EQ(t.probe->property("Alignment").toInt(), int(Probe::taRightJustify));
    EXPECT_EQ(t.probe->property("Anchors").value<Qt::Alignment>(), Qt::AlignHCenter | Qt::AlignBottom);
    EXPECT_EQ(t.probe->property("Lines").toStringList(), QStringList({"a", "b"}));
    EXPECT_EQ(t.label->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(t.label->font().pointSize(), 14);
    EXPECT_TRUE(t.label->font().underline() && !t.label->font().bold());
    EXPECT_EQ(t.label->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    // Loading the same values again changes nothing and runs nothing.
    t.log.clear();
    t.storage->load();
    EXPECT_TRUE(t.log.isEmpty()) << t.log.join(QLatin1Char(' ')).toStdString();
}

TEST_F(FormStorageTest, ChangedBoolRunsTheChangeHandlingOnce) {
    store(QStringLiteral("Probe1_Checked"), QStringLiteral("True"));
    TestForm t({QStringLiteral("Probe1.Checked")});
    int clicks = 0;
    QObject::connect(t.probe, &Probe::checkedChanged, [&] { ++clicks; });
    t.storage->load();
    t.storage->load();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(t.probe->checked());
}

TEST_F(FormStorageTest, ValuesThatDoNotConvertAreIgnored) {
    const std::pair<const char*, const char*> bad[] = {
        {"Probe1_Checked", "ehkä"},   {"Probe1_Number", "12abc"},        {"Probe1_Ratio", "1,2,3"},
        {"Probe1_Color", "punainen"}, {"Probe1_Alignment", "taNowhere"}, {"Probe1_Anchors", "[AlignMiddle]"},
        {"Label1_FontSize", "iso"},   {"Label1_FontStyle", "[fsBlink]"},
    };
    for (const auto& [name, text] : bad)
        store(QString::fromLatin1(name), QString::fromUtf8(text));
    store(QStringLiteral("Probe1_Caption"), QStringLiteral("menee läpi"));
    TestForm t;
    const QFont before = t.label->font();
    t.storage->load();
    EXPECT_EQ(t.log, QStringList{QStringLiteral("Probe1.Caption")});
    EXPECT_EQ(t.label->font(), before);
}

TEST_F(FormStorageTest, PlainWidgetsThroughTheStandInNames) {
    auto* form = new QWidget;
    form->setObjectName(QStringLiteral("TTesti"));
    form->setWindowTitle(QStringLiteral("Vanha"));
    auto* panel = new QWidget(form);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(5, 6, 70, 20);
    auto* memo = new QPlainTextEdit(form);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setPlainText(QStringLiteral("yksi\nkaksi"));
    auto* box = new QCheckBox(form);
    box->setObjectName(QStringLiteral("CheckBox1"));
    auto* slider = new QSlider(form);
    slider->setObjectName(QStringLiteral("TrackBar1"));
    slider->setRange(0, 10);
    const QStringList names = {"Panel1.Left",       "Panel1.Top",        "Panel1.Width", "Panel1.Height",
                               "Panel1.Visible",    "TTesti.Caption",    "Memo1.Lines",  "CheckBox1.Checked",
                               "CheckBox1.Enabled", "TrackBar1.Position"};
    auto& storage = *new FormStorage(form, kKey, QStringLiteral("Koko"), false, names);
    storage.save();
    EXPECT_EQ(stored(QStringLiteral("Panel1_Left")), QStringLiteral("5"));
    EXPECT_EQ(stored(QStringLiteral("Panel1_Width")), QStringLiteral("70"));
    EXPECT_EQ(stored(QStringLiteral("Panel1_Visible")), QStringLiteral("True"));
    EXPECT_EQ(stored(QStringLiteral("TTesti_Caption")), QStringLiteral("Vanha"));
    EXPECT_EQ(stored(QStringLiteral("CheckBox1_Checked")), QStringLiteral("False"));
    EXPECT_EQ(stored(QStringLiteral("Count"), kKey + QStringLiteral("\\Koko.Memo1_Lines")), QStringLiteral("2"));

    store(QStringLiteral("Panel1_Left"), QStringLiteral("520"));
    store(QStringLiteral("Panel1_Visible"), QStringLiteral("False"));
    store(QStringLiteral("TTesti_Caption"), QStringLiteral("Uusi"));
    store(QStringLiteral("CheckBox1_Checked"), QStringLiteral("True"));
    store(QStringLiteral("CheckBox1_Enabled"), QStringLiteral("False"));
    store(QStringLiteral("TrackBar1_Position"), QStringLiteral("7"));
    int toggles = 0;
    QObject::connect(box, &QCheckBox::toggled, [&] { ++toggles; });
    storage.load();
    EXPECT_EQ(panel->geometry(), QRect(520, 6, 70, 20));
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Uusi"));
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(toggles, 1);
    EXPECT_EQ(slider->value(), 7);
    delete form;
}

TEST_F(FormStorageTest, WindowPlaceOnlyWhenStored) {
    TestForm t(kProbeProperties, true);
    t.form->move(10, 20);
    t.form->resize(300, 200);
    t.storage->save();
    EXPECT_EQ(stored(QStringLiteral("NormPos")), QStringLiteral("10,20,310,220"));
    EXPECT_EQ(stored(QStringLiteral("ShowCmd")), QStringLiteral("1"));
    EXPECT_EQ(stored(QStringLiteral("Flags")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("MinMaxPos")), QStringLiteral("-1,-1,-1,-1"));
    EXPECT_FALSE(stored(QStringLiteral("PixelsPerInch")).toInt() <= 0);

    store(QStringLiteral("NormPos"), QStringLiteral("40,50,240,150"));
    TestForm other(kProbeProperties, true);
    other.storage->load();
    EXPECT_EQ(QRect(other.form->pos(), other.form->size()), QRect(40, 50, 200, 100));

    // A rectangle on no screen, or one that does not read, leaves the window where it is.
    for (const char* bad : {"-9000,-9000,-8800,-8900", "1,2,3", "a,b,c,d"}) {
        store(QStringLiteral("NormPos"), QString::fromLatin1(bad));
        other.storage->load();
        EXPECT_EQ(QRect(other.form->pos(), other.form->size()), QRect(40, 50, 200, 100)) << bad;
    }
}

TEST_F(FormStorageTest, NewerVersionThanStoredLoadsNothing) {
    store(QStringLiteral("Probe1_Number"), QStringLiteral("7"));
    TestForm t({QStringLiteral("Probe1.Number")});
    auto* newer = new FormStorage(t.form, kKey, QStringLiteral("Koko"), false, {QStringLiteral("Probe1.Number")}, 1);
    newer->load();
    EXPECT_EQ(t.probe->property("Number").toInt(), 0);
    t.storage->load();
    EXPECT_EQ(t.probe->property("Number").toInt(), 7);
}

TEST_F(FormStorageTest, LoadAtCreationAndShowSaveAtAcceptedCloseAndDestruction) {
    store(QStringLiteral("Probe1_Number"), QStringLiteral("1"));
    auto* t = new TestForm;
    t->storage->attach();
    EXPECT_EQ(t->probe->property("Number").toInt(), 1); // loaded at creation

    store(QStringLiteral("Probe1_Number"), QStringLiteral("2"));
    t->form->show();
    EXPECT_EQ(t->probe->property("Number").toInt(), 2); // and at each show

    t->probe->setNumber(3);
    t->form->refuseClose = true; // a close the window refuses saves nothing
    EXPECT_FALSE(t->form->close());
    EXPECT_EQ(stored(QStringLiteral("Probe1_Number")), QStringLiteral("2"));
    t->form->refuseClose = false;
    EXPECT_TRUE(t->form->close());
    EXPECT_EQ(stored(QStringLiteral("Probe1_Number")), QStringLiteral("3")); // saved at the close

    // Not shown since that save: destruction writes nothing.
    t->probe->setNumber(4);
    store(QStringLiteral("Probe1_Number"), QStringLiteral("x"));
    delete t;
    EXPECT_EQ(stored(QStringLiteral("Probe1_Number")), QStringLiteral("x"));

    // Shown again, then destroyed while shown: saved with every control still there.
    auto* u = new TestForm;
    u->storage->attach();
    u->form->show();
    u->probe->setNumber(5);
    delete u;
    EXPECT_EQ(stored(QStringLiteral("Probe1_Number")), QStringLiteral("5"));

    // Never shown: saved at destruction too, which keeps its values.
    services.registry.deleteValue(kSection, QStringLiteral("Probe1_Caption"));
    auto* v = new TestForm;
    v->storage->attach();
    delete v;
    EXPECT_EQ(stored(QStringLiteral("Probe1_Caption")), QString());
}

} // namespace

#include "form_storage_test.moc"
