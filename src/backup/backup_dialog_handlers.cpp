// TForm2: what the buttons, lists and the engine's progress do.

#include "backup/backup_dialog.h"

#include "backup/backup_prompts.h"

#include "common/dos_datetime.h"
#include "common/finnish_format.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/program_folder.h"
#include "platform/services.h"
#include "settings/app_link.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTreeView>

#include <cmath>

using arkivo::platform::dialogs;

void TForm2::DialogPrompts::showError(const QString& text) {
    dialogs().message(text, QStringLiteral("Arkivo-viesti"), arkivo::platform::Dialogs::Icon::Error);
}

bool TForm2::DialogPrompts::askForDisk(const QString& text) {
    return dialogs().askOkCancel(text, QStringLiteral("Arkivo-viesti")) == arkivo::platform::Dialogs::Answer::Ok;
}

void TForm2::Button1Click() {
    const QStringList chosen =
        dialogs().openFileNames(QStringLiteral("Lisää tiedosto(t)"), QString(), QStringLiteral("Kaikki tiedostot (*)"));
    for (const QString& name : chosen) {
        // Names keep their case: the file system tells them apart.
        const QString path = QDir::cleanPath(QFileInfo(name).absoluteFilePath());
        if (FileListBox->findItems(path, Qt::MatchExactly).isEmpty())
            FileListBox->addItem(path);
    }
}

void TForm2::Button4Click() {
    QString folder = arkivo::platform::programFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const std::optional<QString> pattern =
        dialogs().inputBox(QStringLiteral("Lisää tiedostoja yleismerkein"),
                           QStringLiteral("Kirjoita hakemistopolku + yleismerkit"), folder + QStringLiteral("*.*"));
    if (pattern)
        FileListBox->addItem(*pattern);
}

void TForm2::Button5Click() {
    FileListBox->clear();
}

void TForm2::Button7Click() {
    arkivo::platform::help().show(QStringLiteral("Varmuuskopiointi"));
}

void TForm2::Button2Click() {
    if (FileListBox->count() == 0) {
        dialogs().message(QStringLiteral("Et ole lisännyt yhtään tiedostoa"));
        return;
    }
    const QString archive = dialogs().saveFileName(QStringLiteral("Tee varmuuskopio"), QString(),
                                                   QStringLiteral("Varmuuskopio (*.var)"), QStringLiteral("var"));
    if (archive.isEmpty())
        return;
    qint32 volumeSize = CbVolumeSize->currentData().toInt();
    if (archive.left(1).toUpper() == QLatin1String("A")) {
        dialogs().message(QStringLiteral("Asema-A on levykeasema - lisää asemaan levyke"));
        volumeSize = 1400000;
    }
    Backupfile1.setMaxSize(volumeSize);
    Backupfile1.setBackupTitle(EdBackupTitle->text());
    Backupfile1.setSaveFileID(CbSaveFileID->isChecked());

    QStringList patterns;
    for (int i = 0; i < FileListBox->count(); ++i)
        patterns << FileListBox->item(i)->text();
    if (Backupfile1.Backup(patterns, archive))
        dialogs().message(
            QStringLiteral("Varmuuskopio on tehty. Tiivistyksen määrä = %1 %").arg(Backupfile1.CompressionRate()));
    else
        dialogs().message(QStringLiteral("Varmuuskopiointi keskeytyi!"));
    browseTo(QFileInfo(archive).absolutePath());
}

void TForm2::Backupfile1Progress(arkivo::backup::TBackupFile&, const QString& fileName,
                                 arkivo::backup::TPercentage percent, bool&) {
    ProgressBar1->setVisible(percent < 100);
    if (percent < 100) {
        ProgressBar1->setValue(percent);
        Label1->setText(fileName);
    } else {
        Label1->clear();
    }
}

QString TForm2::selectedArchive() const {
    const QListWidgetItem* item = FileListBox1->currentItem();
    return item ? QDir(m_folder).filePath(item->text()) : QString();
}

