#include "alarms/note_file.h"

#include "common/rich_text.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextDocument>

namespace arkivo::alarms {

NoteResult loadNote(const QString& path, QTextDocument* document) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, QStringLiteral("Tiedostoa \"%1\" ei voi avata: %2").arg(path, file.errorString())};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false, QStringLiteral("Tiedoston \"%1\" lukeminen epäonnistui: %2").arg(path, file.errorString())};
    if (rtf::looksLikeRtf(data)) {
        rtf::read(data, document);
        document->setModified(false);
        return {};
    }
    if (data.contains('\0'))
        return {false, QStringLiteral("Tiedosto \"%1\" ei ole rtf- eikä tekstitiedosto.").arg(path)};
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (utf8.hasError()) {
        QStringDecoder cp1252("windows-1252");
        text = cp1252.isValid() ? cp1252.decode(data) : QString::fromLatin1(data);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    document->setPlainText(text);
    document->setModified(false);
    return {};
}

NoteResult saveNote(const QString& path, const QTextDocument& document) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, QStringLiteral("Tiedostoa \"%1\" ei voi tallentaa: %2").arg(path, file.errorString())};
    file.write(rtf::write(document));
    if (!file.commit())
        return {false, QStringLiteral("Tiedoston \"%1\" tallentaminen epäonnistui: %2").arg(path, file.errorString())};
    return {};
}

} // namespace arkivo::alarms
