#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace velmaris::platform {

// A print-out prepared line by line: the pages in order, each a list of lines, printed in a
// fixed-pitch font at one point size.
struct PrintJob {
    QString fontFamily;
    int pointSize = 12;
    QList<QStringList> pages;
};

struct PrintOutcome {
    bool printed = false;
    // Where the pages went when no printer is installed and they were written to a PDF file
    // instead; empty when they went to a printer.
    QString pdfPath;
    // Why nothing was printed, when printed is false.
    QString error;
};

// The default printer.
class Printer {
  public:
    virtual ~Printer() = default;
    // How many lines of the font at this size fit on one page of the paper.
    [[nodiscard]] virtual int LinesPerSheet(const QString& fontFamily, int pointSize) = 0;
    // Prints the pages; a new sheet starts for each page.
    virtual PrintOutcome Print(const PrintJob& job) = 0;
};

}  // namespace velmaris::platform
