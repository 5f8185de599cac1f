#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextEdit>

namespace arkivo::calculators {

// The paper tape `Nauha`: a rich-text box that takes one line per entry and
// doubles as a small editor. `Lines`, `Color` and `Font` are what the window
// keeps between runs; the font's colour is the text colour.
class TapeView : public QTextEdit {
    Q_OBJECT
    Q_PROPERTY(QStringList Lines READ lines WRITE setLines)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QFont Font READ font WRITE setTapeFont)
    Q_PROPERTY(QColor FontColor READ textColor WRITE setTextColorAll)

public:
    explicit TapeView(QWidget* parent = nullptr);

    QStringList lines() const;
    void setLines(const QStringList& lines);
    bool isEmptyTape() const { return document()->isEmpty(); }
    void addLine(const QString& text);
    void addLines(const QStringList& lines);

    QColor color() const;
    void setColor(const QColor& color);
    void setTapeFont(const QFont& font);
    QColor textColor() const { return m_textColor; }
    void setTextColorAll(const QColor& color);

signals:
    void rightClicked(const QPoint& globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void restyle();
    QColor m_textColor;
};

} // namespace arkivo::calculators
