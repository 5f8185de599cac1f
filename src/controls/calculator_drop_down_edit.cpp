#include "controls/calculator_drop_down_edit.h"

#include "common/finnish_format.h"

#include <QAction>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace arkivo::controls {

CalculatorDropDownEdit::CalculatorDropDownEdit(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setText(QStringLiteral("0"));
    setAlignment(Qt::AlignRight);
    QAction* drop = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    drop->setToolTip(toolTip());
    connect(drop, &QAction::triggered, this, &CalculatorDropDownEdit::dropDown);
    connect(this, &QLineEdit::editingFinished, this, [this] { emit valueChanged(value()); });

    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setFrameShape(QFrame::Panel);
    m_popup->setFrameShadow(QFrame::Raised);
    auto* box = new QVBoxLayout(m_popup);
    box->setContentsMargins(3, 3, 3, 3);
    box->setSpacing(2);
    m_display = new QLineEdit(m_popup);
    m_display->setReadOnly(true);
    m_display->setAlignment(Qt::AlignRight);
    box->addWidget(m_display);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    const char* const keys[5][4] = {{"C", "←", "±", "/"},
                                    {"7", "8", "9", "*"},
                                    {"4", "5", "6", "-"},
                                    {"1", "2", "3", "+"},
                                    {"0", ",", "=", nullptr}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c) {
            if (!keys[r][c])
                continue;
            const QString key = QString::fromUtf8(keys[r][c]);
            auto* b = new QPushButton(key, m_popup);
            b->setFixedSize(30, 24);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
            grid->addWidget(b, r, c);
        }
    box->addLayout(grid);
}

double CalculatorDropDownEdit::value() const {
    return double(fi::parseNumber(text()).value_or(0));
}

void CalculatorDropDownEdit::setValue(double v) {
    const QString t = fi::formatGeneral(v);
    if (t == text())
        return;
    setText(t);
    emit valueChanged(v);
}

void CalculatorDropDownEdit::dropDown() {
    m_entry = fi::formatGeneral(value());
    m_accumulator = 0;
    m_operator = QChar();
    m_fresh = true;
    showEntry();
    m_popup->adjustSize();
    m_popup->move(mapToGlobal(QPoint(width() - m_popup->width(), height())));
    m_popup->show();
}

void CalculatorDropDownEdit::showEntry() {
    m_display->setText(m_entry);
}

void CalculatorDropDownEdit::apply() {
    const long double x = fi::parseNumber(m_entry).value_or(0);
    long double r = x;
    switch (m_operator.unicode()) {
    case u'+':
        r = m_accumulator + x;
        break;
    case u'-':
        r = m_accumulator - x;
        break;
    case u'*':
        r = m_accumulator * x;
        break;
    case u'/':
        if (x == 0) {
            m_entry = QStringLiteral("Virhe");
            m_operator = QChar();
            m_fresh = true;
            return;
        }
        r = m_accumulator / x;
        break;
    default:
        break;
    }
    m_accumulator = r;
    m_entry = fi::formatGeneral(r);
}

void CalculatorDropDownEdit::press(const QString& key) {
    const QChar k = key.isEmpty() ? QChar() : key.at(0);
    if (k.isDigit()) {
        if (m_fresh || m_entry == QStringLiteral("0") || m_entry == QStringLiteral("Virhe"))
            m_entry.clear();
        if (m_entry.size() < 15)
            m_entry += k;
        m_fresh = false;
    } else if (k == u',') {
        if (m_fresh || m_entry == QStringLiteral("Virhe"))
            m_entry = QStringLiteral("0");
        if (!m_entry.contains(u','))
            m_entry += u',';
        m_fresh = false;
    } else if (k == u'C') {
        m_entry = QStringLiteral("0");
        m_accumulator = 0;
        m_operator = QChar();
        m_fresh = true;
    } else if (k == u'←') {
        m_entry.chop(1);
        if (m_entry.isEmpty() || m_entry == QStringLiteral("-"))
            m_entry = QStringLiteral("0");
    } else if (k == u'±') {
        m_entry = m_entry.startsWith(u'-') ? m_entry.mid(1) : QStringLiteral("-") + m_entry;
    } else if (k == u'+' || k == u'-' || k == u'*' || k == u'/') {
        if (!m_fresh || m_operator.isNull())
            apply();
        m_operator = k;
        m_fresh = true;
    } else if (k == u'=') {
        apply();
        m_operator = QChar();
        m_fresh = true;
        if (m_entry != QStringLiteral("Virhe")) {
            setText(m_entry);
            emit valueChanged(value());
            m_popup->hide();
        }
    }
    showEntry();
}

void CalculatorDropDownEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))) {
        dropDown();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace arkivo::controls
