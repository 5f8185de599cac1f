#pragma once

#include <QCalendarWidget>
#include <QDateEdit>

namespace arkivo::controls {

// A date field (d.M.yyyy) whose button drops down a month calendar with
// buttons for the previous and next year and month.
class DateDropDownEdit : public QDateEdit {
    Q_OBJECT
    Q_PROPERTY(QDate Date READ date WRITE setDate)

public:
    DateDropDownEdit(const QString& name, QWidget* parent = nullptr);

    QCalendarWidget* calendar() const { return calendarWidget(); }
};

} // namespace arkivo::controls
