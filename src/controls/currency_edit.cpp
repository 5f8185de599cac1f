#include "controls/currency_edit.h"

#include "common/finnish_format.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include <cmath>

namespace arkivo::controls {

CurrencyEdit::CurrencyEdit(const QString& name, int decimals, QWidget* parent)
    : QLineEdit(parent), m_decimals(decimals) {
    setObjectName(name);
    setMaxLength(10);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (const auto v = fi::parseNumber(text.trimmed()))
            m_value = *v;
        else if (text.trimmed().isEmpty())
            m_value = 0;
        emit changed();
    });
}

long double CurrencyEdit::rounded(long double v) const {
    const long double scale = std::pow(10.0L, m_decimals);
    return std::round(v * scale) / scale;
}

void CurrencyEdit::setValue(long double value) {
    m_value = std::isfinite(value) ? rounded(value) : 0;
    showValue();
    emit changed();
}

void CurrencyEdit::setAmountText(const QString& text) {
    const auto v = fi::parseNumber(text.trimmed());
    setValue(v ? *v : 0);
}

void CurrencyEdit::clearAmount() {
    setValue(0);
}

std::optional<long double> CurrencyEdit::amount() const {
    if (text().trimmed().isEmpty())
        return std::nullopt;
    if (!m_editing)
        return m_value;
    return fi::parseNumber(text().trimmed());
}

void CurrencyEdit::showValue() {
    QString shown;
    if (m_value != 0)
        shown = m_editing ? fi::formatGeneral(m_value, 15) : fi::formatFixed(m_value, 2, true);
    if (shown != text()) {
        const QSignalBlocker block(this);
        setText(shown);
    }
}

void CurrencyEdit::focusInEvent(QFocusEvent* event) {
    m_editing = true;
    showValue();
    QLineEdit::focusInEvent(event);
}

void CurrencyEdit::focusOutEvent(QFocusEvent* event) {
    // What was typed is kept to the edit's decimals.
    m_value = rounded(m_value);
    m_editing = false;
    showValue();
    QLineEdit::focusOutEvent(event);
}

void CurrencyEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    emit clicked();
}

void CurrencyEdit::keyPressEvent(QKeyEvent* event) {
    // Only what a number can hold; a full stop is taken as the decimal comma.
    const QString t = event->text();
    if (t.size() == 1 && t.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QChar c = t.at(0);
        if (c == QLatin1Char('.')) {
            insert(QStringLiteral(","));
            emit textEdited(text());
            return;
        }
        if (!c.isDigit() && c != QLatin1Char(',') && c != QLatin1Char('-'))
            return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace arkivo::controls
