// The review window and real print-outs. Without a print service the pages go to a PDF file
// through QPrinter; where CI has set up CUPS with a PDF queue as the default printer
// (VELMARIS_PRINT_PDF_DIR names the folder its files arrive in), the same print goes through
// the print system and the PDF that arrives is checked.
#include "app/print_review_window.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>

#include "app_fixture.h"
#include "output/output_commands.h"
#include "platform/qt/qt_printer.h"
#include "support/output_fakes.h"

namespace velmaris::app {
namespace {

using testing::DataFolder;

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfFacts {
    QString text;
    int pages = 0;
    double medianWordHeight = 0;  // points; close to the font size for a fixed-pitch font
};

PdfFacts Inspect(const QString& pdf) {
    PdfFacts facts;
    facts.text =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    facts.pages = pages.hasMatch() ? pages.captured(1).toInt() : 0;
    const QString boxes =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QList<double> heights;
    const QRegularExpression word(
        QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\""));
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        heights.append(m.captured(2).toDouble() - m.captured(1).toDouble());
    }
    std::sort(heights.begin(), heights.end());
    facts.medianWordHeight = heights.isEmpty() ? 0 : heights[heights.size() / 2];
    return facts;
}

// A program whose options ask for 3 lines per printed page and 12 points up to 20 characters.
struct PrintRig {
    PrintRig() {
        testing::EnsureApplication();
        testing::CopyDataFiles(folder);
        QByteArray options;
        for (const char* value :
             {"1.5", "6", "21", "1990", "2", "45", "1", "5", "0", "3", "61", "20"}) {
            options += QByteArray(value) + "\r\n";
        }
        folder.Write(QStringLiteral("OPTIONS.OPT"), options);
        program = std::make_unique<domain::Program>(
            domain::ProgramServices{clock, regional, messages, textArea, folder.Path()});
        program->StartUp();
        printer = std::make_unique<platform::QtPrinter>(folder.Path());
        output = std::make_unique<domain::OutputCommands>(*program, messages, dialog, *printer);
    }

    // Stages the given lines, opens the review window on them and presses Print.
    void PrintThroughWindow(const QStringList& lines, const QString& appended = {}) {
        program->Buffer().ClearDataBuffer();
        for (const QString& line : lines) {
            program->Buffer().AppendBufferLine(line);
        }
        ASSERT_TRUE(output->StagePage());
        auto* window = new PrintReviewWindow(*output);
        window->LoadStagedText();
        if (!appended.isEmpty()) {
            window->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"))
                ->appendPlainText(appended);
        }
        window->show();
        window->findChild<QPushButton*>(QStringLiteral("btnPrint"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    DataFolder folder;
    testing::FixedClock clock{testing::TestMoment()};
    testing::FixedRegional regional{0, 0};
    testing::RecordingMessages messages;
    testing::RecordingTextArea textArea;
    testing::ScriptedFileDialog dialog;
    std::unique_ptr<domain::Program> program;
    std::unique_ptr<platform::QtPrinter> printer;
    std::unique_ptr<domain::OutputCommands> output;
};

QStringList Lines(int count, int width = 8) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines.append(QStringLiteral("L%1").arg(i, width - 1, 10, QLatin1Char('0')));
    }
    return lines;
}

TEST(PrintReviewWindowTest, ShowsTheStagedLinesAndTheirControls) {
    PrintRig rig;
    rig.program->Buffer().ClearDataBuffer();
    rig.program->Buffer().AppendBufferLine(QStringLiteral("first"));
    rig.program->Buffer().AppendBufferLine(QString(21, QLatin1Char('x')));
    ASSERT_TRUE(rig.output->StagePage());
    PrintReviewWindow window(*rig.output);
    window.LoadStagedText();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Data To Be Printed"));
    EXPECT_TRUE(window.LongLineFlag());  // 21 characters, one more than option 12
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("btnCancel"))->text(),
              QStringLiteral("Cancel"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste."));
    const auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("txtContent"));
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_EQ(box->toPlainText(),
              QStringLiteral("first\n") + QString(21, QLatin1Char('x')) + QStringLiteral("\n"));
    // Unedited, the text goes back exactly as it was staged.
    EXPECT_EQ(window.EditedText().toUtf8(), rig.folder.Read(QStringLiteral("PRNTFILE.XXX")));
}

TEST(PrintReviewWindowTest, CancelPrintsNothingAndKeepsTheStagingFile) {
    PrintRig rig;
    testing::RecordingPrinter printer;
    domain::OutputCommands output(*rig.program, rig.messages, rig.dialog, printer);
    ASSERT_TRUE(output.StagePage());
    const QByteArray staged = rig.folder.Read(QStringLiteral("PRNTFILE.XXX"));
    auto* window = new PrintReviewWindow(output);
    window->LoadStagedText();
    window->show();
    window->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_EQ(rig.folder.Read(QStringLiteral("PRNTFILE.XXX")), staged);
}

