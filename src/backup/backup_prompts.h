#pragma once

#include "backup/backup_dialog.h"
#include "backup/backup_file.h"

// The engine's error messages and volume questions in the dialogs service.
class TForm2::DialogPrompts final : public arkivo::backup::BackupPrompts {
public:
    void showError(const QString& text) override;
    bool askForDisk(const QString& text) override;
};
