#pragma once

#include <QLineEdit>

#include <optional>

namespace arkivo::controls {

// A money amount field: at most 10 characters, the value held as an 80-bit
// float with a fixed number of decimals. While it has the keyboard it shows
// the plain number; otherwise the amount grouped with two decimals
// ("1 234,50"), and nothing at all for 0. `changed` follows every change of
// the amount, typed or set; reformatting on focus changes is not a change.
class CurrencyEdit : public QLineEdit {
    Q_OBJECT

public:
    CurrencyEdit(const QString& name, int decimals, QWidget* parent = nullptr);

    int decimals() const { return m_decimals; }
    long double value() const { return m_value; }
    // Sets the amount rounded half away from zero to the edit's decimals.
    void setValue(long double value);
    // Sets the amount from a number text; a text that is not a number empties the edit.
    void setAmountText(const QString& text);
    void clearAmount();
    // The amount the field holds now: what is typed while it is edited, else
    // the value; nothing for an empty or unreadable text.
    std::optional<long double> amount() const;
    bool isBlank() const { return text().trimmed().isEmpty(); }

signals:
    void changed();
    void clicked();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showValue();
    long double rounded(long double v) const;

    int m_decimals;
    long double m_value = 0;
    bool m_editing = false;
};

} // namespace arkivo::controls
