#pragma once

#include "platform/file_dialog.h"
#include "platform/printer.h"

#include <QString>

#include <optional>
#include <vector>

namespace velmaris::testing {

// A save dialog that answers with a queued path, or cancels when none is queued.
class ScriptedFileDialog final : public platform::FileDialog {
  public:
    std::optional<QString> GetSaveFileName(const platform::SaveDialogRequest& request) override {
        requests.push_back(request);
        std::optional<QString> answer = nextAnswer;
        nextAnswer.reset();
        return answer;
    }
    std::optional<QString> nextAnswer;
    std::vector<platform::SaveDialogRequest> requests;
};

// A printer that keeps the jobs it was given.
class RecordingPrinter final : public platform::Printer {
  public:
    int LinesPerSheet(const QString& /*fontFamily*/, int pointSize) override {
        return pointSize == 10 ? linesPerSheetAt10 : linesPerSheetAt12;
    }
    platform::PrintOutcome Print(const platform::PrintJob& job) override {
        jobs.push_back(job);
        return outcome;
    }
    int linesPerSheetAt10 = 80;
    int linesPerSheetAt12 = 66;
    platform::PrintOutcome outcome{true, {}, {}};
    std::vector<platform::PrintJob> jobs;
};

}  // namespace velmaris::testing
