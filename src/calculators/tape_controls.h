#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QObject>
#include <QToolButton>
#include <QWidget>

// The smaller pieces of the tape calculator window, each exposing what the
// window keeps between runs under its stored name.

namespace arkivo::calculators {

// A coloured frame or keypad panel. `Align` says which edge it holds
// (alRight for the wide layout's keypad, alBottom for the narrow one);
// the window arranges itself from these values whenever one changes.
class FramePanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(Alignment Align READ align WRITE setAlign)
    Q_PROPERTY(int Height READ panelHeight WRITE setPanelHeight)
    Q_PROPERTY(int Width READ panelWidth WRITE setPanelWidth)

public:
    enum Alignment { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(Alignment)

    FramePanel(const QString& name, int width, int height, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& c);
    Alignment align() const { return m_align; }
    void setAlign(Alignment a);
    int panelHeight() const { return m_height; }
    void setPanelHeight(int h);
    int panelWidth() const { return m_width; }
    void setPanelWidth(int w);

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color{Qt::darkBlue};
    Alignment m_align = alNone;
    int m_width;
    int m_height;
};

// A flat toolbar button whose caption, hint, place and width change with the layout.
class ToolbarButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(QString Hint READ toolTip WRITE setToolTip)
    Q_PROPERTY(int Left READ x WRITE setLeft)
    Q_PROPERTY(int Width READ width WRITE setButtonWidth)

public:
    ToolbarButton(const QString& name, const QString& caption, const QString& hint, QWidget* parent);
    void setLeft(int left) { move(left, y()); }
    void setButtonWidth(int w) { resize(w, height()); }
};

// The number display `Kuvaruutu`: right-aligned text on a coloured field.
class NumberDisplay : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)

public:
    explicit NumberDisplay(QWidget* parent = nullptr);
    QColor color() const { return palette().color(QPalette::Window); }
    void setColor(const QColor& c);
};

// What the save dialog remembers: the last file name and its folder.
class SaveDialogState : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FileName MEMBER fileName)
    Q_PROPERTY(QString InitialDir MEMBER initialDir)

public:
    explicit SaveDialogState(QObject* parent);
    QString fileName;
    QString initialDir;
};

// The page set-up's margins in hundredths of a millimetre and the paper size ("A4").
class PageSetupState : public QObject {
    Q_OBJECT
    Q_PROPERTY(int MarginLeft MEMBER marginLeft)
    Q_PROPERTY(int MarginTop MEMBER marginTop)
    Q_PROPERTY(int MarginRight MEMBER marginRight)
    Q_PROPERTY(int MarginBottom MEMBER marginBottom)
    Q_PROPERTY(QString PaperSize MEMBER paperSize)

public:
    explicit PageSetupState(QObject* parent);
    int marginLeft = 1500;
    int marginTop = 1500;
    int marginRight = 1500;
    int marginBottom = 1500;
    QString paperSize = QStringLiteral("A4");
};

} // namespace arkivo::calculators
