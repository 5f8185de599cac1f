#pragma once

#include <QWidget>

namespace arkivo::controls {

// A plain child control placed in pixels, with the stored names `Left`,
// `Top`, `Width`, `Height` and `Visible`. `Visible` is the control's own
// flag, true even while its window is hidden, so it is stored as chosen.
class Control : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE setLeft)
    Q_PROPERTY(int Top READ y WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setControlWidth)
    Q_PROPERTY(int Height READ height WRITE setControlHeight)
    Q_PROPERTY(bool Visible READ isShownFlag WRITE setVisible)

public:
    explicit Control(const QString& name, QWidget* parent = nullptr);

    void setLeft(int left) { move(left, y()); }
    void setTop(int top) { move(x(), top); }
    void setControlWidth(int w) { resize(w, height()); }
    void setControlHeight(int h) { resize(width(), h); }
    bool isShownFlag() const { return !isHidden(); }
};

} // namespace arkivo::controls
