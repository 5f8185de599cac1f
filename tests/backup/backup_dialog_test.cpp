// TForm2 driven as a user drives it, with scripted answers from the dialogs service.

#include "backup/backup_dialog.h"

#include "backup_fixture.h"
#include "fakes.h"
#include "qt_application.h"
#include "settings/app_link.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace backup_test;
using Answer = arkivo::platform::Dialogs::Answer;

namespace {

class BackupDialog : public TempFolder {
protected:
    void SetUp() override {
        arkivo::test::ensureApplication();
        qputenv("ARKIVO_HOME", path("koti").toUtf8());
        a = put("src/a.txt", text(50000), at20240506());
        b = put("src/Alikansio/b.bin", randomBytes(30000), at20240506());
    }
    void TearDown() override { qunsetenv("ARKIVO_HOME"); }
    QStringList messages() const { return services.dialogs.messages(); }
    // Adds both files and backs them up into k.var with the given title.
    void makeBackup(TForm2& form, const QString& title, bool ids = true) {
        services.dialogs.fileNames = {a, b};
        form.Button1Click();
        form.Button1Click();
        form.EdBackupTitle->setText(title);
        form.CbSaveFileID->setChecked(ids);
        services.dialogs.fileNames = {path("k.var")};
        form.Button2->click();
    }
    void chooseArchive(TForm2& form, const QString& name) {
        form.browseTo(path(""));
        const auto found = form.FileListBox1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        form.FileListBox1->setCurrentItem(found.first());
    }

    arkivo::test::TestServices services;
    QString a, b;
};

TEST_F(BackupDialog, StartsAsDesigned) {
    TForm2 form;
    form.show();
    EXPECT_EQ(form.windowTitle(), "Varmuuskopiointi");
    EXPECT_EQ(form.size(), QSize(541, 445));
    EXPECT_EQ(form.PageControl1->currentIndex(), 0);
    EXPECT_EQ(form.EdBackupTitle->text(), "Kopio");
    EXPECT_TRUE(form.CbSaveFileID->isChecked());
    EXPECT_TRUE(form.rbOrigpath->isChecked());
    EXPECT_FALSE(form.EdPath->isEnabled());
    EXPECT_FALSE(form.CbFullPath->isEnabled());
    EXPECT_FALSE(form.ProgressBar1->isVisible());
    EXPECT_EQ(form.Button1->text(), "&Lisää tiedosto(t) ");
    EXPECT_EQ(form.Button1->toolTip(), "Lisää varmuuskopioitava tiedosto tai tiedostot");
    EXPECT_EQ(form.findChild<QPushButton*>("Button3")->text(), "&Palauta !");
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(services.help.keywords, QStringList{"Varmuuskopiointi"});
}

TEST_F(BackupDialog, AddingFilesAndWildcards) {
    TForm2 form;
    services.dialogs.fileNames = {a};
    form.Button1Click();
    services.dialogs.fileNames = {a};
    form.Button1Click();
    services.dialogs.inputs = {path("src/*.txt /s"), path("src/*.txt /s")};
    form.Button4Click();
    form.Button4Click();
    QStringList items;
    for (int i = 0; i < form.FileListBox->count(); ++i)
        items << form.FileListBox->item(i)->text();
    EXPECT_EQ(items, (QStringList{a, path("src/*.txt /s"), path("src/*.txt /s")}));
    EXPECT_TRUE(
        services.dialogs.log.contains("input: Lisää tiedostoja yleismerkein | Kirjoita hakemistopolku + yleismerkit"));
    form.Button5Click();
    EXPECT_EQ(form.FileListBox->count(), 0);
    form.Button2Click();
    EXPECT_EQ(messages(), QStringList{"Et ole lisännyt yhtään tiedostoa"});
}

TEST_F(BackupDialog, BackupShowsRateThenArchiveShowsTitleSummaryAndFiles) {
    TForm2 form;
    form.show();
    makeBackup(form, "Viikkokopio");
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages().first(),
              QString("Varmuuskopio on tehty. Tiivistyksen määrä = %1 %").arg(form.Backupfile1.CompressionRate()));
    EXPECT_GT(form.Backupfile1.CompressionRate(), 0);
    EXPECT_FALSE(form.ProgressBar1->isVisible());
    EXPECT_EQ(form.Label1->text(), "");

    form.PageControl1->setCurrentIndex(1);
    chooseArchive(form, "k.var");
    EXPECT_EQ(form.Edit2->text(), "Viikkokopio");
    const qint64 total = form.Backupfile1.TotalSize();
    EXPECT_EQ(form.Edit1->text(), QString("2 tiedosto, %1 KB yhteensä").arg(qRound64(total / 1024.0)));
    EXPECT_EQ(form.MeFiles->toPlainText(), a + ". Pvm. 6.5.2024, 50000 tavua\n" + b + ". Pvm. 6.5.2024, 30000 tavua");
}

TEST_F(BackupDialog, ArchiveWithoutIdsSaysSo) {
    TForm2 form;
    makeBackup(form, "Ilman", false);
    chooseArchive(form, "k.var");
    EXPECT_EQ(form.Edit2->text(), "Ilman");
    EXPECT_TRUE(form.Edit1->text().startsWith("2 tiedosto, "));
    EXPECT_EQ(form.MeFiles->toPlainText(), "Tässä paketissa ei ole tiedostojen lisätietoja");
}

