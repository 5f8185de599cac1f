#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// The program's one rich-text (RTF) reader and writer. Qt has none.
// Writes plain text, paragraphs, bold, italic, underline, font, size and
// colour runs; non-ASCII as \uN with a '?' fallback. Reads the same plus
// \'xx escapes in the document's code page (cp1252 by default), skips unknown
// destinations ({\*\...}, fonttbl/colortbl/stylesheet/info/pict), and reads a
// damaged file as far as it goes without crashing.

namespace arkivo::rtf {

QByteArray write(const QTextDocument& document);
QByteArray fromPlainText(const QString& text, const QString& fontName = QStringLiteral("Courier New"),
                         int pointSize = 10);

// Fills `document` (cleared first only when reading succeeds). Returns false
// when the data does not start like rich text ("{\rtf").
bool read(const QByteArray& data, QTextDocument* document);
bool looksLikeRtf(const QByteArray& data);

} // namespace arkivo::rtf
