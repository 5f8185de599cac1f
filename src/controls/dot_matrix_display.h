#pragma once

#include <QWidget>

#include <QColor>

namespace arkivo::controls {

// A dot-matrix text display: a row of character cells, each a grid of round
// dots (5 x 7 unless set), lit in the dot colour, unlit ones in a dim colour.
// Digits and the clock punctuation (: . - /) come from a fixed 5 x 7 font;
// other characters are rasterised from the application font into the grid.
// Text longer than the display is cut; shorter text is padded on the right.
class DotMatrixDisplay : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)

public:
    DotMatrixDisplay(const QString& name, int characters, QWidget* parent = nullptr);

    QString caption() const { return m_text; }
    void setCaption(const QString& text);

    // Dots per character cell and pixels per dot (the dot's diameter); resizes the control.
    void setDotGrid(int columns, int rows, int dotPixels);
    void setColors(const QColor& lit, const QColor& unlit, const QColor& background);
    int characters() const { return m_characters; }

    // The lit dots of one character in a columns x rows grid, row by row.
    static QVector<bool> glyph(QChar ch, int columns, int rows);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateSize();

    QString m_text;
    int m_characters;
    int m_columns = 5;
    int m_rows = 7;
    int m_dot = 2;
    QColor m_lit{Qt::red};
    QColor m_unlit{0x80, 0, 0};
    QColor m_background{Qt::black};
};

} // namespace arkivo::controls
