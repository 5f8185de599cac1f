// Shows the three calculator windows with a little arithmetic on them, for a
// look under Xvfb:  xvfb-run -s "-screen 0 1024x768x24" sh -c
//   'calculator_screens & sleep 3; import -window root calculators.png; wait'
// With "narrow" as argument the tape calculator shows its narrow layout.
#include "calculators/euro_form.h"
#include "calculators/nauhalaskukone.h"
#include "calculators/polttoaine.h"
#include "controls/currency_edit.h"

#include "fakes.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    arkivo::test::TestServices services;
    const bool narrow = argc > 1 && QByteArray(argv[1]) == "narrow";

    TNauhalaskukone tape;
    tape.move(10, 10);
    tape.show();
    if (narrow)
        QTest::keyClick(&tape, Qt::Key_K, Qt::ControlModifier);
    QTest::keyClicks(&tape, "1234,5+250-99,9");
    QTest::keyClick(&tape, Qt::Key_Return);
    QTest::keyClicks(&tape, "200+10%");

    auto* euro = new TEuroForm;
    euro->move(520, 10);
    euro->show();
    euro->Markat->setFocus();
    QTest::keyClicks(euro->Markat, "123,45");

    auto* fuel = new TPolttoaine;
    fuel->move(520, 340);
    fuel->show();
    fuel->Ajettu->setText("400");
    fuel->Tankattu->setText("30");
    fuel->KamButton2Click();
    fuel->Ajomatka->setText("250");
    fuel->Litrat->setText("8");
    fuel->Litrahinta->setText("1,5");
    fuel->KamButton4Click();

    QTimer::singleShot(6000, &app, &QApplication::quit);
    return app.exec();
}
