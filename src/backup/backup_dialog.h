#pragma once

#include "backup/backup_file.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeView;
class QFileSystemModel;

// The backup dialog: collect files and make an archive on the first page,
// browse for an archive, see its contents and restore it on the second. It
// keeps nothing between openings; the engine does the work, the dialog only
// passes it the user's choices and shows what comes back.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    arkivo::backup::TBackupFile Backupfile1;

    QTabWidget* PageControl1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label1 = nullptr;

    // "Tee varmuuskopio"
    QListWidget* FileListBox = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EdBackupTitle = nullptr;
    QCheckBox* CbSaveFileID = nullptr;
    QLabel* LbVolumeSize = nullptr;
    QComboBox* CbVolumeSize = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* BtnCancel = nullptr;

    // "Palauta varmuuskopiosta"
    QComboBox* DriveComboBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPlainTextEdit* MeFiles = nullptr;
    QGroupBox* gbRestorepath = nullptr;
    QRadioButton* rbOrigpath = nullptr;
    QRadioButton* rbOtherPath = nullptr;
    QLineEdit* EdPath = nullptr;
    QCheckBox* CbFullPath = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button6 = nullptr;

    // The archive chosen in FileListBox1 (full path), empty when none.
    QString selectedArchive() const;
    // Shows the drive (mount point) and folder in the browser of the second page.
    void browseTo(const QString& folder);

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button7Click();
    void BtnCancelClick();
    void FileListBox1Click();
    void rbOrigpathClick();
    void Backupfile1Progress(arkivo::backup::TBackupFile& sender, const QString& fileName,
                             arkivo::backup::TPercentage percent, bool& cont);
    void FormShow();
    void FormActivate();
    void FormClose();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void buildBackupPage(QWidget* page);
    void buildRestorePage(QWidget* page);
    void DriveComboBox1Change();
    void DirectoryListBox1Change();

    QFileSystemModel* m_folders = nullptr;
    QString m_folder;
    class DialogPrompts;
    DialogPrompts* m_prompts = nullptr;
};
