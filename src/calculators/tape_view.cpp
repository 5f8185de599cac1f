#include "tape_view.h"

#include <QContextMenuEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace arkivo::calculators {

TapeView::TapeView(QWidget* parent) : QTextEdit(parent), m_textColor(Qt::darkBlue) {
    setObjectName(QStringLiteral("Nauha"));
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(15);
    setTapeFont(f);
    setColor(Qt::white);
}

QStringList TapeView::lines() const {
    QStringList out;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        out << b.text();
    if (out.size() == 1 && out.first().isEmpty())
        out.clear();
    return out;
}

void TapeView::setLines(const QStringList& lines) {
    setPlainText(lines.join(QLatin1Char('\n')));
    restyle();
    moveCursor(QTextCursor::End);
}

void TapeView::addLine(const QString& text) {
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    if (!document()->isEmpty())
        c.insertBlock();
    QTextCharFormat fmt;
    fmt.setFont(font());
    fmt.setForeground(m_textColor);
    c.insertText(text, fmt);
    // The newest line stays in view, as on a paper roll.
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TapeView::addLines(const QStringList& lines) {
    for (const QString& l : lines)
        addLine(l);
}

QColor TapeView::color() const {
    return palette().color(QPalette::Base);
}

void TapeView::setColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

void TapeView::setTapeFont(const QFont& font) {
    setFont(font);
    document()->setDefaultFont(font);
    restyle();
}

void TapeView::setTextColorAll(const QColor& color) {
    m_textColor = color;
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
    restyle();
}

// The whole tape in one font and colour, so the columns stay aligned.
void TapeView::restyle() {
    QTextCursor c(document());
    c.select(QTextCursor::Document);
    QTextCharFormat fmt;
    fmt.setFont(font());
    fmt.setForeground(m_textColor);
    c.mergeCharFormat(fmt);
    setCurrentCharFormat(fmt);
}

void TapeView::contextMenuEvent(QContextMenuEvent* event) {
    emit rightClicked(event->globalPos());
    event->accept();
}

} // namespace arkivo::calculators
