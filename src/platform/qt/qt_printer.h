#pragma once

#include "platform/printer.h"

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace velmaris::platform {

// Prints through the system's default printer. On a machine without any printer the pages go
// to a PDF file in the program folder instead, and the outcome names it.
class QtPrinter final : public Printer {
  public:
    explicit QtPrinter(QString pdfFolder) : pdfFolder_(std::move(pdfFolder)) {}

    [[nodiscard]] int LinesPerSheet(const QString& fontFamily, int pointSize) override;
    PrintOutcome Print(const PrintJob& job) override;

    // Prints one page painted by `paint` into the page's printable area, to the default printer
    // or, without one, to a PDF file in the program folder as the text pages go.
    PrintOutcome PrintPainted(const std::function<void(QPainter&, const QRectF&)>& paint);

    // Sends every job to this PDF file instead of a printer (for tests and for machines
    // without printers).
    void SetPdfOutput(const QString& path) { forcedPdfPath_ = path; }

  private:
    // The PDF file the pages go to: the forced one, or a new one when there is no printer;
    // empty when they go to the default printer.
    [[nodiscard]] QString PdfPathWhenNoPrinter() const;

    QString pdfFolder_;
    QString forcedPdfPath_;
};

}  // namespace velmaris::platform
