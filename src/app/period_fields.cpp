#include "app/period_fields.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace velmaris::app {

PeriodFields AddPeriodFields(QHBoxLayout& row, QWidget* parent, domain::DateOrder dateOrder,
                             QPushButton* button) {
    const QString format = JoinInDateOrder(dateOrder, QStringLiteral("MM"), QStringLiteral("dd"),
                                           QStringLiteral("yyyy"), QStringLiteral("/"));
    PeriodFields fields{new QDateEdit(parent), new QDateEdit(parent)};
    fields.from->setObjectName(QStringLiteral("txtFrom"));
    fields.to->setObjectName(QStringLiteral("txtTo"));
    for (const auto& [caption, edit] : {std::pair{QStringLiteral("&From"), fields.from},
                                        std::pair{QStringLiteral("&To"), fields.to}}) {
        edit->setDisplayFormat(format);
        edit->setCalendarPopup(true);
        edit->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
        auto* label = new QLabel(caption, parent);
        label->setBuddy(edit);
        // The label keeps its width when the row is short of room.
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        label->setMinimumWidth(label->sizeHint().width() + 4);
        row.addWidget(label);
        row.addWidget(edit);
    }
    row.addWidget(button);
    row.addStretch(1);
    return fields;
}

}  // namespace velmaris::app
