#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

namespace arkivo::controls {
class BlinkingLed;
class KamButton;
} // namespace arkivo::controls

// The alarm pop-up: a small borderless box on top of everything with a
// title, two blinking lights and "&SAMMUTA". The button stops the alarm
// clock's repeating tune and closes the box; the mouse over it only stops
// the tune.
class TPiip : public QWidget {
    Q_OBJECT
public:
    explicit TPiip(QWidget* parent = nullptr);
    ~TPiip() override;

    static TPiip* instance();

    // Shows the box with this title; a valid colour also colours the title.
    void showAlarm(const QString& title, const QColor& color = QColor());

    QLabel* ProLabel1 = nullptr;
    arkivo::controls::BlinkingLed* GreenLed = nullptr;
    arkivo::controls::BlinkingLed* RedLed = nullptr;
    arkivo::controls::KamButton* SammutaButton = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    void SammutaButtonClick();
    void SammutaButtonMouseEnter();
};
