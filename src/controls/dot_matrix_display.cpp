#include "controls/dot_matrix_display.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <array>
#include <map>

namespace arkivo::controls {

namespace {

// 5 x 7 patterns, one string of five bits a row ('#' lit).
const std::map<QChar, std::array<const char*, 7>>& fixedFont()
{
    static const std::map<QChar, std::array<const char*, 7>> font = {
        {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
        {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
        {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
        {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
        {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
        {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
        {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
        {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
        {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
        {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
        {':', {"     ", " ##  ", " ##  ", "     ", " ##  ", " ##  ", "     "}},
        {'.', {"     ", "     ", "     ", "     ", "     ", " ##  ", " ##  "}},
        {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
        {'/', {"     ", "    #", "   # ", "  #  ", " #   ", "#    ", "     "}},
        {' ', {"     ", "     ", "     ", "     ", "     ", "     ", "     "}},
    };
    return font;
}

} // namespace

DotMatrixDisplay::DotMatrixDisplay(const QString& name, int characters, QWidget* parent)
    : QWidget(parent), m_characters(characters)
{
    setObjectName(name);
    updateSize();
}

void DotMatrixDisplay::setCaption(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void DotMatrixDisplay::setDotGrid(int columns, int rows, int dotPixels)
{
    m_columns = qMax(1, columns);
    m_rows = qMax(1, rows);
    m_dot = qMax(1, dotPixels);
    updateSize();
    update();
}

void DotMatrixDisplay::setColors(const QColor& lit, const QColor& unlit, const QColor& background)
{
    m_lit = lit;
    m_unlit = unlit;
    m_background = background;
    update();
}

QVector<bool> DotMatrixDisplay::glyph(QChar ch, int columns, int rows)
{
    QVector<bool> dots(columns * rows, false);
    const auto& fixed = fixedFont();
    if (auto it = fixed.find(ch); it != fixed.end()) {
        // Centred in a grid larger than 5 x 7, cut in a smaller one.
        const int dx = (columns - 5) / 2;
        const int dy = (rows - 7) / 2;
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 5; ++c) {
                const int x = c + dx, y = r + dy;
                if (x >= 0 && x < columns && y >= 0 && y < rows && it->second[r][c] == '#')
                    dots[y * columns + x] = true;
            }
        return dots;
    }
    QImage image(columns, rows, QImage::Format_Grayscale8);
    image.fill(0);
    QPainter painter(&image);
    QFont font;
    font.setPixelSize(rows);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, columns, rows), Qt::AlignCenter, QString(ch));
    painter.end();
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            dots[y * columns + x] = qGray(image.pixel(x, y)) > 127;
    return dots;
}

void DotMatrixDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setRenderHint(QPainter::Antialiasing, m_dot > 2);
    painter.setPen(Qt::NoPen);
    const int pitch = m_dot + 1;             // one pixel between dots
    const int cellWidth = (m_columns + 1) * pitch; // one dot column between characters
    const QString text = m_text.leftJustified(m_characters, QLatin1Char(' '), true);
    for (int i = 0; i < m_characters; ++i) {
        const QVector<bool> dots = glyph(text.at(i), m_columns, m_rows);
        for (int r = 0; r < m_rows; ++r)
            for (int c = 0; c < m_columns; ++c) {
                painter.setBrush(dots[r * m_columns + c] ? m_lit : m_unlit);
                const QRect dot(2 + i * cellWidth + c * pitch, 2 + r * pitch, m_dot, m_dot);
                if (m_dot > 2)
                    painter.drawEllipse(dot);
                else
                    painter.drawRect(dot);
            }
    }
}

void DotMatrixDisplay::updateSize()
{
    const int pitch = m_dot + 1;
    setFixedSize(4 + m_characters * (m_columns + 1) * pitch - pitch, 4 + m_rows * pitch - 1);
}

} // namespace arkivo::controls
