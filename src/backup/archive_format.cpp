#include "backup/archive_format.h"

#include <QStringDecoder>

namespace arkivo::backup {

QString volumeName(const QString& firstVolume, int number) {
    const int slash = firstVolume.lastIndexOf(QLatin1Char('/'));
    const int dot = firstVolume.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > slash ? firstVolume.left(dot) : firstVolume;
    return stem + QStringLiteral(".%1").arg(number, 3, 10, QLatin1Char('0'));
}

QByteArray encodeStoredText(const QString& text) {
    return text.toUtf8();
}

QString decodeStoredText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

} // namespace arkivo::backup
