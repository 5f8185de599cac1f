#include "tetris/tetris_window.h"

#include "common/finnish_format.h"
#include "common/week_text.h"
#include "controls/dot_matrix_display.h"
#include "controls/state_controls.h"
#include "controls/timer.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/services.h"
#include "sound/nuotit.h"
#include "tetris/game_rules.h"
#include "tetris/random_source.h"
#include "tetris/tetris_labels.h"
#include "tetris/ttetris.h"

#include <QLabel>
#include <QPushButton>

using arkivo::tetris::RandomSource;

namespace {

constexpr const char* kLevelTune = "O6C4B12";
constexpr const char* kEndTune = "O1N4D1";
constexpr const char* kRecordTune = "O4N4C6C12C12C6C4C6E2";

QDateTime now() { return arkivo::platform::clock().now(); }

} // namespace

void TTetrisPeli1::setCounters(qint32 score, qint32 level, qint32 totalRows)
{
    m_score = score;
    m_level = level;
    m_totalRows = totalRows;
    LCL->setText(QString::number(level));
    LDLT->setText(QString::number(totalRows));
    showScore();
}

void TTetrisPeli1::UusiPeliClick()
{
    TETRIS1->setScreenNumber(0);
    m_score = 0;
    m_level = 0;
    m_totalRows = 0;
    TETRIS1->NewGame();
    LCP->setText(QStringLiteral("0"));
    LDL->setText(QStringLiteral("0"));
    LDLT->setText(QStringLiteral("0"));
    LCL->setText(QStringLiteral("0"));
    showScore();

    Timer1->setInterval(arkivo::tetris::kFirstIntervalMs);
    Timer1->setEnabled(true);
    JatkaButton->hide();
    TaukoButton->show();
    m_state = State::Running;

    ParasNimi->setReadOnly(true);
    ParasNimi->setFocus();

    m_started = now();
    m_ended = QDateTime();
    AlkoiLabel->setText(arkivo::fi::longTime(m_started.time()));
    LoppuiLabel->clear();
    Panel2->hide();
    showDuration();
}

void TTetrisPeli1::Timer1Timer()
{
    const int result = TETRIS1->Step();
    if (result == arkivo::tetris::Landed) {
        const int removed = TETRIS1->lastDeletedLine();
        m_score += arkivo::tetris::landingPoints(TETRIS1->FreeRows(false), removed, m_level);
        LCP->setText(QString::number(TETRIS1->numberOfPieces()));
        LDL->setText(QString::number(removed));
        m_totalRows += removed;
        LDLT->setText(QString::number(m_totalRows));
        if (const auto change = arkivo::tetris::levelChangeFor(m_level, m_totalRows))
            changeLevel(*change);
        if (m_level > 5)
            randomObstacles();
    } else if (result == arkivo::tetris::GameOver) {
        gameOver();
    }
    showScore();
}

void TTetrisPeli1::changeLevel(const arkivo::tetris::LevelChange& change)
{
    Timer1->setEnabled(false);
    Timer1->setInterval(change.intervalMs);
    arkivo::sound::PlayNotationReported(QString::fromLatin1(kLevelTune));
    const int freeRows = TETRIS1->FreeRows(true); // outlined while the message is up
    arkivo::platform::dialogs().message(QStringLiteral("Vaihdetaan tasoa...\nVapautettuja rivejä = ") +
                                        QString::number(freeRows));
    TETRIS1->setScreenNumber(arkivo::tetris::screenForLevel(change.level));
    Timer1->setEnabled(true);
    m_level = change.level;
    LCL->setText(QString::number(m_level));
}