TEST_F(BackupDialog, RestoreToOriginalOrAnotherFolder) {
    TForm2 form;
    form.show();
    makeBackup(form, "Kopio");
    chooseArchive(form, "k.var");
    const std::string original = get("src/a.txt");

    // Original places: the changed file is overwritten.
    put("src/a.txt", "muutettu");
    form.Button3->click();
    EXPECT_EQ(get("src/a.txt"), original);
    EXPECT_EQ(messages().last(), "Palautus onnistui, 2 tiedosto 2 palautettu");

    // Another folder: asked for when empty, then flat or with the whole path.
    form.rbOtherPath->click();
    EXPECT_TRUE(form.EdPath->isEnabled());
    EXPECT_TRUE(form.CbFullPath->isEnabled());
    form.Button3->click();
    EXPECT_EQ(messages().last(), "Lisää hakemisto");
    form.EdPath->setText("  " + path("muualle") + " ");
    form.Button3->click();
    EXPECT_EQ(filesUnder("muualle"), (QStringList{"a.txt", "b.bin"}));
    form.CbFullPath->setChecked(true);
    form.Button3->click();
    EXPECT_EQ(get("muualle" + path("src/Alikansio/b.bin")), get("src/Alikansio/b.bin"));

    // Back to the original: the typed folder and the full-path box are out of play.
    form.rbOrigpath->click();
    EXPECT_FALSE(form.EdPath->isEnabled());
    EXPECT_FALSE(form.CbFullPath->isEnabled());
    QDir(path("muualle")).removeRecursively();
    form.Button3->click();
    EXPECT_FALSE(QFileInfo::exists(path("muualle")));
    EXPECT_FALSE(form.Backupfile1.RestoreFullPath());
}

TEST_F(BackupDialog, NothingChosenOrDamagedArchiveEndsTheRestore) {
    TForm2 form;
    form.Button3->click();
    EXPECT_EQ(messages(), QStringList{"Palautus keskeytyi"});
    put("rikki.var", "\x05\0\0\0ab");
    chooseArchive(form, "rikki.var");
    EXPECT_EQ(form.Edit2->text(), "");
    EXPECT_EQ(form.Edit1->text(), "");
    form.Button3->click();
    EXPECT_EQ(messages(),
              (QStringList{"Palautus keskeytyi", "Invalid archive type", "Cannot read archive", "Palautus keskeytyi"}));
}

TEST_F(BackupDialog, FloppyPathAndVolumeSizeSetTheVolumeLimit) {
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(path(""));
    TForm2 form;
    services.dialogs.fileNames = {a};
    form.Button1Click();
    services.dialogs.fileNames = {"a.var"};
    form.Button2Click();
    EXPECT_EQ(messages().first(), "Asema-A on levykeasema - lisää asemaan levyke");
    EXPECT_EQ(form.Backupfile1.MaxSize(), 1400000);

    form.CbVolumeSize->setCurrentIndex(2);
    services.dialogs.fileNames = {path("k.var")};
    form.Button2Click();
    EXPECT_EQ(form.Backupfile1.MaxSize(), 100000000);
    form.CbVolumeSize->setCurrentIndex(0);
    services.dialogs.fileNames = {path("k.var")};
    form.Button2Click();
    EXPECT_EQ(form.Backupfile1.MaxSize(), 0);
    QDir::setCurrent(cwd);
}

// The control panel's handle, as the dialog sees it.
class HandlePanel final : public arkivo::PanelLink {
public:
    HandlePanel() { arkivo::setPanelLink(this); }
    ~HandlePanel() override { arkivo::setPanelLink(nullptr); }
    bool markChecked(const QString&) const override { return false; }
    void setMarkChecked(const QString&, bool) override {}
    void setAlarmIndicator(int, bool) override {}
    void setHandleGrey() override {}
    void setHandleNavy() override { ++navy; }
    QPixmap backgroundPicture() const override { return {}; }
    QWidget* panelWindow() const override { return nullptr; }
    int navy = 0;
};

TEST_F(BackupDialog, CloseDuringARunAsksAndStops) {
    HandlePanel panel;
    put("src/iso.txt", text(3000000));
    TForm2 form;
    form.show();
    services.dialogs.fileNames = {path("src/iso.txt")};
    form.Button1Click();
    services.dialogs.answers = {Answer::Yes};
    bool busyWhenAsked = false;
    bool barShown = false;
    QString fileShown;
    // A zero timer runs whenever the engine lets events through between blocks;
    // a few blocks in, the user clicks "Sulje".
    QTimer tick;
    int ticks = 0;
    QObject::connect(&tick, &QTimer::timeout, &form, [&] {
        if (++ticks != 5)
            return;
        busyWhenAsked = form.Backupfile1.IsBusy();
        barShown = form.ProgressBar1->isVisible();
        fileShown = form.Label1->text();
        form.BtnCancel->click();
    });
    tick.start(0);
    services.dialogs.fileNames = {path("k.var")};
    form.Button2Click();
    EXPECT_TRUE(busyWhenAsked);
    EXPECT_TRUE(barShown);
    EXPECT_EQ(fileShown, path("src/iso.txt"));
    EXPECT_FALSE(form.ProgressBar1->isVisible());
    EXPECT_TRUE(services.dialogs.log.contains("yesno: Arkivo-varoitus | Tahdotko keskeyttää toiminnon?"));
    EXPECT_EQ(messages(), QStringList{"Varmuuskopiointi keskeytyi!"});
    EXPECT_FALSE(QFileInfo::exists(path("k.var")));
    EXPECT_TRUE(form.isVisible()); // stopping is not closing
    form.BtnCancel->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(panel.navy, 1); // the panel's handle turns navy again at close
}

} // namespace
