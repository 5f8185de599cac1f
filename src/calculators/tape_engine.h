#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The adding machine behind the tape calculator: number entry, the four
// operators with their repeat rule, percent, the memory register and the tape
// lines each key writes. It does not own the tape or the number display and
// knows nothing about widgets: the window passes key codes in, appends the
// returned lines to its tape and shows display(). Arithmetic is 80-bit.
//
// A tape line is right-aligned in 22 columns; an operator line is the shown
// number, two blanks and the mark ("            1 234,50  +").

namespace arkivo::calculators {

class TapeEngine {
public:
    static constexpr int kTapeWidth = 22;

    // Key codes of the dispatcher (a keypad button's tag or a typed character).
    enum Code : int {
        kMemoryClear = 2,
        kMemoryTotal = 3,
        kMemoryAdd = 4,
        kMemorySubtract = 5,
        kPrint = 7,
        kBackspace = 8,
        kDecimals = 9,
        kClearDisplay = 12,
        kEnter = 13,
        kClose = 27,
        kPercent = 37,
        kTimes = 42,
        kPlus = 43,
        kSeparator = 44,
        kMinus = 45,
        kDivide = 47,
        kEquals = 61,
    };

    // What a key asks of the window besides the tape lines.
    enum class Request { None, Close, Print, DecimalsEditor };

    struct Outcome {
        QStringList lines;
        Request request = Request::None;
    };

    TapeEngine();

    // The dispatcher: one key code in, tape lines and a request out. Codes
    // not in the table (and any above 61) change nothing but the key history.
    Outcome press(int code);

    // What the number display shows after the last key: the display text, or
    // "Virhe" after a division by zero.
    QString display() const { return m_error ? QStringLiteral("Virhe") : m_displayText; }
    QString displayText() const { return m_displayText; }
    QString entryText() const { return m_entryText; }
    long double entry() const { return m_entry; }
    long double previousEntry() const { return m_previousEntry; }
    long double accumulator() const { return m_accumulator; }
    long double memory() const { return m_memory; }
    long double displayedValue() const { return m_displayedValue; }
    QChar pendingOperator() const { return m_pending; }
    // The memory total and memory clear keys are usable only with something in memory.
    bool memoryKeysEnabled() const { return m_memory != 0; }

    // Number of decimals shown (0 to 14); takes effect from the next shown value.
    int decimals() const { return m_decimals; }
    void setDecimals(int n);

    void resetCalculator();
    void clearMemory() { m_memory = 0; }

    // Tape texts that do not come from keys.
    static QString starLine() { return QString(kTapeWidth, QLatin1Char('*')); }
    static QString alignRight(const QString& text);
    // The three lines written at creation and by "clear tape": the caption, a blank line, the star line.
    static QStringList header(const QString& caption);
    // "  11.12.2026 12:00:00" and a star line.
    static QStringList dateLines(const QDateTime& now);

    // The grouped fixed form with `decimals` decimals; beyond the fixed form's
    // 18 digits the general form with exponent.
    static QString formatValue(long double value, int decimals);

private:
    void digit(int code);
    void separator();
    void backspace();
    void operation(int code, QStringList& lines);
    void percent(QStringList& lines);
    void memoryAddSubtract(int code, QStringList& lines);
    void clearDisplay(QStringList& lines);
    void showValue(long double value);
    void addLine(QStringList& lines, const QString& text, bool stars = false) const;
    long double parsedEntry() const;

    QString m_displayText;
    QString m_entryText;
    long double m_previousEntry = 0;
    long double m_entry = 0;
    long double m_accumulator = 0;
    long double m_memory = 0;
    QChar m_pending = QLatin1Char(' ');
    long double m_displayedValue = 0;

    int m_decimals = 2;
    int m_key = ' ';
    int m_previousKey = ' ';
    bool m_integerPart = true;
    int m_fractionDigits = 0;
    bool m_error = false;
};

} // namespace arkivo::calculators
