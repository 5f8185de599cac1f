#pragma once

#include "controls/control.h"

#include <QColor>

namespace arkivo::controls {

// A coloured panel with a 3-D bevel of an outer and an inner edge (both
// lowered unless set otherwise) and a one-line caption, right-aligned.
// Mouse events go to whoever filters them.
class BevelPanel : public Control {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor Color READ color WRITE setColor)

public:
    enum class Bevel { None, Lowered, Raised };

    BevelPanel(const QString& name, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    // With the 3-D bevel off neither edge is drawn, whatever they are set to.
    bool bevel3D() const { return m_bevel3D; }
    void setBevel3D(bool on);
    Bevel outerBevel() const { return m_outer; }
    void setOuterBevel(Bevel bevel);
    Bevel innerBevel() const { return m_inner; }
    void setInnerBevel(Bevel bevel);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QColor m_color{Qt::gray};
    bool m_bevel3D = true;
    Bevel m_outer = Bevel::Lowered;
    Bevel m_inner = Bevel::Lowered;
};

} // namespace arkivo::controls
