#include "tape_engine.h"

#include "common/finnish_format.h"

#include <charconv>
#include <cmath>

namespace arkivo::calculators {

namespace {

constexpr QChar kComma = QLatin1Char(',');

bool isOperatorCode(int code) {
    return code == TapeEngine::kTimes || code == TapeEngine::kPlus || code == TapeEngine::kMinus ||
           code == TapeEngine::kDivide || code == TapeEngine::kEquals;
}

} // namespace

TapeEngine::TapeEngine() {
    resetCalculator();
}

void TapeEngine::setDecimals(int n) {
    m_decimals = std::clamp(n, 0, 14);
}

QString TapeEngine::formatValue(long double value, int decimals) {
    // The fixed form holds 18 significant digits of an 80-bit value; past that
    // the general form keeps the magnitude readable.
    if (std::isfinite(value) && std::fabs(value) < 1e18L)
        return fi::formatFixed(value, decimals, true);
    return fi::formatGeneral(value, 18);
}

QString TapeEngine::alignRight(const QString& text) {
    return text.size() >= kTapeWidth ? text : QString(kTapeWidth - text.size(), QLatin1Char(' ')) + text;
}

QStringList TapeEngine::header(const QString& caption) {
    return {alignRight(caption), alignRight(QString()), starLine()};
}

QStringList TapeEngine::dateLines(const QDateTime& now) {
    return {QStringLiteral("  ") + fi::shortDate(now.date()) + QLatin1Char(' ') + fi::longTime(now.time()), starLine()};
}

void TapeEngine::addLine(QStringList& lines, const QString& text, bool stars) const {
    lines << alignRight(text);
    if (stars)
        lines << starLine();
}

void TapeEngine::showValue(long double value) {
    m_displayedValue = value;
    m_displayText = formatValue(value, m_decimals) + QLatin1Char(' ');
}

long double TapeEngine::parsedEntry() const {
    // The entry text holds only digits, at most one separator and possibly a
    // leading blank (after percent); a lone separator reads as 0.
    QByteArray text = m_entryText.trimmed().toLatin1();
    text.replace(',', '.');
    if (text.isEmpty() || text == ".")
        return 0;
    long double value = 0;
    std::from_chars(text.constData(), text.constData() + text.size(), value);
    return value;
}

void TapeEngine::resetCalculator() {
    m_integerPart = true;
    m_fractionDigits = 0;
    m_pending = QLatin1Char(' ');
    m_displayedValue = m_accumulator = m_entry = m_previousEntry = 0;
    showValue(0);
    m_entryText.clear();
}

TapeEngine::Outcome TapeEngine::press(int code) {
    if (code == kEnter)
        code = kEquals;
    m_previousKey = m_key;
    m_key = code;
    m_error = false;

    Outcome out;
    if (code >= '0' && code <= '9')
        digit(code);
    else if (code == kSeparator)
        separator();
    else if (code == kBackspace)
        backspace();
    else if (isOperatorCode(code))
        operation(code, out.lines);
    else if (code == kPercent)
        percent(out.lines);
    else if (code == kMemoryAdd || code == kMemorySubtract)
        memoryAddSubtract(code, out.lines);
    else if (code == kMemoryTotal) {
        // The recalled memory becomes the entry, so the next operator works
        // with the number the display and the tape show.
        showValue(m_memory);
        addLine(out.lines, m_displayText + QStringLiteral("MY"));
        m_entry = m_memory;
        m_entryText.clear();
        m_integerPart = true;
        m_fractionDigits = 0;
    } else if (code == kMemoryClear) {
        addLine(out.lines, QStringLiteral("MT"));
        clearMemory();
    } else if (code == kClearDisplay)
        clearDisplay(out.lines);
    else if (code == kDecimals)
        out.request = Request::DecimalsEditor;
    else if (code == kClose || code == 1)
        out.request = Request::Close;
    else if (code == kPrint)
        out.request = Request::Print;
    return out;
}

void TapeEngine::digit(int code) {
    if (m_integerPart)
        m_fractionDigits = 0;
    else
        ++m_fractionDigits;
    if (m_fractionDigits > m_decimals) {
        m_fractionDigits = m_decimals;
        return;
    }
    // At most 23 characters; a digit past that is dropped.
    if (m_entryText.size() <= kTapeWidth)
        m_entryText += QChar(char16_t(code));
    m_entry = parsedEntry();
    showValue(m_entry);
}

void TapeEngine::separator() {
    if (!m_integerPart)
        return;
    m_integerPart = false;
    m_fractionDigits = 0;
    m_entryText += kComma;
    m_entry = parsedEntry();
    showValue(m_entry);
}

void TapeEngine::backspace() {
    if (!m_entryText.isEmpty()) {
        if (m_entryText.endsWith(kComma)) {
            // Only the separator goes: "12," becomes "12", not "1".
            m_entryText.chop(1);
            m_integerPart = true;
        } else {
            m_entryText.chop(1);
            if (m_fractionDigits > 0)
                --m_fractionDigits;
        }
    }
    m_entry = m_entryText.isEmpty() ? 0 : parsedEntry();
    showValue(m_entry);
}

void TapeEngine::operation(int code, QStringList& lines) {
    m_integerPart = true;
    m_fractionDigits = 0;
    // An operator right after an operator (or "=") repeats the last entry: 5 + = gives 10.
    if (isOperatorCode(m_previousKey)) {
        m_entry = m_previousEntry;
        showValue(m_entry);
    }
    switch (m_pending.unicode()) {
    case '+':
        addLine(lines, m_displayText + QStringLiteral(" +"));
        m_accumulator += m_entry;
        break;
    case '-':
        addLine(lines, m_displayText + QStringLiteral(" -"));
        m_accumulator -= m_entry;
        break;
    case '*':
        addLine(lines, m_displayText + QStringLiteral(" x"));
        m_accumulator *= m_entry;
        break;
    case '/':
        addLine(lines, m_displayText + QStringLiteral(" ÷"));
        if (m_entry == 0) {
            // The divisor's line stays on the tape; the operation ends here.
            m_accumulator = 0;
            m_error = true;
            return;
        }
        m_accumulator /= m_entry;
        break;
    default:
        if (code == kPlus)
            addLine(lines, m_displayText + QStringLiteral(" +"));
        else if (code == kMinus)
            addLine(lines, m_displayText + QStringLiteral(" -"));
        else if (code == kTimes)
            addLine(lines, m_displayText + QStringLiteral(" x"));
        else if (code == kDivide)
            addLine(lines, m_displayText + QStringLiteral(" ÷"));
        m_accumulator = m_entry;
        break;
    }
    m_previousEntry = m_entry;
    m_entry = 0;
    m_entryText.clear();
    m_pending = code == kEquals ? QLatin1Char(' ') : QChar(char16_t(code));
    showValue(m_accumulator);
    if (code == kEquals)
        addLine(lines, m_displayText + QStringLiteral(" ="), true);
}

void TapeEngine::percent(QStringList& lines) {
    m_integerPart = true;
    m_fractionDigits = 0;
    switch (m_pending.unicode()) {
    case '+':
        addLine(lines, m_displayText + QStringLiteral("%+"));
        m_accumulator = m_accumulator + m_accumulator * m_entry * 0.01L;
        break;
    case '-':
        addLine(lines, m_displayText + QStringLiteral("%-"));
        m_accumulator = m_accumulator - m_accumulator * m_entry * 0.01L;
        break;
    case '*':
        addLine(lines, m_displayText + QStringLiteral("%x"));
        m_accumulator = m_accumulator * m_entry * 0.01L;
        break;
    case '/':
        addLine(lines, m_displayText + QStringLiteral("%÷"));
        if (m_entry == 0) {
            // As with the division key: the line stays, the result is an error.
            m_accumulator = 0;
            m_error = true;
            return;
        }
        m_accumulator = (m_accumulator / m_entry) * 0.01L;
        break;
    default:
        addLine(lines, m_displayText + QStringLiteral("% "));
        m_accumulator = m_entry;
        break;
    }
    m_pending = QLatin1Char(' ');
    m_entryText = QStringLiteral(" ");
    showValue(m_accumulator);
    // The result becomes the entry, ready to be the next operator's first operand.
    m_previousEntry = m_entry;
    m_entry = m_accumulator;
    m_accumulator = 0;
    addLine(lines, m_displayText + QStringLiteral("%="), true);
}

void TapeEngine::memoryAddSubtract(int code, QStringList& lines) {
    if (code == kMemoryAdd) {
        m_memory += m_displayedValue;
        addLine(lines, m_displayText + QStringLiteral("M+"));
    } else {
        m_memory -= m_displayedValue;
        addLine(lines, m_displayText + QStringLiteral("M-"));
    }
    // A pending operation is dropped, not completed.
    m_pending = QLatin1Char(' ');
    m_entryText.clear();
}

void TapeEngine::clearDisplay(QStringList& lines) {
    m_integerPart = true;
    m_fractionDigits = 0;
    if (m_previousKey == kClearDisplay) {
        resetCalculator();
        addLine(lines, QString(), true);
        return;
    }
    m_entry = 0;
    m_entryText.clear();
    showValue(0);
}

} // namespace arkivo::calculators
