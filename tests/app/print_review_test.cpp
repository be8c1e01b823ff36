// The review window and real print-outs. Without a print service the pages go to a PDF file
// through QPrinter; where the test script has set up CUPS with a PDF queue as the default
// printer (VELMARIS_PRINT_PDF_DIR names the folder its files arrive in), the same print goes
// through the print system and the PDF that arrives is checked.
#include "app/print_review_window.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>

#include "app_fixture.h"
#include "support/table.h"

namespace velmaris::app {
namespace {

struct PdfFacts {
    QString text;  // the words, separated by blanks
    int pages = 0;
    double wordHeight = 0;  // points, of the last word; close to the size of a fixed-pitch font
};

// The pages and words of a PDF file, from the boxes pdftotext finds around its words.
PdfFacts Inspect(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString boxes = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression kWord(
        QStringLiteral(R"re(yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">([^<]*)<)re"));
    PdfFacts facts;
    facts.pages = static_cast<int>(boxes.count(QStringLiteral("<page ")));
    for (auto it = kWord.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        facts.wordHeight = m.captured(2).toDouble() - m.captured(1).toDouble();
        facts.text += m.captured(3) + QLatin1Char(' ');
    }
    return facts;
}

QPlainTextEdit* Box(const PrintReviewWindow* review) {
    return review->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"));
}

// Shows the review window and presses a button of it.
void Press(PrintReviewWindow* review, const char* button) {
    review->show();
    review->findChild<QPushButton*>(QLatin1String(button))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Options of tests/data/app/print-review-options.opt: 3 lines per printed page, lines of up to
// 20 characters at 12 points.
struct PrintRig : testing::AppRig {
    PrintRig() {
        folder.Write(QStringLiteral("OPTIONS.OPT"),
                     testing::Golden(QStringLiteral("app/print-review-options.opt")));
        program->StartUp();
        messages.shown.clear();
    }

    // Stages a page of `count` lines L1, L2, ..., the last padded with zeros to `width`
    // characters, and opens the review window on it.
    PrintReviewWindow* Open(int count, int width) {
        program->Buffer().ClearDataBuffer();
        for (int i = 1; i <= count; ++i) {
            program->Buffer().AppendBufferLine(
                QStringLiteral("L%1").arg(i, i == count ? width - 1 : 0, 10, QLatin1Char('0')));
        }
        EXPECT_TRUE(output->StagePage());
        auto* review = new PrintReviewWindow(*output);
        review->LoadStagedText();
        return review;
    }

    // Opens the review window on such a page, types, and presses a button.
    void Review(int count, int width, const QString& typed, const char* button) {
        PrintReviewWindow* review = Open(count, width);
        Box(review)->appendPlainText(typed);
        Press(review, button);
    }

    // Prints, or not, to out.pdf of the rig's folder and returns what that holds.
    PdfFacts PrintToPdf(int count, int width, const QString& typed,
                        const char* button = "btnPrint") {
        const QString pdf = folder.FilePath(QStringLiteral("out.pdf"));
        QFile::remove(pdf);
        printer->SetPdfOutput(pdf);
        Review(count, width, typed, button);
        return Inspect(pdf);
    }
};

// The print-out holds every line and the typed one, in the size of 12 points.
void ExpectPrintOut(const PdfFacts& facts, int pages, const QString& lastLine,
                    const QString& typed) {
    EXPECT_EQ(facts.pages, pages);
    EXPECT_TRUE(facts.text.contains(lastLine) && facts.text.contains(typed))
        << facts.text.toStdString();
    EXPECT_NEAR(facts.wordHeight, 12.0, 4.0);
}

TEST(PrintReviewWindowTest, ShowsTheStagedLinesAndCancelPrintsNothing) {
    PrintRig rig;
    const std::unique_ptr<PrintReviewWindow> window(rig.Open(2, 21));
    // The last line has 21 characters, one more than option 12.
    EXPECT_TRUE(window->LongLineFlag());
    EXPECT_FALSE(Box(window.get())->isReadOnly());
    EXPECT_EQ(Box(window.get())->toPlainText(), QStringLiteral("L1\nL00000000000000000002\n"));
    // Unedited, the text goes back exactly as it was staged.
    EXPECT_EQ(window->EditedText().toUtf8(), rig.folder.Read(QStringLiteral("PRNTFILE.XXX")));

    rig.PrintToPdf(1, 5, QStringLiteral("typed"), "btnCancel");
    EXPECT_FALSE(QFileInfo::exists(rig.folder.FilePath(QStringLiteral("out.pdf"))));
    EXPECT_FALSE(rig.folder.Read(QStringLiteral("PRNTFILE.XXX")).contains("typed"));
}

TEST(PrintToPdfTest, PagesSizeAndEditsOfThePrintOut) {
    PrintRig rig;
    // 7 lines, the empty staged slot, the typed line and the empty line the write-back adds:
    // 10 lines at 3 per page.
    const PdfFacts edited = rig.PrintToPdf(7, 20, QStringLiteral("typed before printing"));
    if (edited.pages == 0) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    // Exactly 20 characters: 12 points.
    ExpectPrintOut(edited, 4, QStringLiteral("L0000000000000000007"),
                   QStringLiteral("typed before printing"));
    EXPECT_TRUE(rig.folder.Read(QStringLiteral("PRNTFILE.XXX")).contains("typed before printing"));

    const PdfFacts longer = rig.PrintToPdf(2, 21, {});  // one character more: 10 points
    EXPECT_NEAR(longer.wordHeight / edited.wordHeight, 10.0 / 12.0, 0.08);
}

// The staging file is gone, or a folder stands in its place, when the window loads it.
TEST(PrintReviewLoad, StagingFileGoneOrUnreadableIsToldAndTheWindowStillWorks) {
    for (const bool folderInItsPlace : {false, true}) {
        SCOPED_TRACE(folderInItsPlace ? "a folder in its place" : "missing");
        PrintRig rig;
        ASSERT_TRUE(rig.output->StagePage());
        const QString path = rig.output->StagingFilePath();
        ASSERT_TRUE(QFile::remove(path) && (!folderInItsPlace || QDir().mkdir(path)));
        QPointer<PrintReviewWindow> window = new PrintReviewWindow(*rig.output);
        window->LoadStagedText();
        EXPECT_EQ(rig.messages.Lines(), "Warning!|Exclamation|The file to print, " +
                                            QDir::toNativeSeparators(path).toStdString() +
                                            ", could not be read.");
        EXPECT_TRUE(Box(window)->toPlainText().isEmpty());
        Press(window, "btnCancel");
        EXPECT_TRUE(window.isNull());
    }
}

// Through the print system: CUPS with a PDF queue as the default printer.
TEST(PrintThroughCupsTest, ThePdfThatArrivesHoldsThePrintOut) {
    const QString arrivals = qEnvironmentVariable("VELMARIS_PRINT_PDF_DIR");
    if (arrivals.isEmpty()) {
        GTEST_SKIP() << "no CUPS PDF queue set up (VELMARIS_PRINT_PDF_DIR)";
    }
    const auto pdfs = [&arrivals] {
        return QDir(arrivals).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
    };
    const QFileInfoList before = pdfs();
    PrintRig rig;
    rig.Review(5, 8, QStringLiteral("through the print system"), "btnPrint");
    EXPECT_TRUE(rig.messages.shown.empty()) << "printed to a file instead of the printer";

    QFileInfoList arrived;
    for (const QDeadlineTimer deadline(60000); arrived.isEmpty() && !deadline.hasExpired();) {
        QThread::msleep(250);
        arrived = pdfs();
        arrived.removeIf(
            [&before](const QFileInfo& pdf) { return before.contains(pdf) || pdf.size() == 0; });
    }
    ASSERT_FALSE(arrived.isEmpty()) << "no PDF arrived in " << arrivals.toStdString();
    QThread::msleep(500);  // let the queue finish writing it
    // 5 lines and 3 more as above, 3 per page.
    ExpectPrintOut(Inspect(arrived.first().filePath()), 3, QStringLiteral("L0000005"),
                   QStringLiteral("through the print system"));
}

}  // namespace
}  // namespace velmaris::app
