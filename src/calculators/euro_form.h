#pragma once

#include "calculators/money_string.h"

#include <QWidget>

namespace arkivo::controls {
class CurrencyEdit;
}
namespace arkivo::settings {
class FormStorage;
}
namespace arkivo::calculators {
class ColorGroupBox;
class FramePanel;
class ToolbarButton;
class WordsPanel;
} // namespace arkivo::calculators

// The euro calculator "Eurolaskin": markkaa to euros and back at 5,94573,
// with both amounts written out in Finnish words. Every request opens one
// more of these windows; each is deleted when closed.
class TEuroForm : public QWidget {
    Q_OBJECT
public:
    explicit TEuroForm(QWidget* parent = nullptr);
    ~TEuroForm() override;

    arkivo::controls::CurrencyEdit* Markat = nullptr;
    arkivo::controls::CurrencyEdit* Eurot = nullptr;
    arkivo::controls::CurrencyEdit* Eurot1 = nullptr;
    arkivo::controls::CurrencyEdit* Markat1 = nullptr;
    arkivo::calculators::WordsPanel* edMarkat = nullptr;
    arkivo::calculators::WordsPanel* edVerbal = nullptr;

    void MarkatChange();
    void EurotChange();
    void Eurot1Change();
    void Markat1Change();
    void MarkatClick();
    void Eurot1Click();
    void EurotClick();
    void Markat1Click();
    void SpeedButton2Click();
    void SpeedButton1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void build();
    void convert(arkivo::controls::CurrencyEdit* from, arkivo::controls::CurrencyEdit* to, long double multiplier);
    void writeWords(arkivo::controls::CurrencyEdit* edit, const arkivo::calculators::TMoneyString& words,
                    arkivo::calculators::WordsPanel* panel);
    void showEurosToMarkkaa(bool on);

    arkivo::calculators::TMoneyString MSMarkka;
    arkivo::calculators::TMoneyString MSEuro;
    arkivo::settings::FormStorage* FormStorage1 = nullptr;
    arkivo::calculators::FramePanel* Panel1 = nullptr;
    arkivo::calculators::ColorGroupBox* GroupBoxMarkat = nullptr;
    arkivo::calculators::ColorGroupBox* GroupBoxEurot = nullptr;
    arkivo::calculators::ToolbarButton* SpeedButton1 = nullptr;
    arkivo::calculators::ToolbarButton* SpeedButton2 = nullptr;
};
