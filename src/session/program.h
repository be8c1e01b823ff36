#pragma once

#include "buffer/data_buffer.h"
#include "calendar/moment_fields.h"
#include "calendar/new_date.h"
#include "options/option_values.h"
#include "options/window_settings.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/regional_settings.h"
#include "platform/text_area.h"
#include "positions/positions.h"
#include "report/page_timing.h"
#include "report/report_writer.h"
#include "session/messages.h"
#include "transits/positions_adapter.h"

#include <QLocale>
#include <QString>

namespace velmaris::session {

using domain::DataBuffer;
using domain::MomentFields;
using domain::NewDateFields;
using domain::OptionValues;
using domain::PageTiming;
using domain::PositionSource;
using domain::PresentMoment;
using domain::ReportState;
using domain::WindowSettings;

// The services the program's state works through; the windows supply the real ones, tests
// fakes. They must outlive the Program.
struct ProgramServices {
    platform::Clock& clock;
    platform::RegionalSettings& regional;
    platform::MessageBoxes& messages;
    platform::TextArea& textArea;
    QString appFolder;                                   // holds every data file
    PositionSource positions = ephem::ComputePositions;  // fixed positions in tests
    // One body's longitude, for the timing of the aspects.
    transits::LongitudeFunction longitude = transits::PositionsLongitude();
};

// The state of one run of the program and the operations the main window forwards to it:
// start-up, the day commands and the buffer commands. Nothing here shows a window; messages go
// through the message-box service and pages to the text area.
class Program {
  public:
    explicit Program(ProgramServices services);

    // Start-up without the windows: RestoreMissingOptions, LoadSettings, ComputeFirstReport.
    void StartUp();
    // Puts the master copy in place of a missing options file and tells the user so.
    void RestoreMissingOptions();
    // Reads the options file (caption prefix too), the window settings and the regional order.
    void LoadSettings();
    // Empties the buffer, loads the natal and present moments, computes the natal positions and
    // those of the present, and writes and shows the first page.
    void ComputeFirstReport();

    // Forward: the page of NextReportDay.
    void Forward();
    // Backward: the page of the day before the one last reported.
    void Backward();
    // New Date, OK button: sets NextReportDay from the fields and returns true; otherwise shows
    // why the fields were refused, leaves NextReportDay as it was and returns false.
    bool AcceptNewDate(const QString& month, const QString& day, const QString& year);
    // New Date, after the dialog has closed (by OK or otherwise): the page of NextReportDay.
    void NewDate();
    // Texts the New Date fields start with: the date of NextReportDay.
    [[nodiscard]] NewDateFields NewDateStartFields() const;

    // "Clear all data".
    void ClearAllData() { buffer_.ClearAllData(); }
    // Re-shows the page (after a font change); see DataBuffer::ShowDataBuffer.
    bool ShowDataBuffer();
    // A help topic as a new page, shown; see WriteHelpTopic.
    bool ShowHelpTopic(const QString& helpFile);
    // Reads the options file again after the options editor has written it.
    void ReReadOptions();
    // More > Show Timing: whether a timing line follows each aspect line of the pages to come.
    // The settings file's value is the start-up state unless this was called before.
    void SetShowTiming(bool on) {
        showTiming_ = on;
        timingChosen_ = true;
    }
    [[nodiscard]] bool ShowTiming() const { return showTiming_; }
    // The page of the day last reported, written again as a new page.
    void RewritePage();
    // Writes the settings file; on failure says so in a message and returns false.
    bool SaveWindowSettings(const WindowSettings& settings);

    [[nodiscard]] DataBuffer& Buffer() { return buffer_; }
    [[nodiscard]] const DataBuffer& Buffer() const { return buffer_; }
    [[nodiscard]] const QString& AppFolder() const { return services_.appFolder; }
    [[nodiscard]] const OptionValues& Options() const { return optionValues_; }
    [[nodiscard]] const QString& CaptionPrefix() const { return captionPrefix_; }
    [[nodiscard]] const WindowSettings& InitialWindowSettings() const { return windowSettings_; }
    [[nodiscard]] domain::DateOrder DateOrder() const { return dateOrder_; }
    [[nodiscard]] int TimeOrder() const { return timeOrder_; }
    [[nodiscard]] const QLocale& Locale() const { return locale_; }
    [[nodiscard]] const MomentFields& Natal() const { return natal_; }
    [[nodiscard]] const MomentFields& Chosen() const { return present_.chosen; }
    [[nodiscard]] double NextReportDay() const { return report_.nextReportDay; }
    [[nodiscard]] const ephem::SkyPositions& NatalPositions() const {
        return report_.natalPositions;
    }
    [[nodiscard]] const ephem::SkyPositions& SkyPositions() const { return report_.skyPositions; }

    // Moment of the page last written: its day at the start-up clock time.
    [[nodiscard]] ephem::ChartMoment PageMoment() const {
        return ephem::MakeChartMoment(report_.nextReportDay - 1, report_.dayFraction);
    }
    // Date line of the page last written, without its indent.
    [[nodiscard]] QString PageDateLine() const;
    [[nodiscard]] const PositionSource& Positions() const { return services_.positions; }

  private:
    void ReadOptions();
    void WritePage();

    ProgramServices services_;
    domain::NoticeSink notices_;
    DataBuffer buffer_;
    OptionValues optionValues_{};
    QString captionPrefix_;
    WindowSettings windowSettings_;
    domain::DateOrder dateOrder_ = domain::DateOrder::MonthDayYear;
    int timeOrder_ = 0;
    QLocale locale_ = QLocale::c();
    MomentFields natal_;
    PresentMoment present_;
    ReportState report_;
    float clockZone_ = 0;  // option value 9 as start-up accepted it
    bool showTiming_ = false;
    bool timingChosen_ = false;  // SetShowTiming was called: the settings file does not decide
    std::optional<PageTiming> timing_;  // made at the first page with timing after start-up
};

}  // namespace velmaris::session
