#include "app/report_command.h"

#include "options/options_editor.h"
#include "report/program.h"

#include <QRegularExpression>

namespace velmaris::app {
namespace {

// Keeps the page instead of showing it.
class KeptText final : public platform::TextArea {
  public:
    [[nodiscard]] bool IsMinimised() const override { return false; }
    void SetText(const QString& text) override { text_ = text; }
    [[nodiscard]] const QString& Text() const { return text_; }

  private:
    QString text_;
};

void WriteUsage(QTextStream& err) {
    err << "Usage: velmaris --report [YYYY-MM-DD]\n";
    err.flush();
}

}  // namespace

int RunReport(const QStringList& arguments, const ReportCommandServices& services, QTextStream& out,
              QTextStream& err) {
    if (arguments.size() > 1) {
        WriteUsage(err);
        return kReportUsage;
    }
    QString month, day, year;
    if (arguments.size() == 1) {
        static const QRegularExpression kDate(QStringLiteral("^(\\d{1,4})-(\\d{1,2})-(\\d{1,2})$"));
        const QRegularExpressionMatch match = kDate.match(arguments.front());
        if (!match.hasMatch()) {
            WriteUsage(err);
            return kReportUsage;
        }
        year = match.captured(1);
        month = match.captured(2);
        day = match.captured(3);
    }

    platform::StreamMessageBoxes messages(err);
    KeptText page;
    domain::Program program({services.clock, services.regional, messages, page, services.appFolder,
                             services.positions});

    if (domain::EnsureOptionsFile(services.appFolder) == domain::OptionsFileState::Restored) {
        messages.Show(domain::OptionsRestoredText(services.appFolder),
                      domain::kOptionsRestoredTitle, platform::MessageStyle::Information);
    }
    program.StartUp();
    if (!year.isEmpty()) {
        if (!program.AcceptNewDate(month, day, year)) {
            return kReportFailed;
        }
        program.NewDate();
    }

    QString text = page.Text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out << text;
    out.flush();
    if (out.status() != QTextStream::Ok) {
        // A page that does not arrive (a full disk, a closed standard output) is a failure.
        err << "The page could not be written to standard output.\n";
        err.flush();
        return kReportFailed;
    }
    return messages.Failed() ? kReportFailed : kReportOk;
}

}  // namespace velmaris::app
