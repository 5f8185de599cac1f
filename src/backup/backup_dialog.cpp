// TForm2: construction of the backup dialog's two pages and progress strip.

#include "backup/backup_dialog.h"

#include "backup/backup_prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTreeView>

namespace {

template <typename W> W* named(W* widget, const char* name, const QString& hint = QString()) {
    widget->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        widget->setToolTip(hint);
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                    const QRect& place) {
    auto* b = named(new QPushButton(caption, parent), name, hint);
    b->setGeometry(place);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Varmuuskopiointi"));
    setFixedSize(541, 445);
    setModal(true);

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    PageControl1->setGeometry(0, 0, 541, 429);
    auto* backupPage = named(new QWidget, "TabSheet1");
    auto* restorePage = named(new QWidget, "TabSheet2");
    PageControl1->addTab(backupPage, QStringLiteral("Tee varmuuskopio"));
    PageControl1->addTab(restorePage, QStringLiteral("Palauta varmuuskopiosta"));
    buildBackupPage(backupPage);
    buildRestorePage(restorePage);

    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setGeometry(0, 429, 270, 16);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    Label1 = named(new QLabel(this), "Label1");
    Label1->setGeometry(274, 429, 263, 16);

    // Fixed settings of the engine; the rest is set before each run.
    using namespace arkivo::backup;
    Backupfile1.setBackupMode(bmAll);
    Backupfile1.setCompressionLevel(clFastest);
    Backupfile1.setRestoreMode(rmAll);
    Backupfile1.setSetArchiveFlag(true);
    Backupfile1.setMaxSize(0);
    Backupfile1.OnProgress = [this](TBackupFile& sender, const QString& name, TPercentage percent, bool& cont) {
        Backupfile1Progress(sender, name, percent, cont);
    };
    m_prompts = new DialogPrompts;
    Backupfile1.setPrompts(m_prompts);

    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

TForm2::~TForm2() {
    Backupfile1.setPrompts(nullptr);
    delete m_prompts;
}

void TForm2::buildBackupPage(QWidget* page) {
    FileListBox = named(new QListWidget(page), "FileListBox");
    FileListBox->setGeometry(8, 8, 300, 385);

    Button1 = button(page, "Button1", QStringLiteral("&Lisää tiedosto(t) "),
                     QStringLiteral("Lisää varmuuskopioitava tiedosto tai tiedostot"), {320, 8, 205, 27});
    Button4 = button(page, "Button4", QStringLiteral("&Käytä yleismerkkejä"),
                     QStringLiteral("Lisää varmuuskopioitavat tiedostot käyttäen yleismerkkejä"), {320, 40, 205, 27});
    Button5 =
        button(page, "Button5", QStringLiteral("&Tyhjennä"), QStringLiteral("Tyhjennä näyttö"), {320, 72, 205, 27});

    Label2 = named(new QLabel(QStringLiteral("&Paketin otsikko:"), page), "Label2", QStringLiteral("Paketin otsikko"));
    Label2->setGeometry(320, 110, 205, 16);
    EdBackupTitle = named(new QLineEdit(QStringLiteral("Kopio"), page), "EdBackupTitle",
                          QStringLiteral("Kirjoita tähän paketille kuvaava nimi"));
    EdBackupTitle->setGeometry(320, 128, 205, 23);
    Label2->setBuddy(EdBackupTitle);

    CbSaveFileID = named(new QCheckBox(QStringLiteral("T&allenna tiedot"), page), "CbSaveFileID",
                         QStringLiteral("Lisätään muistiin tiedoston koko ja ikä"));
    CbSaveFileID->setGeometry(320, 160, 205, 20);
    CbSaveFileID->setChecked(true);

    // Volumes for removable media; the floppy rule of the save path still applies.
    LbVolumeSize = named(new QLabel(QStringLiteral("&Osan koko:"), page), "LbVolumeSize");
    LbVolumeSize->setGeometry(320, 190, 205, 16);
    CbVolumeSize = named(new QComboBox(page), "CbVolumeSize",
                         QStringLiteral("Jaetaan paketti osiin siirrettävälle tallennusvälineelle"));
    CbVolumeSize->setGeometry(320, 208, 205, 23);
    CbVolumeSize->addItem(QStringLiteral("Ei jakoa"), 0);
    CbVolumeSize->addItem(QStringLiteral("1,44 MB"), 1400000);
    CbVolumeSize->addItem(QStringLiteral("100 MB"), 100000000);
    CbVolumeSize->addItem(QStringLiteral("700 MB"), 700000000);
    CbVolumeSize->addItem(QStringLiteral("2000 MB"), 2000000000);
    LbVolumeSize->setBuddy(CbVolumeSize);

    Button2 = button(page, "Button2", QStringLiteral("Tee &varmuuskopio !"), QStringLiteral("Tee varmuuskopio"),
                     {320, 250, 205, 35});
    Button7 = button(page, "Button7", QStringLiteral("Ohje F1"), QStringLiteral("Ohje"), {320, 330, 100, 27});
    BtnCancel = button(page, "BtnCancel", QStringLiteral("&Sulje"), QStringLiteral("Sulje sivu"), {425, 330, 100, 27});

    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &TForm2::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm2::Button5Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(Button7, &QPushButton::clicked, this, &TForm2::Button7Click);
    connect(BtnCancel, &QPushButton::clicked, this, &TForm2::BtnCancelClick);
}

void TForm2::buildRestorePage(QWidget* page) {
    DriveComboBox1 = named(new QComboBox(page), "DriveComboBox1", QStringLiteral("Valitse asema"));
    DriveComboBox1->setGeometry(8, 8, 200, 23);
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString fs = QString::fromLatin1(volume.fileSystemType());
        static const QStringList pseudo = {"proc",        "sysfs",     "devpts",   "cgroup",  "cgroup2",
                                           "securityfs",  "debugfs",   "tracefs",  "mqueue",  "pstore",
                                           "bpf",         "hugetlbfs", "configfs", "fusectl", "autofs",
                                           "binfmt_misc", "devtmpfs",  "nsfs",     "overlay"};
        if (pseudo.contains(fs) && volume.rootPath() != QLatin1String("/"))
            continue;
        DriveComboBox1->addItem(volume.rootPath(), volume.rootPath());
    }
    if (DriveComboBox1->findData(QStringLiteral("/")) < 0)
        DriveComboBox1->insertItem(0, QStringLiteral("/"), QStringLiteral("/"));

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QStringLiteral("/"));
    DirectoryListBox1 = named(new QTreeView(page), "DirectoryListBox1", QStringLiteral("Hakemistot"));
    DirectoryListBox1->setGeometry(8, 36, 200, 170);
    DirectoryListBox1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->header()->hide();

