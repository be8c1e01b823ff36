#include "session/output_commands.h"

#include "io/atomic_write.h"
#include "io/text_lines.h"
#include "output/output_files.h"
#include "output/print_job.h"

namespace velmaris::session {

using namespace domain;  // the output files and the print-out's pages
using platform::MessageStyle;

void OutputCommands::Save() {
    const DataBuffer& buffer = program_.Buffer();
    if (buffer.AllLineCount() == 0) {
        messages_.Show(kNoDataToWriteText, kOutputInformationTitle, MessageStyle::Exclamation);
        return;
    }
    const MomentFields& chosen = program_.Chosen();
    platform::SaveDialogRequest request;
    request.initialFolder = program_.AppFolder();
    request.proposedName =
        ProposedSaveFileName(chosen.year, chosen.month, chosen.day, program_.DateOrder());
    request.filter = kSaveFilter;
    request.defaultSuffix = kSaveDefaultSuffix;
    const std::optional<QString> path = dialog_.GetSaveFileName(request);
    if (!path) {
        return;
    }
    const io::WriteResult result = io::WriteFileAtomically(
        *path, SavedBufferBytes(buffer.AllLines(), program_.Options()[kSavedPageLengthOption]));
    if (!result.ok) {
        messages_.Show(SaveFailedText(*path, result.error), kWarningTitle,
                       MessageStyle::Exclamation);
    }
}

bool OutputCommands::StagePage() {
    const DataBuffer& buffer = program_.Buffer();
    if (buffer.PageLineCount() == 0) {
        return false;
    }
    return Stage(buffer.PageLines());
}

bool OutputCommands::StageData() {
    const DataBuffer& buffer = program_.Buffer();
    if (buffer.AllLineCount() == 0) {
        messages_.Show(kNoDataToPrintText, kOutputInformationTitle, MessageStyle::Exclamation);
        return false;
    }
    return Stage(buffer.AllLines());
}

QString OutputCommands::StagingFilePath() const {
    return io::DataFilePath(program_.AppFolder(), kStagingFileName);
}

bool OutputCommands::Stage(const QStringList& lines) {
    const io::WriteResult result =
        io::WriteFileAtomically(StagingFilePath(), StagingFileBytes(lines));
    if (!result.ok) {
        messages_.Show(StagingUnwritableText(StagingFilePath(), result.error), kWarningTitle,
                       MessageStyle::Exclamation);
        return false;
    }
    return true;
}

StagedText OutputCommands::LoadStagedText() {
    StagedText staged =
        domain::LoadStagedText(StagingFilePath(), program_.Options()[kLongestPrintLineOption]);
    if (!staged.readable) {
        messages_.Show(StagingUnreadableText(StagingFilePath()), kWarningTitle,
                       MessageStyle::Exclamation);
    }
    return staged;
}

bool OutputCommands::PrintStagedText(const QString& text, bool longLineFlag) {
    // The edited text goes back to the staging file with one more line end, and what is
    // printed is exactly what was written, so the file and the paper always agree. When the
    // file cannot be written nothing is printed: the user is told, and can try again.
    QByteArray bytes = text.toUtf8();
    bytes += "\r\n";
    const io::WriteResult written = io::WriteFileAtomically(StagingFilePath(), bytes);
    if (!written.ok) {
        messages_.Show(StagingUnwritableText(StagingFilePath(), written.error), kWarningTitle,
                       MessageStyle::Exclamation);
        return false;
    }
    const QStringList lines = io::DecodeLines(bytes);

    platform::PrintJob job;
    job.fontFamily = kPrintFontFamily;
    job.pointSize = PrintPointSize(longLineFlag);
    job.pages = PaginateLines(lines, program_.Options()[kLinesPerPageOption],
                              printer_.LinesPerSheet(job.fontFamily, job.pointSize));
    const platform::PrintOutcome outcome = printer_.Print(job);
    if (!outcome.printed) {
        messages_.Show(NothingPrintedText(outcome.error), kWarningTitle, MessageStyle::Exclamation);
        return false;
    }
    if (!outcome.pdfPath.isEmpty()) {
        messages_.Show(PrintedToPdfText(outcome.pdfPath), kOutputInformationTitle,
                       MessageStyle::Information);
    }
    return true;
}

}  // namespace velmaris::session
