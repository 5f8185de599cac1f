#pragma once

#include <QDateTime>
#include <QDialog>

class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QGroupBox;
class TTETRIS;

namespace arkivo::controls {
class DotMatrixDisplay;
class Edit;
class ScrewPanel;
class Timer;
class TrackBar;
} // namespace arkivo::controls
namespace arkivo::settings {
class FormStorage;
}
namespace arkivo::tetris {
class CaptionLabel;
class GradientTitle;
struct LevelChange;
} // namespace arkivo::tetris

// The game window: runs the fall timer over the board TETRIS1, reads the keys,
// keeps score, rows and level, changes the obstacle set-up at each level, adds
// random obstacles on the high levels and keeps the high score with its holder.
// The control panel creates it for each opening, shows it modally and lets it
// be destroyed when it closes.
class TTetrisPeli1 : public QDialog {
    Q_OBJECT
public:
    explicit TTetrisPeli1(QWidget* parent = nullptr);
    ~TTetrisPeli1() override;

    enum class State { Idle, Running, Paused, Over };
    State state() const { return m_state; }
    qint32 score() const { return m_score; }
    qint32 level() const { return m_level; }
    qint32 totalRows() const { return m_totalRows; }
    // Puts the counters as a game in progress would have them (set-ups of tests and demos).
    void setCounters(qint32 score, qint32 level, qint32 totalRows);

    // Handlers.
    void UusiPeliClick();     // "&Aloita uusi peli" and "+"
    void Timer1Timer();       // the fall timer
    void Timer2Timer();       // the clock line, every second
    void TaukoClick();        // "Ta&uko"
    void JatkaClick();        // "&Jatka peliä"
    void TallennaClick();     // "&Tallenna"
    void OhjeClick();         // "Ohje F1" and F1
    void TrackBar1Change();   // the preview size

    // The caption text for a moment: the date, the time and the week.
    static QString clockLine(const QDateTime& now);

    TTETRIS* TETRIS1 = nullptr;
    arkivo::controls::ScrewPanel* Panel1 = nullptr;
    QWidget* Panel3 = nullptr; // the right-hand panel
    arkivo::tetris::GradientTitle* Otsikko = nullptr;
    QLabel* LCP = nullptr;
    QLabel* LDL = nullptr;
    QLabel* LDLT = nullptr;
    QLabel* LCL = nullptr;
    arkivo::controls::DotMatrixDisplay* LSCO = nullptr;
    QPushButton* OhjeButton = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* AlkoiLabel = nullptr;
    QLabel* LoppuiLabel = nullptr;
    QLabel* KestoLabel = nullptr;
    QPushButton* XButton = nullptr;
    arkivo::controls::TrackBar* TrackBar1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    arkivo::controls::Edit* ParasNimi = nullptr;
    QPushButton* TallennaButton = nullptr;
    arkivo::tetris::CaptionLabel* Pisteet = nullptr;
    QPushButton* TaukoButton = nullptr;
    QPushButton* JatkaButton = nullptr;
    QPushButton* UusiPeliButton = nullptr;
    QPushButton* SuljeButton = nullptr;
    arkivo::controls::Timer* Timer1 = nullptr;
    arkivo::controls::Timer* Timer2 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildRightPanel();
    void connectControls();
    bool handleKey(QWidget* target, QKeyEvent* event); // true when the key was the game's
    bool isActiveOrOwned(QWidget* widget) const;
    void changeLevel(const arkivo::tetris::LevelChange& change);
    void randomObstacles();
    void gameOver();
    void showScore();
    void showDuration();

    State m_state = State::Idle;
    qint32 m_score = 0;
    qint32 m_level = 0;
    qint32 m_totalRows = 0;
    QDateTime m_started;
    QDateTime m_ended;
    arkivo::settings::FormStorage* m_storage = nullptr;
};
