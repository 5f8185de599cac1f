#include "common/font_value.h"

#include <QStringList>

#include <cmath>

namespace arkivo {

namespace {

struct StyleName {
    const char* name;
    bool (QFont::*get)() const;
    void (QFont::*set)(bool);
};

const StyleName kStyles[] = {
    {"fsBold", &QFont::bold, &QFont::setBold},
    {"fsItalic", &QFont::italic, &QFont::setItalic},
    {"fsUnderline", &QFont::underline, &QFont::setUnderline},
    {"fsStrikeOut", &QFont::strikeOut, &QFont::setStrikeOut},
};

constexpr int kScreenPpi = 96;

} // namespace

FontValue FontValue::fromQFont(const QFont& font, qint32 color) {
    FontValue v;
    v.color = color;
    v.name = font.family();
    int size = font.pointSize();
    if (size <= 0 && font.pixelSize() > 0)
        size = int(std::lround(font.pixelSize() * 72.0 / kScreenPpi));
    if (size <= 0)
        size = int(std::lround(font.pointSizeF()));
    v.size = size;
    v.height = -int(std::lround(size * double(kScreenPpi) / 72.0));
    v.pitch = font.fixedPitch() ? QStringLiteral("fpFixed") : QStringLiteral("fpDefault");
    v.style = fontStyleText(font);
    return v;
}

QFont FontValue::toQFont() const {
    QFont font;
    if (!name.isEmpty())
        font.setFamily(name);
    // Size wins; a height alone (negative: character pixels) also gives it.
    int points = size;
    if (points <= 0 && height != 0)
        points = int(std::lround(std::abs(height) * 72.0 / kScreenPpi));
    if (points > 0)
        font.setPointSize(points);
    if (pitch == QLatin1String("fpFixed")) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    }
    applyFontStyle(font, style);
    return font;
}

bool applyFontStyle(QFont& font, const QString& style) {
    const QString t = style.trimmed();
    if (!t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']')))
        return false;
    const QString inner = t.mid(1, t.size() - 2).trimmed();
    bool on[std::size(kStyles)] = {};
    if (!inner.isEmpty()) {
        for (const QString& member : inner.split(QLatin1Char(','))) {
            bool known = false;
            for (std::size_t k = 0; k < std::size(kStyles); ++k)
                if (member.trimmed().compare(QLatin1String(kStyles[k].name), Qt::CaseInsensitive) == 0) {
                    on[k] = known = true;
                }
            if (!known)
                return false;
        }
    }
    for (std::size_t k = 0; k < std::size(kStyles); ++k)
        (font.*kStyles[k].set)(on[k]);
    return true;
}

QString fontStyleText(const QFont& font) {
    QStringList members;
    for (const StyleName& s : kStyles)
        if ((font.*s.get)())
            members << QLatin1String(s.name);
    return QLatin1Char('[') + members.join(QLatin1Char(',')) + QLatin1Char(']');
}

} // namespace arkivo
