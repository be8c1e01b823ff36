#pragma once

#include "calendar/calendar.h"

#include <QString>

class QDateEdit;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace velmaris::app {

// The From and To date fields of a period window (txtFrom, txtTo), in the user's date order,
// with their labels and the window's button after them.
struct PeriodFields {
    QDateEdit* from = nullptr;
    QDateEdit* to = nullptr;
};
PeriodFields AddPeriodFields(QHBoxLayout& row, QWidget* parent, domain::DateOrder dateOrder,
                             QPushButton* button);

}  // namespace velmaris::app
