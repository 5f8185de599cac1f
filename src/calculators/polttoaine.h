#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace arkivo::settings {
class FormStorage;
}
namespace arkivo::calculators {
class ColorGroupBox;
class FramePanel;
class KeypadButton;
class ToolbarButton;
} // namespace arkivo::calculators

// The fuel calculator "Polttoainelaskin": consumption in litres per 100 km
// from a driven distance and the litres filled, and the fuel cost of a trip.
// Every request opens one more of these windows; each is deleted when closed.
class TPolttoaine : public QWidget {
    Q_OBJECT
public:
    explicit TPolttoaine(QWidget* parent = nullptr);
    ~TPolttoaine() override;

    QLineEdit* Ajettu = nullptr;
    QLineEdit* Tankattu = nullptr;
    QLineEdit* Ajomatka = nullptr;
    QLineEdit* Litrat = nullptr;
    QLineEdit* Litrahinta = nullptr;
    QLabel* Kulutus = nullptr;
    QLabel* Hinta = nullptr;
    arkivo::calculators::KeypadButton* KamButton1 = nullptr;
    arkivo::calculators::KeypadButton* KamButton4 = nullptr;

    void KamButton2Click();
    void KamButton4Click();
    void SpeedButton2Click();
    void SpeedButton1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build();

    arkivo::settings::FormStorage* FormStorage1 = nullptr;
    arkivo::calculators::FramePanel* Panel1 = nullptr;
    arkivo::calculators::ColorGroupBox* GroupBox1 = nullptr;
    arkivo::calculators::ColorGroupBox* GroupBox2 = nullptr;
    arkivo::calculators::ToolbarButton* SpeedButton1 = nullptr;
    arkivo::calculators::ToolbarButton* SpeedButton2 = nullptr;
};
