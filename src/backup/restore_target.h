#pragma once

#include "backup/backup_file.h"

#include <QString>

// Where a stored file goes, and whether it goes at all.

namespace arkivo::backup {

struct RestoreTarget {
    QString path;
    bool safe = false; // false: the record must be skipped
};

// folder empty: the stored path itself, which must be absolute. Otherwise the
// folder (ending in '/') plus the stored file name, or with fullPath the whole
// stored path without its root ("/", or a drive such as "c:\" in an archive
// made on Windows, whose backslashes are separators). A ".." component is
// never followed, so nothing lands outside the folder.
RestoreTarget restoreTarget(const QString& stored, const QString& folder, bool fullPath);

// The restore mode's rule, comparing the existing file's date with the stored one.
bool shouldRestore(const QString& path, quint32 storedDosTime, TRestoreMode mode);

} // namespace arkivo::backup