void TTetrisPeli1::randomObstacles()
{
    auto& random = RandomSource::instance();
    const int a = arkivo::tetris::obstacleOdds(m_totalRows);
    if (random.below(a) <= a / 2)
        TETRIS1->PutBlock(random.below(9), -1, arkivo::tetris::kObstacleGrey);
    if (m_level > 7 && random.below(a) == 0) {
        const int hole = random.below(9);
        const int red = random.below(200) + 55;
        const int green = random.below(200) + 55;
        const int blue = random.below(200) + 55;
        TETRIS1->AddLine(hole, red | green << 8 | blue << 16);
    }
    if (m_level == 9 && random.below(a) <= a / 2) {
        const int column = random.below(9);
        TETRIS1->PutBlock(column, random.below(19) + 1, arkivo::tetris::kObstacleGrey);
    }
}

void TTetrisPeli1::gameOver()
{
    Timer1->setEnabled(false);
    m_state = State::Over;
    m_ended = now();
    LoppuiLabel->setText(arkivo::fi::longTime(m_ended.time()));
    showDuration();
    Panel2->show();
    Panel2->raise();

    // The record is the score the game ends with, drop points since the last landing included.
    showScore();
    bool ok = false;
    const qint64 record = Pisteet->text().trimmed().toLongLong(&ok);
    if (ok && record >= m_score) {
        arkivo::sound::PlayNotationReported(QString::fromLatin1(kEndTune));
        arkivo::platform::dialogs().message(QStringLiteral("Peli loppui!!!"));
        return;
    }
    Pisteet->setText(QString::number(m_score));
    arkivo::sound::PlayNotationReported(QString::fromLatin1(kRecordTune));
    arkivo::platform::dialogs().message(QStringLiteral("PISTE-ENNÄTYS!!! Tallenna nimesi."));
    ParasNimi->setReadOnly(false);
    ParasNimi->setFocus();
    ParasNimi->selectAll();
    if (m_score > 10000)
        arkivo::platform::dialogs().message(
            QStringLiteral("TOSIKOVA PISTE-ENNÄTYS!!! Tallenna nimesi. Lähetä nimesi ja ikäsi myös tänne "
                           "sähköpostilla, niin kerrotaan ennätys muillekin."));
}

void TTetrisPeli1::TaukoClick()
{
    if (m_state != State::Running)
        return;
    Timer1->setEnabled(false);
    m_state = State::Paused;
    JatkaButton->show();
    JatkaButton->raise();
    TaukoButton->hide();
    JatkaButton->setFocus();
}

void TTetrisPeli1::JatkaClick()
{
    if (m_state != State::Paused)
        return;
    Timer1->setEnabled(true);
    m_state = State::Running;
    JatkaButton->hide();
    TaukoButton->show();
}

void TTetrisPeli1::TallennaClick() { ParasNimi->setReadOnly(true); }

void TTetrisPeli1::OhjeClick() { arkivo::platform::help().show(QStringLiteral("Tetrispeli")); }

void TTetrisPeli1::TrackBar1Change() { TETRIS1->setPreviewSize(TrackBar1->value()); }

QString TTetrisPeli1::clockLine(const QDateTime& moment)
{
    return arkivo::fi::formatDateTime(
               QStringLiteral("\"Tänään on\" dddd, d. mmmm\"ta\" yyyy \"  - Klo:\" hh:mm:ss -  "), moment) +
           QStringLiteral("  Vko ") + QStringLiteral("%1").arg(arkivo::weekNumber(moment.date()), 2, 10, QLatin1Char('0'));
}

void TTetrisPeli1::Timer2Timer()
{
    setWindowTitle(clockLine(now()));
    if (m_state == State::Running || m_state == State::Paused)
        showDuration();
}

void TTetrisPeli1::showScore()
{
    // Right-aligned, as a counter reads.
    LSCO->setCaption(QString::number(m_score).rightJustified(LSCO->characters(), QLatin1Char(' ')));
}

void TTetrisPeli1::showDuration()
{
    const QDateTime end = m_ended.isValid() ? m_ended : now();
    const qint64 seconds = m_started.isValid() ? qMax<qint64>(0, m_started.secsTo(end)) : 0;
    KestoLabel->setText(QStringLiteral("%1:%2:%3")
                            .arg(seconds / 3600)
                            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                            .arg(seconds % 60, 2, 10, QLatin1Char('0')));
}
