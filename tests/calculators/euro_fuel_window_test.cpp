#include "calculators/calc_widgets.h"
#include "calculators/euro_form.h"
#include "calculators/keypad_button.h"
#include "calculators/polttoaine.h"
#include "controls/currency_edit.h"

#include "fakes.h"
#include "qt_application.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using arkivo::controls::CurrencyEdit;

namespace {

class CalculatorWindows : public ::testing::Test {
protected:
    void SetUp() override { arkivo::test::ensureApplication(); }
    arkivo::test::TestServices services;
};

void type(CurrencyEdit* edit, const char* text) {
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

TEST_F(CalculatorWindows, EuroConvertsMarkkaaAndWritesBothInWords) {
    TEuroForm form;
    form.show();
    EXPECT_EQ(form.edMarkat->text(), "Markat ja Pennit");
    EXPECT_EQ(form.edVerbal->text(), "Eurot ja Sentit");
    type(form.Markat, "123.45"); // a full stop is taken as the decimal comma
    EXPECT_EQ(form.Markat->text(), "123,45");
    EXPECT_EQ(form.Eurot->text(), "20,76");
    EXPECT_EQ(form.edMarkat->text(), "Satakaksikymmentäkolme markkaa neljäkymmentäviisi penniä");
    EXPECT_EQ(form.edVerbal->text(), "Kaksikymmentä euroa seitsemänkymmentäkuusi senttiä");
    // A click in the input clears the pair; the words stay.
    QTest::mouseClick(form.Markat, Qt::LeftButton);
    EXPECT_EQ(form.Markat->text(), "");
    EXPECT_EQ(form.Eurot->text(), "");
    type(form.Markat, "1000000000");
    EXPECT_EQ(form.edMarkat->text(), "Tekstinä ei voi näyttää yli miljardin kokoisia lukuja");
}

TEST_F(CalculatorWindows, EuroSwitchesDirectionFromTheResultEdit) {
    TEuroForm form;
    form.show();
    QTest::mouseClick(form.Eurot, Qt::LeftButton);
    EXPECT_FALSE(form.Markat->isVisible());
    EXPECT_TRUE(form.Eurot1->isVisible());
    EXPECT_TRUE(form.Markat1->isVisible());
    type(form.Eurot1, "1");
    EXPECT_EQ(form.Markat1->value(), 5.95L);
    EXPECT_EQ(form.Markat1->text(), "5,95");
    EXPECT_EQ(form.edMarkat->text(), "Viisi markkaa yhdeksänkymmentäviisi penniä");
    EXPECT_EQ(form.edVerbal->text(), "Yksi euroa");
    QTest::mouseClick(form.Markat1, Qt::LeftButton);
    EXPECT_TRUE(form.Markat->isVisible());
    EXPECT_FALSE(form.Eurot1->isVisible());
    type(form.Markat, "5,94573");
    EXPECT_EQ(form.Eurot->text(), "1,00");
}

TEST_F(CalculatorWindows, EuroColourGoesToPanelsAndIsKept) {
    {
        TEuroForm form;
        form.show();
        services.dialogs.colors.push_back(QColor(Qt::darkGreen));
        form.SpeedButton2Click();
        EXPECT_EQ(form.edMarkat->color(), QColor(Qt::darkGreen));
        EXPECT_EQ(form.edVerbal->hotColor(), QColor(Qt::darkGreen));
        form.close();
    }
    TEuroForm next;
    EXPECT_EQ(next.edVerbal->color(), QColor(Qt::darkGreen));
}

TEST_F(CalculatorWindows, FuelSumsAndTheirMessages) {
    TPolttoaine form;
    form.KamButton2Click(); // untouched: the edits hold a single blank
    ASSERT_EQ(services.dialogs.messages().size(), 1);
    EXPECT_TRUE(services.dialogs.messages().first().contains("ei ole kelvollinen luku"));

    form.Ajettu->setText("300");
    form.Tankattu->setText("20");
    QTest::mouseClick(form.KamButton1, Qt::LeftButton);
    EXPECT_EQ(form.Kulutus->text(), "6,66666666666667");
    form.Ajettu->setText("0");
    form.KamButton2Click();
    EXPECT_EQ(services.dialogs.messages().size(), 2);
    EXPECT_EQ(form.Kulutus->text(), "6,66666666666667"); // kept

    form.Ajomatka->setText("250");
    form.Litrat->setText("8");
    form.Litrahinta->setText("1,5");
    QTest::mouseClick(form.KamButton4, Qt::LeftButton);
    EXPECT_EQ(form.Hinta->text(), "30");
}

} // namespace
