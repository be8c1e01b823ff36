// The review window and real print-outs. Without a print service the pages go to a PDF file
// through QPrinter; where the test script has set up CUPS with a PDF queue as the default
// printer (VELMARIS_PRINT_PDF_DIR names the folder its files arrive in), the same print goes
// through the print system and the PDF that arrives is checked.
#include "app/print_review_window.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>

#include "app_fixture.h"
#include "platform/qt/qt_printer.h"
#include "session/output_commands.h"
#include "support/output_fakes.h"

namespace velmaris::app {
namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfFacts {
    QString text;  // pages separated by form feeds
    int pages = 0;
    double medianWordHeight = 0;  // points; close to the size of a fixed-pitch font
};

PdfFacts Inspect(const QString& pdf) {
    PdfFacts facts;
    facts.text =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                              .match(Run(QStringLiteral("pdfinfo"), {pdf}));
    facts.pages = pages.hasMatch() ? pages.captured(1).toInt() : 0;
    QList<double> heights;
    const QRegularExpression box(
        QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\""));
    const QString boxes =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    for (auto it = box.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        heights.append(m.captured(2).toDouble() - m.captured(1).toDouble());
    }
    std::sort(heights.begin(), heights.end());
    facts.medianWordHeight = heights.isEmpty() ? 0 : heights[heights.size() / 2];
    return facts;
}

// Options: 3 lines per printed page, lines of up to 20 characters at 12 points.
struct PrintRig : testing::AppRig {
    PrintRig() {
        QByteArray options;
        for (const char* value :
             {"1.5", "6", "21", "1990", "2", "45", "1", "5", "0", "3", "61", "20"}) {
            options += QByteArray(value) + "\r\n";
        }
        folder.Write(QStringLiteral("OPTIONS.OPT"), options);
        program->StartUp();
        messages.shown.clear();
    }

    // Stages the lines as a page, opens the review window on them, types, and presses a button.
    void Review(const QStringList& lines, const QString& typed, const char* button) {
        program->Buffer().ClearDataBuffer();
        for (const QString& line : lines) {
            program->Buffer().AppendBufferLine(line);
        }
        ASSERT_TRUE(output.StagePage());
        auto* review = new PrintReviewWindow(output);
        review->LoadStagedText();
        if (!typed.isEmpty()) {
            review->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"))
                ->appendPlainText(typed);
        }
        review->show();
        review->findChild<QPushButton*>(QLatin1String(button))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Prints to a PDF file of the rig's folder and returns what it holds.
    PdfFacts PrintToPdf(const QStringList& lines, const QString& typed = {}) {
        const QString pdf = folder.FilePath(QStringLiteral("out.pdf"));
        QFile::remove(pdf);
        printer.SetPdfOutput(pdf);
        Review(lines, typed, "btnPrint");
        return Inspect(pdf);
    }

    testing::ScriptedFileDialog dialog;
    platform::QtPrinter printer{folder.Path()};
    session::OutputCommands output{*program, messages, dialog, printer};
};

QStringList Lines(int count, int width) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines.append(QStringLiteral("L%1").arg(i, width - 1, 10, QLatin1Char('0')));
    }
    return lines;
}

TEST(PrintReviewWindowTest, ShowsTheStagedLinesAndCancelPrintsNothing) {
    PrintRig rig;
    rig.program->Buffer().ClearDataBuffer();
    rig.program->Buffer().AppendBufferLine(QStringLiteral("first"));
    rig.program->Buffer().AppendBufferLine(QString(21, QLatin1Char('x')));
    ASSERT_TRUE(rig.output.StagePage());
    PrintReviewWindow window(rig.output);
    window.LoadStagedText();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Data To Be Printed"));
    EXPECT_TRUE(window.LongLineFlag());  // 21 characters, one more than option 12
    const auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("txtContent"));
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_EQ(box->toPlainText(),
              QStringLiteral("first\n") + QString(21, QLatin1Char('x')) + QLatin1Char('\n'));
    // Unedited, the text goes back exactly as it was staged.
    const QByteArray staged = rig.folder.Read(QStringLiteral("PRNTFILE.XXX"));
    EXPECT_EQ(window.EditedText().toUtf8(), staged);

    const QString pdf = rig.folder.FilePath(QStringLiteral("cancelled.pdf"));
    rig.printer.SetPdfOutput(pdf);
    rig.Review({QStringLiteral("first")}, QStringLiteral("typed"), "btnCancel");
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_FALSE(rig.folder.Read(QStringLiteral("PRNTFILE.XXX")).contains("typed"));
}

TEST(PrintToPdfTest, PagesSizeAndEditsOfThePrintOut) {
    PrintRig rig;
    // 7 lines, the empty staged slot, the typed line and the empty line the write-back adds:
    // 10 lines at 3 per page.
    const PdfFacts edited = rig.PrintToPdf(Lines(7, 20), QStringLiteral("typed before printing"));
    if (edited.pages == 0) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    EXPECT_EQ(edited.pages, 4);
    EXPECT_TRUE(edited.text.contains(QStringLiteral("L0000000000000000007")));
    EXPECT_TRUE(edited.text.contains(QStringLiteral("typed before printing")));
    EXPECT_TRUE(rig.folder.Read(QStringLiteral("PRNTFILE.XXX")).contains("typed before printing"));
    EXPECT_NEAR(edited.medianWordHeight, 12.0, 4.0);  // exactly 20 characters: 12 points

    const PdfFacts longer = rig.PrintToPdf(Lines(2, 21));  // one character more: 10 points
    EXPECT_NEAR(longer.medianWordHeight / edited.medianWordHeight, 10.0 / 12.0, 0.08);
}

// Through the print system: CUPS with a PDF queue as the default printer.
TEST(PrintThroughCupsTest, ThePdfThatArrivesHoldsThePrintOut) {
    const QString arrivals = qEnvironmentVariable("VELMARIS_PRINT_PDF_DIR");
    if (arrivals.isEmpty()) {
        GTEST_SKIP() << "no CUPS PDF queue set up (VELMARIS_PRINT_PDF_DIR)";
    }
    const auto pdfs = [&arrivals] {
        QStringList found;
        for (QDirIterator it(arrivals, {QStringLiteral("*.pdf")}, QDir::Files); it.hasNext();) {
            found.append(it.next());
        }
        return found;
    };
    const QStringList before = pdfs();
    PrintRig rig;
    rig.Review(Lines(5, 8), QStringLiteral("through the print system"), "btnPrint");
    EXPECT_TRUE(rig.messages.shown.empty()) << "printed to a file instead of the printer";

    QString arrived;
    QElapsedTimer waited;
    waited.start();
    while (arrived.isEmpty() && waited.elapsed() < 60000) {
        QThread::msleep(250);
        for (const QString& path : pdfs()) {
            if (!before.contains(path) && QFileInfo(path).size() > 0) {
                arrived = path;
            }
        }
    }
    ASSERT_FALSE(arrived.isEmpty()) << "no PDF arrived in " << arrivals.toStdString();
    QThread::msleep(500);  // let the queue finish writing it
    const PdfFacts facts = Inspect(arrived);
    EXPECT_EQ(facts.pages, 3);  // 5 lines and 3 more as above, 3 per page
    EXPECT_TRUE(facts.text.contains(QStringLiteral("L0000005")));
    EXPECT_TRUE(facts.text.contains(QStringLiteral("through the print system")));
    EXPECT_NEAR(facts.medianWordHeight, 12.0, 4.0);
}

}  // namespace
}  // namespace velmaris::app
