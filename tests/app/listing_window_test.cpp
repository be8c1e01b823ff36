// The Transit Listing window: the table of a period, sorting by moment, the paragraph of the
// selected row, and an export that is the command line's listing byte for byte.
#include "app/listing_window.h"
#include "app/listing_command.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextStream>

namespace velmaris::testing {
namespace {

struct ListingRig : StartedApp {
    ListingRig()
        : listing({*program, messages, clock,
                   [this](const QString& proposed, const QString&, const QString&) {
                       proposedNames << proposed;
                       return answer;
                   }}) {}
    [[nodiscard]] QAbstractItemModel* Model() const { return listing.Table()->model(); }
    [[nodiscard]] QString Cell(int row, int column) const {
        return Model()->index(row, column).data().toString();
    }

    std::optional<QString> answer;
    QStringList proposedNames;
    app::TransitListingWindow listing;
};

QByteArray CommandLineListing(const ListingRig& rig, const QStringList& arguments) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    FixedClock clock{TestMoment()};
    FixedRegional regional{0, 0, QLocale(QLocale::English, QLocale::UnitedStates)};
    EXPECT_EQ(
        app::RunListing(arguments, {clock, regional, rig.folder.Path()}, outStream, errStream),
        app::kListingOk)
        << err.toStdString();
    return out.toUtf8();
}

TEST(TransitListingWindow, TableSortingSelectionAndExport) {
    ListingRig rig;
    EXPECT_EQ(rig.listing.objectName(), QStringLiteral("frmTransitListing"));
    ASSERT_TRUE(rig.listing.ListPeriod(QDate(2027, 1, 1), QDate(2027, 3, 31)));
    const int rows = rig.Model()->rowCount();
    ASSERT_GT(rows, 10);
    EXPECT_EQ(rig.Model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Exact"));

    // The moment columns sort by the moment, not by their month/day/year text.
    rig.listing.Table()->sortByColumn(3, Qt::AscendingOrder);
    for (int row = 1; row < rows; ++row) {
        EXPECT_LE(rig.Model()->index(row - 1, 3).data(Qt::UserRole).toDouble(),
                  rig.Model()->index(row, 3).data(Qt::UserRole).toDouble());
    }
    rig.listing.Table()->sortByColumn(0, Qt::DescendingOrder);
    EXPECT_EQ(rig.Cell(0, 0), QStringLiteral("PLUTO"));

    rig.listing.Table()->selectRow(0);
    const QString key =
        rig.Cell(0, 0) + QLatin1Char(' ') + rig.Cell(0, 1) + QLatin1Char(' ') + rig.Cell(0, 2);
    EXPECT_TRUE(rig.listing.SelectedText().startsWith(key + QStringLiteral(": ")))
        << rig.listing.SelectedText().toStdString();

    // Export through the file dialog: the very listing of --transits for the same period.
    rig.answer = rig.folder.FilePath(QStringLiteral("listing.csv"));
    rig.listing.findChild<QPushButton*>(QStringLiteral("cmdExportCsv"))->click();
    EXPECT_EQ(rig.proposedNames, QStringList{QStringLiteral("transits_2027-01-01_2027-03-31.csv")});
    EXPECT_EQ(rig.folder.Read(QStringLiteral("listing.csv")),
              CommandLineListing(rig, {"2027-01-01", "2027-03-31", "--format", "csv"}));
    EXPECT_EQ(rig.folder.Read(QStringLiteral("listing.csv")).count('\n') - 1, rows);
    EXPECT_TRUE(rig.listing.Export(rig.folder.FilePath(QStringLiteral("listing.ics"))));
    EXPECT_TRUE(rig.folder.Read(QStringLiteral("listing.ics")).startsWith("BEGIN:VCALENDAR"));
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(TransitListingWindow, RefusalsAreToldAndTheTableStays) {
    ListingRig rig;
    ASSERT_TRUE(rig.listing.ListPeriod(QDate(2027, 1, 1), QDate(2027, 1, 31)));
    const int rows = rig.Model()->rowCount();
    const std::pair<bool, const char*> cases[] = {
        {rig.listing.ListPeriod(QDate(2027, 2, 1), QDate(2027, 1, 1)),
         "The TO date 2027-01-01 comes before the FROM date 2027-02-01."},
        {rig.listing.Export(rig.folder.FilePath(QStringLiteral("listing.txt"))),
         "a listing is exported as .csv or .ics."},
        {rig.listing.Export(rig.folder.FilePath(QStringLiteral("gone/listing.csv"))),
         "The listing could not be exported to "},
    };
    ASSERT_EQ(rig.messages.shown.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_FALSE(cases[i].first);
        EXPECT_TRUE(rig.messages.shown[i].text.contains(QLatin1String(cases[i].second)))
            << rig.messages.shown[i].text.toStdString();
    }
    EXPECT_EQ(rig.Model()->rowCount(), rows);
}

}  // namespace
}  // namespace velmaris::testing
