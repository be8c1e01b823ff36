#pragma once

#include <QString>

#include "platform/printer.h"

namespace velmaris::platform {

// Prints through the system's default printer. On a machine without any printer the pages go
// to a PDF file in the program folder instead, and the outcome names it.
class QtPrinter final : public Printer {
  public:
    explicit QtPrinter(QString pdfFolder) : pdfFolder_(std::move(pdfFolder)) {}

    [[nodiscard]] int LinesPerSheet(const QString& fontFamily, int pointSize) override;
    PrintOutcome Print(const PrintJob& job) override;

    // Sends every job to this PDF file instead of a printer (for tests and for machines
    // without printers).
    void SetPdfOutput(const QString& path) { forcedPdfPath_ = path; }

  private:
    QString pdfFolder_;
    QString forcedPdfPath_;
};

}  // namespace velmaris::platform
