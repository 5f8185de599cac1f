#pragma once

#include <QPoint>
#include <QWidget>

namespace arkivo::controls {
class BevelPanel;
class ClockLabel;
class ShadowLabel;
} // namespace arkivo::controls

// "Tietoja ohjelmasta": a black ring with the program's name and version, a
// clock whose colours the user can play with, a small handle to drag the
// ring by, and buttons for help and closing.
class TTietoja : public QWidget {
    Q_OBJECT

public:
    explicit TTietoja(QWidget* parent = nullptr);

    // A click on the clock: a random colour on it and the inverse on the texts.
    void RxClock1Click();
    // A double click: back to a black clock and white texts.
    void RxClock1DblClick();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setTextColor(const QColor& color);

    arkivo::controls::ClockLabel* RxClock1 = nullptr;
    arkivo::controls::ShadowLabel* Label1 = nullptr;
    arkivo::controls::ShadowLabel* Label2 = nullptr;
    arkivo::controls::ShadowLabel* Label3 = nullptr;
    arkivo::controls::BevelPanel* Panel1 = nullptr;
    QPoint m_pressPoint;
    bool m_dragging = false;
};
