#pragma once

#include "calculators/tape_engine.h"

#include <QList>

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

namespace arkivo::controls {
class MarkAction;
}
namespace arkivo::settings {
class FormStorage;
}

namespace arkivo::calculators {
class FramePanel;
class KeypadButton;
class NumberDisplay;
class PageSetupState;
class SaveDialogState;
class TapeView;
class ToolbarButton;
} // namespace arkivo::calculators

// The tape calculator window "Nauhalaskin": an adding machine whose entries,
// operators and results run down a paper-like tape that can also be edited,
// saved, printed and is kept between runs. The arithmetic lives in
// TapeEngine; this class wires keys, buttons and menus to it.
class TNauhalaskukone : public QWidget {
    Q_OBJECT
public:
    explicit TNauhalaskukone(QWidget* parent = nullptr);
    ~TNauhalaskukone() override;

    // The dispatcher: a key code from a keypad button's tag or a typed character.
    void FormKeyPress(int code);

    const arkivo::calculators::TapeEngine& engine() const { return m_engine; }
    arkivo::calculators::TapeView* tape() const { return Nauha; }
    QString displayShown() const;

    // Handlers of the buttons and menus that do not go through the dispatcher.
    void PaivaysClick();
    void NauhanNollausClick();
    void Nappi_TallennaClick();
    void Paivays2Click();
    void setWideLayout();
    void setNarrowLayout();
    void setTapeAsEditor(bool editor);
    void addStarLine();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // nauhalaskukone.cpp: construction and placing.
    void buildToolbar();
    void buildKeypad();
    void buildMenus();
    void arrange();
    void writeHeader();

    // nauhalaskukone_keys.cpp
    bool FormKeyDown(QKeyEvent* event);
    static int keyCode(const QKeyEvent* event);
    void TulostaClick(arkivo::calculators::KeypadButton* button);
    void toggleDecimalsEditor();
    void addTapeLines(const QStringList& lines);
    void refreshDisplay();

    // nauhalaskukone_menus.cpp
    void buildColourMenu();
    void buildFontMenu();
    void buildTapeMenu();
    void chooseColour(const std::function<void(const QColor&)>& apply, const QColor& initial);
    void popUp(QMenu* menu, int dx, int dy);
    void openEuroCalculator();
    void openFuelCalculator();
    void applyToolbarLayout(bool wide);

    arkivo::calculators::TapeEngine m_engine;
    bool m_decimalsEditorOpen = false;
    bool m_keyPreview = true;

    QWidget* Panel3 = nullptr;
    QLabel* Image1 = nullptr;
    QList<arkivo::calculators::ToolbarButton*> m_toolbar;
    arkivo::calculators::ToolbarButton* Nappi_Tallenna = nullptr;
    arkivo::calculators::ToolbarButton* Nappi_Tulosta = nullptr;
    arkivo::calculators::ToolbarButton* Nappi_Varit = nullptr;
    arkivo::calculators::ToolbarButton* Nappi_Fontit = nullptr;
    arkivo::calculators::ToolbarButton* Nappi_Ohje = nullptr;
    arkivo::calculators::ToolbarButton* Nappi_Eurolaskin = nullptr;
    arkivo::calculators::ToolbarButton* Nappi_Polttoainelaskin = nullptr;

    arkivo::calculators::TapeView* Nauha = nullptr;
    arkivo::calculators::FramePanel* Panel2 = nullptr;
    QList<arkivo::calculators::FramePanel*> m_frames; // Panel4 .. Panel9
    arkivo::calculators::NumberDisplay* Kuvaruutu = nullptr;
    QLabel* Desimaaliteksti = nullptr;
    QLineEdit* Edit1 = nullptr;
    QWidget* UpDown1 = nullptr;
    QLabel* Label1 = nullptr;

    QList<arkivo::calculators::KeypadButton*> m_keypad;
    arkivo::calculators::KeypadButton* Nappi_MYhteensa = nullptr;
    arkivo::calculators::KeypadButton* Nappi_MTyhjenna = nullptr;

    QMenu* PopupMenu2 = nullptr; // colours
    QMenu* PopupMenu3 = nullptr; // fonts
    QMenu* PopupMenu4 = nullptr; // tape
    arkivo::controls::MarkAction* LeveNauhalaskin1 = nullptr;
    arkivo::controls::MarkAction* KapeaNauhalaskin1 = nullptr;
    arkivo::controls::MarkAction* NauhaTeksturiksi1 = nullptr;
    arkivo::controls::MarkAction* NauhaLaskimeksi1 = nullptr;

    arkivo::calculators::SaveDialogState* SaveDialog1 = nullptr;
    arkivo::calculators::PageSetupState* PrintDialog1 = nullptr;
    arkivo::settings::FormStorage* FormStorage1 = nullptr;
};
