#include "output/print_job.h"

namespace velmaris::domain {

QList<QStringList> PaginateLines(const QStringList& lines, double linesPerPage, int linesPerSheet) {
    QList<QStringList> pages;
    QStringList page;
    int counter = 1;
    for (const QString& line : lines) {
        page.append(line);
        const bool countReached = counter == linesPerPage;
        const bool sheetFull = linesPerSheet > 0 && page.size() >= linesPerSheet;
        if (countReached || sheetFull) {
            pages.append(page);
            page.clear();
            counter = 0;
        }
        ++counter;
    }
    if (!page.isEmpty()) {
        pages.append(page);
    }
    return pages;
}

}  // namespace velmaris::domain
