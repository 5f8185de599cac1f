#include "controls/date_drop_down_edit.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace arkivo::controls {

namespace {

// The month calendar with the year buttons added to its navigation bar.
class DropDownCalendar : public QCalendarWidget {
public:
    explicit DropDownCalendar(QWidget* parent) : QCalendarWidget(parent) {
        setGridVisible(true);
        setFirstDayOfWeek(Qt::Monday);
        setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
        auto* bar = findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
        auto* prevMonth = findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth"));
        auto* nextMonth = findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth"));
        if (prevMonth)
            prevMonth->setToolTip(QStringLiteral("Edellinen kuukausi"));
        if (nextMonth)
            nextMonth->setToolTip(QStringLiteral("Seuraava kuukausi"));
        auto* layout = bar ? qobject_cast<QHBoxLayout*>(bar->layout()) : nullptr;
        if (!layout)
            return;
        auto* prevYear = new QToolButton(bar);
        prevYear->setObjectName(QStringLiteral("PrevYearButton"));
        prevYear->setText(QStringLiteral("«"));
        prevYear->setToolTip(QStringLiteral("Edellinen vuosi"));
        prevYear->setAutoRaise(true);
        auto* nextYear = new QToolButton(bar);
        nextYear->setObjectName(QStringLiteral("NextYearButton"));
        nextYear->setText(QStringLiteral("»"));
        nextYear->setToolTip(QStringLiteral("Seuraava vuosi"));
        nextYear->setAutoRaise(true);
        layout->insertWidget(0, prevYear);
        layout->addWidget(nextYear);
        connect(prevYear, &QToolButton::clicked, this, [this] { showPreviousYear(); });
        connect(nextYear, &QToolButton::clicked, this, [this] { showNextYear(); });
    }
};

} // namespace

DateDropDownEdit::DateDropDownEdit(const QString& name, QWidget* parent) : QDateEdit(parent) {
    setObjectName(name);
    setDisplayFormat(QStringLiteral("d.M.yyyy"));
    setCalendarPopup(true);
    setCalendarWidget(new DropDownCalendar(this));
}

} // namespace arkivo::controls
