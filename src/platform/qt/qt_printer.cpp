#include "platform/qt/qt_printer.h"

#include "io/atomic_write.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
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

// A printer set up for the default print queue.
std::unique_ptr<QPrinter> MakePrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("VELMARIS"));
    return printer;
}

// A PDF drawn into memory, with the page layout and resolution the printer would give it, so
// that it can be written to its file in one step: a full disk then leaves no cut-off PDF.
struct PdfInMemory {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QPdfWriter writer{&buffer};

    PdfInMemory() {
        buffer.open(QIODevice::WriteOnly);
        const QPrinter model(QPrinter::HighResolution);
        writer.setResolution(model.resolution());
        writer.setPageLayout(model.pageLayout());
        writer.setTitle(QStringLiteral("VELMARIS"));
    }
};

double PaintHeight(QPagedPaintDevice& device, int resolution) {
    return device.pageLayout().paintRectPixels(resolution).height();
}

int LinesOnSheet(QPagedPaintDevice& device, int resolution, const QFont& font) {
    const QFontMetricsF metrics(font, &device);
    return std::max(
        1, static_cast<int>(std::floor(PaintHeight(device, resolution) / metrics.lineSpacing())));
}

// Paints with `paint` on the printer, or into a PDF in memory written to pdfPath at the end.
PrintOutcome PaintAndFinish(
    const QString& pdfPath, bool namePdf,
    const std::function<QString(QPainter&, QPagedPaintDevice&, int)>& paint) {
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<PdfInMemory> pdf;
    QPagedPaintDevice* device = nullptr;
    int resolution = 0;
    if (pdfPath.isEmpty()) {
        printer = MakePrinter();
        device = printer.get();
        resolution = printer->resolution();
    } else {
        pdf = std::make_unique<PdfInMemory>();
        device = &pdf->writer;
        resolution = pdf->writer.resolution();
    }
    QPainter painter;
    if (!painter.begin(device)) {
        return {
            false,
            {},
            pdfPath.isEmpty()
                ? QStringLiteral("the printer could not be opened")
                : QStringLiteral("%1 could not be written").arg(QDir::toNativeSeparators(pdfPath))};
    }
    const QString failure = paint(painter, *device, resolution);
    if (!failure.isEmpty()) {
        painter.end();
        return {false, {}, failure};
    }
    if (!painter.end()) {
        return {false, {}, QStringLiteral("the print job could not be finished")};
    }
    if (pdf) {
        pdf->buffer.close();
        const io::WriteResult written = io::WriteFileAtomically(pdfPath, pdf->bytes);
        if (!written.ok) {
            return {false,
                    {},
                    QStringLiteral("%1 could not be written: %2")
                        .arg(QDir::toNativeSeparators(pdfPath), written.error)};
        }
    }
    return {true, namePdf ? pdfPath : QString(), {}};
}

}  // namespace

int QtPrinter::LinesPerSheet(const QString& fontFamily, int pointSize) {
    const QFont font = PrintFont(fontFamily, pointSize);
    if (PdfPathWhenNoPrinter().isEmpty()) {
        const std::unique_ptr<QPrinter> printer = MakePrinter();
        return LinesOnSheet(*printer, printer->resolution(), font);
    }
    PdfInMemory pdf;
    return LinesOnSheet(pdf.writer, pdf.writer.resolution(), font);
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
    return PaintAndFinish(
        PdfPathWhenNoPrinter(), forcedPdfPath_.isEmpty(),
        [&paint](QPainter& painter, QPagedPaintDevice& device, int resolution) {
            painter.setRenderHint(QPainter::Antialiasing);
            paint(painter,
                  QRectF(QPointF(0, 0), device.pageLayout().paintRectPixels(resolution).size()));
            return QString();
        });
}

PrintOutcome QtPrinter::Print(const PrintJob& job) {
    const QFont font = PrintFont(job.fontFamily, job.pointSize);
    return PaintAndFinish(
        PdfPathWhenNoPrinter(), forcedPdfPath_.isEmpty(),
        [&job, &font](QPainter& painter, QPagedPaintDevice& device, int /*resolution*/) {
            painter.setFont(font);
            const QFontMetricsF metrics(font, &device);
            bool firstPage = true;
            for (const QStringList& page : job.pages) {
                if (!firstPage && !device.newPage()) {
                    return QStringLiteral("a new page could not be started");
                }
                firstPage = false;
                double baseline = metrics.ascent();
                for (const QString& line : page) {
                    painter.drawText(QPointF(0, baseline), line);
                    baseline += metrics.lineSpacing();
                }
            }
            return QString();
        });
}

}  // namespace velmaris::platform
