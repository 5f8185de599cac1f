// Shows the game window in play for a look or a screenshot: a game on level 2,
// pieces falling fast and moved at random, then held still. Runs on test doubles,
// so nothing is stored and nothing sounds. Closes itself after the given seconds.
//
//   xvfb-run -s "-screen 0 1024x768x24" tetris_window_demo 12 & sleep 9; import -window root shot.png

#include "tetris/tetris_window.h"

#include "controls/timer.h"
#include "fakes.h"
#include "tetris/random_source.h"
#include "tetris/ttetris.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    arkivo::test::TestServices services;
    services.clock.set(QDateTime::currentDateTime());
    const int seconds = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 12;

    TTetrisPeli1 window;
    window.show();
    window.UusiPeliClick();
    window.TETRIS1->setScreenNumber(2);
    window.setCounters(214, 2, 25);
    window.Timer1->setInterval(110);

    auto& random = arkivo::tetris::RandomSource::instance();
    QTimer mover;
    QObject::connect(&mover, &QTimer::timeout, [&] {
        switch (random.below(4)) {
        case 0: window.TETRIS1->MoveLeft(); break;
        case 1: window.TETRIS1->MoveRight(); break;
        case 2: window.TETRIS1->RotateLeft(); break;
        default: break;
        }
    });
    mover.start(90);
    QTimer::singleShot(3200, [&] {
        mover.stop();
        window.Timer1->stop();
    });
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
