#include "alarms/file_filter.h"

#include <QRegularExpression>
#include <QStringList>

namespace arkivo::alarms {

namespace {

QString normalisedPatterns(QString patterns) {
    patterns.replace(u';', u' ').replace(u',', u' ');
    return patterns.simplified();
}

} // namespace

QString dialogFilter(const QString& pairs) {
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patterns = normalisedPatterns(parts.at(i + 1));
        static const QRegularExpression trailing(QStringLiteral("\\(([^()]*)\\)\\s*$"));
        const QRegularExpressionMatch m = trailing.match(description);
        if (m.hasMatch() && normalisedPatterns(m.captured(1)) == patterns)
            filters << description;
        else
            filters << description + QStringLiteral(" (") + patterns + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace arkivo::alarms
