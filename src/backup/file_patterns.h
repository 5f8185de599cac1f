#pragma once

#include <QString>
#include <QStringList>

// Expands the file specifications of a backup into full file paths.
//
// An entry is a file path or a folder path with a wildcard mask
// ("/home/maija/kirjeet/*.txt"); a trailing " /s" also takes every subfolder,
// and the subfolders' files come before the folder's own. Each path is listed
// once, in the order found; the archive itself is left out. Paths keep their
// case: the file system tells "Kirje.txt" from "kirje.txt". The mask "*.*"
// takes every file, dot or no dot, as users of that mask expect.

namespace arkivo::backup {

QStringList expandFilePatterns(const QStringList& patterns, const QString& archiveFile);

} // namespace arkivo::backup
