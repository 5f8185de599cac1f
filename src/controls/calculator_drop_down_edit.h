#pragma once

#include <QFrame>
#include <QLineEdit>

namespace arkivo::controls {

// A number field whose button (or F4, or Alt+Down) drops down a small
// calculator. "=" or Enter puts the result into the field and closes it.
class CalculatorDropDownEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ value WRITE setValue NOTIFY valueChanged)

public:
    CalculatorDropDownEdit(const QString& name, QWidget* parent = nullptr);

    double value() const;
    void setValue(double v);
    void dropDown();
    QWidget* calculator() const { return m_popup; }

    // The keys of the drop-down calculator, also for tests: digits, ",",
    // "+" "-" "*" "/" "=", "C" (clear), "±", "←" (back space).
    void press(const QString& key);
    QString calculatorDisplay() const { return m_entry; }

signals:
    void valueChanged(double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void apply();
    void showEntry();

    QFrame* m_popup = nullptr;
    QLineEdit* m_display = nullptr;
    QString m_entry = QStringLiteral("0");
    long double m_accumulator = 0;
    QChar m_operator;
    bool m_fresh = true;
};

} // namespace arkivo::controls
