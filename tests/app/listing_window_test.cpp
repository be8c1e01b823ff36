// The Transit Listing window: the table of a period, sorting by moment, the paragraph of the
// selected row, an export that is the command line's listing byte for byte, and refusals.
#include "app/listing_window.h"
#include "app/listing_command.h"
#include "app_fixture.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableView>

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

TEST(TransitListingWindow, TableSortingSelectionExportAndRefusals) {
    ListingRig rig;
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
    const CommandRun run =
        RunCommand(app::RunListing, {"2027-01-01", "2027-03-31", "--format", "csv"},
                   rig.folder.Path(), TestMoment(), 0, rig.regional.Locale());
    EXPECT_EQ(run.status, app::kListingOk) << run.err.toStdString();
    EXPECT_EQ(rig.folder.Read(QStringLiteral("listing.csv")), run.out.toUtf8());
    EXPECT_EQ(rig.folder.Read(QStringLiteral("listing.csv")).count('\n') - 1, rows);
    EXPECT_TRUE(rig.listing.Export(rig.folder.FilePath(QStringLiteral("listing.ics"))));
    EXPECT_TRUE(rig.folder.Read(QStringLiteral("listing.ics")).startsWith("BEGIN:VCALENDAR"));
    EXPECT_TRUE(rig.messages.shown.empty());

    // Refusals are told, and the table stays.
    EXPECT_FALSE(rig.listing.ListPeriod(QDate(2027, 2, 1), QDate(2027, 1, 1)));
    EXPECT_FALSE(rig.listing.Export(rig.folder.FilePath(QStringLiteral("listing.txt"))));
    EXPECT_FALSE(rig.listing.Export(rig.folder.FilePath(QStringLiteral("gone/listing.csv"))));
    ExpectGolden(QString::fromStdString(rig.Shown())
                     .replace(rig.folder.Path(), QStringLiteral("FOLDER"))
                     .toUtf8(),
                 QStringLiteral("app/listing-refusals.txt"));
    EXPECT_EQ(rig.Model()->rowCount(), rows);
}

}  // namespace
}  // namespace velmaris::testing
