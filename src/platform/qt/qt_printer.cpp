#include "platform/qt/qt_printer.h"

#include <QDateTime>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>
#include <memory>

namespace velmaris::platform {
namespace {

QFont PrintFont(const QString& family, int pointSize) {
    QFont font(family);
    font.setPointSize(pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// A printer set up for the default print queue, or for a PDF file when pdfPath is given.
std::unique_ptr<QPrinter> MakePrinter(const QString& pdfPath) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!pdfPath.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
    }
    printer->setDocName(QStringLiteral("VELMARIS"));
    return printer;
}

int LinesOnSheet(QPrinter& printer, const QFont& font) {
    const QFontMetricsF metrics(font, &printer);
    const double pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    return std::max(1, static_cast<int>(std::floor(pageHeight / metrics.lineSpacing())));
}

}  // namespace

int QtPrinter::LinesPerSheet(const QString& fontFamily, int pointSize) {
    const bool noPrinter = forcedPdfPath_.isEmpty() && QPrinterInfo::availablePrinters().isEmpty();
    const std::unique_ptr<QPrinter> printer = MakePrinter(
        noPrinter ? QDir(pdfFolder_).filePath(QStringLiteral("measure.pdf")) : forcedPdfPath_);
    return LinesOnSheet(*printer, PrintFont(fontFamily, pointSize));
}

QString QtPrinter::PdfPathWhenNoPrinter() const {
    if (!forcedPdfPath_.isEmpty() || !QPrinterInfo::availablePrinters().isEmpty()) {
        return forcedPdfPath_;
    }
    return QDir(pdfFolder_)
        .filePath(
            QStringLiteral("PRINT-%1.PDF")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"))));
}

PrintOutcome QtPrinter::PrintPainted(const std::function<void(QPainter&, const QRectF&)>& paint) {
    const QString pdfPath = PdfPathWhenNoPrinter();
    const std::unique_ptr<QPrinter> printer = MakePrinter(pdfPath);
    QPainter painter;
    if (!painter.begin(printer.get())) {
        return {
            false,
            {},
            pdfPath.isEmpty()
                ? QStringLiteral("the printer could not be opened")
                : QStringLiteral("%1 could not be written").arg(QDir::toNativeSeparators(pdfPath))};
    }
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, QRectF(QPointF(0, 0),
                          printer->pageLayout().paintRectPixels(printer->resolution()).size()));
    if (!painter.end()) {
        return {false, {}, QStringLiteral("the print job could not be finished")};
    }
    return {true, forcedPdfPath_.isEmpty() ? pdfPath : QString(), {}};
}

PrintOutcome QtPrinter::Print(const PrintJob& job) {
    const QString pdfPath = PdfPathWhenNoPrinter();
    const std::unique_ptr<QPrinter> printer = MakePrinter(pdfPath);
    const QFont font = PrintFont(job.fontFamily, job.pointSize);

    QPainter painter;
    if (!painter.begin(printer.get())) {
        return {
            false,
            {},
            pdfPath.isEmpty()
                ? QStringLiteral("the printer could not be opened")
                : QStringLiteral("%1 could not be written").arg(QDir::toNativeSeparators(pdfPath))};
    }
    painter.setFont(font);
    const QFontMetricsF metrics(font, printer.get());
    bool firstPage = true;
    for (const QStringList& page : job.pages) {
        if (!firstPage && !printer->newPage()) {
            painter.end();
            return {false, {}, QStringLiteral("a new page could not be started")};
        }
        firstPage = false;
        double baseline = metrics.ascent();
        for (const QString& line : page) {
            painter.drawText(QPointF(0, baseline), line);
            baseline += metrics.lineSpacing();
        }
    }
    if (!painter.end()) {
        return {false, {}, QStringLiteral("the print job could not be finished")};
    }
    return {true, forcedPdfPath_.isEmpty() ? pdfPath : QString(), {}};
}

}  // namespace velmaris::platform
