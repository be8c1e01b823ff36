#include "platform/regional_settings.h"

#include "support/table.h"

namespace velmaris::platform {
namespace {

TEST(RegionalSettings, OrdersFromFormatsAndNamedLocales) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("platform/date-time-orders.tsv"), 3)) {
        const QString text = QString::fromUtf8(row[1]);
        const LocaleRegionalSettings locale{QLocale(text)};
        const QByteArray order =
            row[0] == "date"   ? QByteArray::number(static_cast<int>(DateOrderFromFormat(text)))
            : row[0] == "time" ? QByteArray::number(TimeOrderFromFormat(text))
                               : QByteArray::number(static_cast<int>(locale.DateOrder())) + ' ' +
                                     QByteArray::number(locale.TimeOrder());
        EXPECT_EQ(order, row[2]) << row[0].data() << " " << row[1].data();
    }
}

}  // namespace
}  // namespace velmaris::platform
