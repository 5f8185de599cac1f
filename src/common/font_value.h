#pragma once

#include <QFont>
#include <QString>
#include <QtGlobal>

// A font as the stored values Charset, Color, Height, Name, Pitch, Size and
// Style (Style as "[fsBold,fsItalic]"). Height is negative pixels at 96 ppi
// (-Size * 96 / 72); Pitch is fpDefault, fpFixed or fpVariable.

namespace arkivo {

struct FontValue {
    int charset = 1;             // DEFAULT_CHARSET
    qint32 color = 0;            // $00BBGGRR
    int height = -11;
    QString name = QStringLiteral("MS Sans Serif");
    QString pitch = QStringLiteral("fpDefault");
    int size = 8;
    QString style = QStringLiteral("[]");

    static FontValue fromQFont(const QFont& font, qint32 color);
    QFont toQFont() const;
    bool operator==(const FontValue&) const = default;
};

// "[fsBold,fsItalic]" <-> QFont flags; false when the text is not a style set.
bool applyFontStyle(QFont& font, const QString& style);
QString fontStyleText(const QFont& font);

} // namespace arkivo