TEST(PrintToPdfTest, EditedTextIsPrintedInPagesAtTheChosenSize) {
    PrintRig rig;
    const QString pdf = rig.folder.FilePath(QStringLiteral("out.pdf"));
    rig.printer->SetPdfOutput(pdf);
    rig.PrintThroughWindow(Lines(7), QStringLiteral("typed before printing"));
    ASSERT_TRUE(QFileInfo::exists(pdf));
    const PdfFacts facts = Inspect(pdf);
    if (facts.pages == 0) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    // 7 lines, the empty staged slot, the typed line and the empty line the write-back adds:
    // 10 lines, 3 per page.
    EXPECT_EQ(facts.pages, 4);
    EXPECT_TRUE(facts.text.contains(QStringLiteral("L0000007")));
    EXPECT_TRUE(facts.text.contains(QStringLiteral("typed before printing")));
    EXPECT_TRUE(rig.folder.Read(QStringLiteral("PRNTFILE.XXX")).contains("typed before printing"));
    EXPECT_NEAR(facts.medianWordHeight, 12.0, 4.0);
}

TEST(PrintToPdfTest, OneCharacterTooManySwitchesTo10Points) {
    PrintRig rig;
    const QString atLimit = rig.folder.FilePath(QStringLiteral("limit.pdf"));
    rig.printer->SetPdfOutput(atLimit);
    rig.PrintThroughWindow(Lines(2, 20));  // exactly 20 characters
    const QString over = rig.folder.FilePath(QStringLiteral("over.pdf"));
    rig.printer->SetPdfOutput(over);
    rig.PrintThroughWindow(Lines(2, 21));
    const PdfFacts twelve = Inspect(atLimit);
    const PdfFacts ten = Inspect(over);
    if (twelve.pages == 0) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    EXPECT_GT(twelve.medianWordHeight, ten.medianWordHeight * 1.1);
    EXPECT_NEAR(ten.medianWordHeight / twelve.medianWordHeight, 10.0 / 12.0, 0.08);
}

TEST(PrintToPdfTest, PageBreaksAfterEverySixtyLines) {
    PrintRig rig;
    QByteArray options = rig.folder.Read(QStringLiteral("OPTIONS.OPT"));
    options.replace("\r\n3\r\n61\r\n", "\r\n60\r\n61\r\n");
    rig.folder.Write(QStringLiteral("OPTIONS.OPT"), options);
    rig.program->ReReadOptions();
    ASSERT_EQ(rig.program->Options()[10], 60.0f);
    const QString pdf = rig.folder.FilePath(QStringLiteral("sixty.pdf"));
    rig.printer->SetPdfOutput(pdf);
    // 178 lines, the empty slot and the empty line the write-back adds make 180.
    rig.PrintThroughWindow(Lines(178, 30));
    const PdfFacts facts = Inspect(pdf);
    if (facts.pages == 0) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    EXPECT_EQ(facts.pages, 3);
    const QStringList pages = facts.text.split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("L00000000000000000000000000060")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("L00000000000000000000000000061")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("L00000000000000000000000000061")));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("L00000000000000000000000000178")));
}

// Through the print system: CUPS with a PDF queue as the default printer.
TEST(PrintThroughCupsTest, ThePdfThatArrivesHoldsThePrintOut) {
    const QString arrivals = qEnvironmentVariable("VELMARIS_PRINT_PDF_DIR");
    if (arrivals.isEmpty()) {
        GTEST_SKIP() << "no CUPS PDF queue set up (VELMARIS_PRINT_PDF_DIR)";
    }
    QSet<QString> before;
    for (QDirIterator it(arrivals, {QStringLiteral("*.pdf")}, QDir::Files); it.hasNext();) {
        before.insert(it.next());
    }
    PrintRig rig;
    rig.PrintThroughWindow(Lines(5), QStringLiteral("through the print system"));
    EXPECT_TRUE(rig.messages.shown.empty()) << "printed to a file instead of the printer";

    QString arrived;
    QElapsedTimer waited;
    waited.start();
    while (arrived.isEmpty() && waited.elapsed() < 60000) {
        QThread::msleep(250);
        for (QDirIterator it(arrivals, {QStringLiteral("*.pdf")}, QDir::Files); it.hasNext();) {
            const QString path = it.next();
            if (!before.contains(path) && QFileInfo(path).size() > 0) {
                arrived = path;
            }
        }
    }
    ASSERT_FALSE(arrived.isEmpty()) << "no PDF arrived in " << arrivals.toStdString();
    QThread::msleep(500);  // let the queue finish writing it
    const PdfFacts facts = Inspect(arrived);
    EXPECT_EQ(facts.pages, 3);  // 5 lines, 3 more as above, 3 per page
    EXPECT_TRUE(facts.text.contains(QStringLiteral("L0000005")));
    EXPECT_TRUE(facts.text.contains(QStringLiteral("through the print system")));
    EXPECT_NEAR(facts.medianWordHeight, 12.0, 4.0);
}

}  // namespace
}  // namespace velmaris::app
