#pragma once

#include "session/program.h"
#include "transits/transit_search.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QDateEdit;
class QLabel;
class QStandardItemModel;
class QTableView;

namespace velmaris::app {

// What the Transit Listing window works with; it must outlive the window.
struct ListingWindowServices {
    session::Program& program;
    platform::MessageBoxes& messages;
    platform::Clock& clock;
    // Chooses the file a listing is exported to (filter and default suffix given); nothing
    // when the user cancels.
    std::function<std::optional<QString>(const QString& proposedName, const QString& filter,
                                         const QString& suffix)>
        chooseSaveFile;
};

inline const QString kListingTitle = QStringLiteral("Transit Listing");

// "Transit Listing": every transit window of a period in a sortable table, the paragraph of
// the selected row, and Export as CSV or iCalendar. A long period is searched a year at a
// time with a progress window that can stop it; the window keeps responding meanwhile.
class TransitListingWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit TransitListingWindow(ListingWindowServices services, QWidget* parent = nullptr);

    // Lists the period; false (with a message) when it is refused or the search was stopped.
    bool ListPeriod(const QDate& from, const QDate& to);
    // Writes the listing as CSV or ICS (by the file's ending); failures are told.
    bool Export(const QString& path);
    [[nodiscard]] QTableView* Table() const { return table_; }
    [[nodiscard]] QString SelectedText() const;
    [[nodiscard]] const std::vector<transits::TransitWindow>& Windows() const { return windows_; }

  private:
    void showSelected();
    void exportAs(const QString& filter, const QString& suffix);

    ListingWindowServices services_;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QTableView* table_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    QLabel* selected_ = nullptr;
    std::vector<transits::TransitWindow> windows_;
    QString periodName_;  // "2027-01-01_2027-12-31", for the proposed file names
};

}  // namespace velmaris::app
