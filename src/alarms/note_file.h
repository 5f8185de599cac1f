#pragma once

#include <QFont>
#include <QObject>
#include <QString>

class QTextDocument;

namespace arkivo::alarms {

struct NoteResult {
    bool ok = true;
    QString error; // Finnish text for the error box when !ok
};

// Reads a note file into `document`: rich text when the file is rich text,
// else plain text (UTF-8, or the Windows code page when it is not valid
// UTF-8). A file that cannot be read, or holds binary data, leaves the
// document as it was.
NoteResult loadNote(const QString& path, QTextDocument* document);
// Writes the document as rich text whatever the name's extension; the file
// is replaced only when the whole text has been written.
NoteResult saveNote(const QString& path, const QTextDocument& document);

// What a note keeps of its file dialogs between runs.
class FileDialogState : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FileName MEMBER fileName)
    Q_PROPERTY(QString Filter MEMBER filter)
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)
public:
    FileDialogState(const QString& name, const QString& filter, QObject* parent) : QObject(parent), filter(filter) {
        setObjectName(name);
    }
    QString fileName;
    QString filter;
};

// The font dialog's starting font, kept between runs.
class FontDialogState : public QObject {
    Q_OBJECT
    Q_PROPERTY(QFont Font MEMBER font)
public:
    FontDialogState(const QString& name, const QFont& font, QObject* parent) : QObject(parent), font(font) {
        setObjectName(name);
    }
    QFont font;
};

} // namespace arkivo::alarms