void TForm2::FileListBox1Click() {
    MeFiles->clear();
    const QString archive = selectedArchive();
    if (archive.isEmpty())
        return;
    QStringList ids;
    QString title;
    Backupfile1.GetArchiveInfo(archive, &ids, title);
    Edit2->setText(title);
    if (title.isEmpty()) {
        Edit1->clear();
        return;
    }
    // Kibibytes rounded half to even, as the summary always did.
    const double kib = std::nearbyint(double(Backupfile1.TotalSize()) / 1024.0);
    Edit1->setText(QStringLiteral("%1 tiedosto, %2 KB yhteensä").arg(Backupfile1.FileCount()).arg(qint64(kib)));
    QStringList lines;
    for (const QString& id : ids) {
        const int tab = id.indexOf(QLatin1Char('\t'));
        const int eq = id.indexOf(QLatin1Char('='));
        const QString when = id.mid(tab + 1, eq - tab - 1);
        const QDateTime dt = arkivo::fromDosDateTime(when.toUInt());
        lines << id.left(tab) + QStringLiteral(". Pvm. ") + arkivo::fi::shortDate(dt.date()) + QStringLiteral(", ") +
                     id.mid(eq + 1) + QStringLiteral(" tavua");
    }
    if (lines.isEmpty())
        lines << QStringLiteral("Tässä paketissa ei ole tiedostojen lisätietoja");
    MeFiles->setPlainText(lines.join(QLatin1Char('\n')));
}

void TForm2::rbOrigpathClick() {
    const bool other = rbOtherPath->isChecked();
    EdPath->setEnabled(other);
    CbFullPath->setEnabled(other);
    if (other)
        EdPath->setFocus();
}

void TForm2::Button3Click() {
    QString folder;
    if (!rbOrigpath->isChecked()) {
        folder = EdPath->text().trimmed();
        if (folder.isEmpty()) {
            dialogs().message(QStringLiteral("Lisää hakemisto"));
            return;
        }
    }
    Backupfile1.setRestoreFullPath(CbFullPath->isEnabled() && CbFullPath->isChecked());
    const QString archive = selectedArchive();
    if (!archive.isEmpty() && Backupfile1.Restore(archive, folder))
        dialogs().message(QStringLiteral("Palautus onnistui, %1 tiedosto %2 palautettu")
                              .arg(Backupfile1.ProcessedFiles())
                              .arg(Backupfile1.FileCount()));
    else
        dialogs().message(QStringLiteral("Palautus keskeytyi"));
}

void TForm2::BtnCancelClick() {
    if (!Backupfile1.IsBusy()) {
        close();
        return;
    }
    if (dialogs().askYesNo(QStringLiteral("Tahdotko keskeyttää toiminnon?")) == arkivo::platform::Dialogs::Answer::Yes)
        Backupfile1.Stop();
}

void TForm2::browseTo(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString root = QStorageInfo(path).rootPath();
    const QSignalBlocker block(DriveComboBox1);
    const int drive = DriveComboBox1->findData(root);
    if (drive >= 0)
        DriveComboBox1->setCurrentIndex(drive);
    const QModelIndex index = m_folders->index(path);
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index);
    m_folder = path;
    DirectoryListBox1Change();
}

void TForm2::DriveComboBox1Change() {
    const QString root = DriveComboBox1->currentData().toString();
    const QModelIndex index = m_folders->index(root);
    DirectoryListBox1->setRootIndex(index.parent().isValid() ? index.parent() : QModelIndex());
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->expand(index);
}

void TForm2::DirectoryListBox1Change() {
    const QModelIndex current = DirectoryListBox1->currentIndex();
    if (current.isValid())
        m_folder = m_folders->filePath(current);
    FileListBox1->clear();
    const QStringList archives = QDir(m_folder).entryList({QStringLiteral("*.var")}, QDir::Files, QDir::Name);
    FileListBox1->addItems(archives);
    Edit1->clear();
    Edit2->clear();
    MeFiles->clear();
}

void TForm2::FormShow() {
    PageControl1->setCurrentIndex(0);
}

void TForm2::FormActivate() {
    if (arkivo::PanelLink* panel = arkivo::panelLink())
        panel->setHandleGrey();
}

void TForm2::FormClose() {
    if (arkivo::PanelLink* panel = arkivo::panelLink())
        panel->setHandleNavy();
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        Button7Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm2::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TForm2::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QDialog::changeEvent(event);
}

void TForm2::closeEvent(QCloseEvent* event) {
    // A run in progress is asked about first, like the close buttons do.
    if (Backupfile1.IsBusy()) {
        event->ignore();
        BtnCancelClick();
        return;
    }
    QDialog::closeEvent(event);
}

void TForm2::done(int result) {
    if (Backupfile1.IsBusy()) {
        BtnCancelClick();
        return;
    }
    FormClose();
    QDialog::done(result);
}
