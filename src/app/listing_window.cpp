#include "app/listing_window.h"

#include "app/period_fields.h"
#include "io/atomic_write.h"
#include "listing/listing_formats.h"
#include "listing/listing_period.h"
#include "listing/listing_search.h"
#include "options/options_file.h"
#include "platform/qt/busy_pointer.h"
#include "report/interpretation_file.h"
#include "transits/positions_adapter.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace velmaris::app {
namespace {

constexpr int kSortRole = Qt::UserRole;
constexpr int kWindowRole = Qt::UserRole + 1;
constexpr int kProgressSteps = 1000;

const QString kCsvFilter = QStringLiteral("CSV table (*.csv)");
const QString kIcsFilter = QStringLiteral("iCalendar file (*.ics)");

QStandardItem* Cell(const QString& text, const QVariant& sortBy) {
    auto* item = new QStandardItem(text);
    item->setData(sortBy, kSortRole);
    item->setEditable(false);
    return item;
}

}  // namespace

TransitListingWindow::TransitListingWindow(ListingWindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(std::move(services)) {
    setObjectName(QStringLiteral("frmTransitListing"));
    setWindowTitle(kListingTitle);
    resize(900, 600);

    auto* list = new QPushButton(QStringLiteral("&List"), this);
    list->setObjectName(QStringLiteral("cmdList"));
    auto* period = new QHBoxLayout;
    const PeriodFields fields = AddPeriodFields(*period, this, services_.program.DateOrder(), list);
    from_ = fields.from;
    to_ = fields.to;

    model_ = new QStandardItemModel(0, 8, this);
    model_->setHorizontalHeaderLabels({QStringLiteral("Transit"), QStringLiteral("Aspect"),
                                       QStringLiteral("Natal"), QStringLiteral("Enters"),
                                       QStringLiteral("Exact"), QStringLiteral("Pass"),
                                       QStringLiteral("Leaves"), QStringLiteral("Now")});
    model_->setSortRole(kSortRole);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblTransits"));
    table_->setModel(model_);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);

    selected_ = new QLabel(QStringLiteral("Select a row to read about its transit."), this);
    selected_->setObjectName(QStringLiteral("lblTransit"));
    selected_->setWordWrap(true);
    selected_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    selected_->setMinimumHeight(selected_->fontMetrics().lineSpacing() * 5);
    selected_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* csv = new QPushButton(QStringLiteral("Export &CSV..."), this);
    csv->setObjectName(QStringLiteral("cmdExportCsv"));
    auto* ics = new QPushButton(QStringLiteral("Export &ICS..."), this);
    ics->setObjectName(QStringLiteral("cmdExportIcs"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(csv);
    buttons->addWidget(ics);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addWidget(table_, 1);
    layout->addWidget(selected_);
    layout->addLayout(buttons);

    connect(list, &QPushButton::clicked, this, [this] { ListPeriod(from_->date(), to_->date()); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TransitListingWindow::showSelected);
    connect(csv, &QPushButton::clicked, this,
            [this] { exportAs(kCsvFilter, QStringLiteral("csv")); });
    connect(ics, &QPushButton::clicked, this,
            [this] { exportAs(kIcsFilter, QStringLiteral("ics")); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // The year from the first of the page's month.
    const QDate page =
        QDate::fromJulianDay(static_cast<qint64>(services_.program.PageMoment().dayNumber));
    const QDate first(page.year(), page.month(), 1);
    from_->setDate(first);
    to_->setDate(first.addYears(1).addDays(-1));
}

bool TransitListingWindow::ListPeriod(const QDate& from, const QDate& to) {
    from_->setDate(from);
    to_->setDate(to);
    session::Program& program = services_.program;
    const domain::PeriodQuery asked =
        domain::QueryForPeriod(from, to, program.Options(), program.NatalPositions());
    if (!asked.period.accepted) {
        services_.messages.Show(asked.period.message, kListingTitle,
                                platform::MessageStyle::Exclamation);
        return false;
    }
    const float clockZone = asked.clockZone;
    const transits::LongitudeFunction longitude = transits::PositionsLongitude();
    domain::ListingSearch search(asked.query, longitude);
    {
        // A year at a time; the progress window appears when the search takes a while.
        QProgressDialog progress(QStringLiteral("Finding the transits of the period..."),
                                 QStringLiteral("Stop"), 0, kProgressSteps, this);
        progress.setObjectName(QStringLiteral("dlgListingProgress"));
        progress.setWindowTitle(kListingTitle);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        platform::BusyPointer busy;
        while (search.Step()) {
            progress.setValue(static_cast<int>(std::lround(search.Progress() * kProgressSteps)));
            QCoreApplication::processEvents();
            if (progress.wasCanceled()) {
                services_.messages.Show(
                    QStringLiteral("The listing was stopped; the table shows the period listed "
                                   "before."),
                    kListingTitle, platform::MessageStyle::Information);
                return false;
            }
        }
    }

    windows_ = search.Windows();
    periodName_ = from.toString(Qt::ISODate) + QLatin1Char('_') + to.toString(Qt::ISODate);
    const ephem::ChartMoment page = program.PageMoment();
    const std::vector<domain::ListingTableRow> rows =
        domain::ListingTable(windows_, page.dayNumber + page.dayFraction - 0.5, program.DateOrder(),
                             clockZone, longitude);
    table_->setSortingEnabled(false);
    model_->removeRows(0, model_->rowCount());
    for (const domain::ListingTableRow& row : rows) {
        QList<QStandardItem*> cells{
            Cell(row.transit, static_cast<int>(windows_[row.window].transit)),
            Cell(row.aspect, windows_[row.window].aspectIndex),
            Cell(row.natal, static_cast<int>(windows_[row.window].natal)),
            Cell(row.enters, row.entersJulianDate),
            Cell(row.exact, row.exactJulianDate),
            Cell(row.pass, row.pass),
            Cell(row.leaves, row.leavesJulianDate),
            Cell(row.now, row.now),
        };
        cells.front()->setData(static_cast<qulonglong>(row.window), kWindowRole);
        model_->appendRow(cells);
    }
    table_->setSortingEnabled(true);
    table_->sortByColumn(3, Qt::AscendingOrder);
    table_->resizeColumnsToContents();
    selected_->setText(QStringLiteral("%1 transits in the period. Select a row to read about it.")
                           .arg(rows.size()));
    return true;
}

QString TransitListingWindow::SelectedText() const {
    return selected_->text();
}

void TransitListingWindow::showSelected() {
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid()) {
        return;
    }
    const auto index = model_->item(current.row(), 0)->data(kWindowRole).value<qulonglong>();
    if (index >= windows_.size()) {
        return;
    }
    const transits::TransitWindow& window = windows_[index];
    const QString key = domain::KeyLine(window);
    const std::optional<QString> paragraph = domain::ReadInterpretation(
        services_.program.AppFolder(), static_cast<int>(window.transit), key);
    selected_->setText(paragraph
                           ? key + QStringLiteral(": ") +
                                 QString(*paragraph).replace(QLatin1Char('\n'), QLatin1Char(' '))
                           : key + QStringLiteral(": no interpretation found."));
}

bool TransitListingWindow::Export(const QString& path) {
    QByteArray bytes;
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
        bytes = domain::FormatCsv(windows_);
    } else if (path.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive)) {
        QStringList problems;
        const float clockZone = domain::ClockZone(services_.program.Options(), problems);
        bytes = domain::FormatIcs(
            windows_, domain::KeyLineParagraphs(services_.program.AppFolder(), windows_),
            domain::ClockJulianDate(services_.clock.Now(), clockZone));
    } else {
        services_.messages.Show(
            session::ListingUnexportedText(path, QStringLiteral("a listing is exported as .csv "
                                                                "or .ics")),
            kListingTitle, platform::MessageStyle::Exclamation);
        return false;
    }
    const io::WriteResult written = io::WriteFileAtomically(path, bytes);
    if (!written.ok) {
        services_.messages.Show(session::ListingUnexportedText(path, written.error), kListingTitle,
                                platform::MessageStyle::Exclamation);
        return false;
    }
    return true;
}

void TransitListingWindow::exportAs(const QString& filter, const QString& suffix) {
    const QString proposed = QStringLiteral("transits_") + periodName_ + QLatin1Char('.') + suffix;
    if (const std::optional<QString> path = services_.chooseSaveFile(proposed, filter, suffix)) {
        Export(*path);
    }
}

}  // namespace velmaris::app
