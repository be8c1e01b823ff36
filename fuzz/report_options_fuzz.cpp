// A whole start-up for arbitrary option values: the input gives twelve numbers (natal date and
// time, orb, zones, page settings), written into an options file beside the interpretation
// files; start-up must compute the natal chart and write the first page or say why not.
#include "fuzz_support.h"

#include "session/program.h"

#include <QLocale>

#include <cstdlib>
#include <cstring>

using namespace velmaris;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::SeedInterpretationFiles();
    QByteArray options;
    for (int i = 0; i < 12; ++i) {
        float value = 0;
        if (size >= sizeof value * static_cast<size_t>(i + 1)) {
            std::memcpy(&value, data + sizeof value * static_cast<size_t>(i), sizeof value);
        }
        // Seven columns hold the number; three significant digits keep its magnitude in them.
        options +=
            QByteArray::number(static_cast<double>(value), 'g', 3).leftJustified(7, ' ', true);
        options += " value\r\n";
    }
    fuzz::WriteScratch(QStringLiteral("OPTIONS.OPT"), options);

    testing::FixedClock clock(QDateTime(QDate(2026, 12, 4), QTime(9, 5, 0)));
    testing::FixedRegional regional(1, 1, QLocale(QLocale::English));
    testing::RecordingMessages messages;
    testing::RecordingTextArea textArea;
    session::Program program(session::ProgramServices{clock, regional, messages, textArea,
                                                      fuzz::ScratchFolder().path()});
    program.StartUp();
    if (program.Buffer().PageLineCount() == 0 || textArea.text.isEmpty()) {
        std::abort();
    }
    program.Forward();
    program.Backward();
    return 0;
}