    FileListBox1 = named(new QListWidget(page), "FileListBox1", QStringLiteral("Varmuuskopioidut tiedostot"));
    FileListBox1->setGeometry(8, 212, 200, 181);

    Label3 = named(new QLabel(QStringLiteral("Paketin otsikko:"), page), "Label3");
    Label3->setGeometry(216, 8, 309, 16);
    Edit2 = named(new QLineEdit(page), "Edit2", QStringLiteral("Paketin otsikko"));
    Edit2->setGeometry(216, 24, 309, 23);
    Edit2->setReadOnly(true);
    Label4 = named(new QLabel(QStringLiteral("Sisällys:"), page), "Label4");
    Label4->setGeometry(216, 50, 309, 16);
    Edit1 = named(new QLineEdit(page), "Edit1", QStringLiteral("Paketin sisältö"));
    Edit1->setGeometry(216, 66, 309, 23);
    Edit1->setReadOnly(true);
    MeFiles = named(new QPlainTextEdit(page), "MeFiles", QStringLiteral("Paketin sisältö"));
    MeFiles->setGeometry(216, 94, 309, 122);
    MeFiles->setReadOnly(true);
    MeFiles->setLineWrapMode(QPlainTextEdit::NoWrap);
    MeFiles->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MeFiles->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    gbRestorepath = named(new QGroupBox(QStringLiteral("Palautushakemisto"), page), "gbRestorepath",
                          QStringLiteral("Palautushakemisto"));
    gbRestorepath->setGeometry(216, 222, 309, 130);
    rbOrigpath = named(new QRadioButton(QStringLiteral("&Alkuperäinen (ylikirjoitetaan samannimiset)"), gbRestorepath),
                       "rbOrigpath", QStringLiteral("Tiedosto(t) palautetaan alkuperäiseen hakemistoon"));
    rbOrigpath->setGeometry(8, 20, 295, 20);
    rbOrigpath->setChecked(true);
    rbOtherPath = named(new QRadioButton(QStringLiteral("Vaihdetaan &hakemistoa:"), gbRestorepath), "rbOtherPath",
                        QStringLiteral("Tiedosto(t) palautetaan uuteen hakemistoon"));
    rbOtherPath->setGeometry(8, 44, 295, 20);
    EdPath = named(new QLineEdit(gbRestorepath), "EdPath", QStringLiteral("Kirjoita uusi hakemistopolku tähän"));
    EdPath->setGeometry(26, 68, 275, 23);
    EdPath->setEnabled(false);
    CbFullPath = named(new QCheckBox(QStringLiteral("S&äilytetään koko hakemistopolku"), gbRestorepath), "CbFullPath",
                       QStringLiteral("Säilytetään alkuperäiset hakemistokansiot, mutta uuteen asemaan (kirjoita "
                                      "aseman kirjain tekstiruutuun)"));
    CbFullPath->setGeometry(26, 98, 275, 20);
    CbFullPath->setEnabled(false);

    Button3 = button(page, "Button3", QStringLiteral("&Palauta !"),
                     QStringLiteral("Palautetaan varmuuskopioidut tiedot"), {216, 362, 150, 31});
    Button6 = button(page, "Button6", QStringLiteral("&Sulje"), QStringLiteral("Sulje sivu"), {425, 362, 100, 31});

    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &TForm2::DriveComboBox1Change);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TForm2::DirectoryListBox1Change);
    connect(FileListBox1, &QListWidget::currentRowChanged, this, &TForm2::FileListBox1Click);
    connect(rbOrigpath, &QRadioButton::clicked, this, &TForm2::rbOrigpathClick);
    connect(rbOtherPath, &QRadioButton::clicked, this, &TForm2::rbOrigpathClick);
    connect(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
    connect(Button6, &QPushButton::clicked, this, &TForm2::BtnCancelClick);

    browseTo(QDir::homePath());
}
