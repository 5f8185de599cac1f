#pragma once

#include "calculators/tape_engine.h"

#include <QWidget>

namespace arkivo::calculators {
class TapeView;
}

// The tape calculator window "Nauhalaskin": an adding machine whose entries,
// operators and results run down a paper-like tape that can also be edited,
// saved, printed and is kept between runs.
class TNauhalaskukone : public QWidget {
    Q_OBJECT
public:
    explicit TNauhalaskukone(QWidget* parent = nullptr);
    ~TNauhalaskukone() override;

    // The dispatcher: a key code from a keypad button's tag or a typed character.
    void FormKeyPress(int code);

    const arkivo::calculators::TapeEngine& engine() const { return m_engine; }

private:
    arkivo::calculators::TapeEngine m_engine;
};
