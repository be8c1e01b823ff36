#include "report/program.h"

#include "io/text_lines.h"
#include "options/options_file.h"

#include <utility>

namespace velmaris::domain {

Program::Program(ProgramServices services)
    : services_(std::move(services)), buffer_(services_.messages) {}

void Program::StartUp() {
    LoadSettings();
    ComputeFirstReport();
}

void Program::ReadOptions() {
    const OptionsRead read = ReadOptionsFile(services_.appFolder, optionValues_);
    if (read.tooLarge) {
        services_.messages.Show(
            io::DataFileTooLargeText(kOptionsFileName, io::kLargestDataFileBytes) +
                QStringLiteral(" Every option stays at its present value (0 at start-up)."),
            kOptionsUnreadableTitle, platform::MessageStyle::Exclamation);
    } else if (!read.opened) {
        services_.messages.Show(
            QStringLiteral("The options file OPTIONS.OPT cannot be read from %1. Every option "
                           "stays at its present value (0 at start-up).")
                .arg(services_.appFolder),
            kOptionsUnreadableTitle, platform::MessageStyle::Exclamation);
    } else if (!read.problems.isEmpty()) {
        services_.messages.Show(read.problems.join(QLatin1Char('\n')), kOptionsUnreadableTitle,
                                platform::MessageStyle::Exclamation);
    }
    captionPrefix_ = SetCaptionPrefix();
}

void Program::LoadSettings() {
    ReadOptions();
    windowSettings_ = ReadWindowSettings(services_.appFolder);
    if (!timingChosen_) {
        showTiming_ = windowSettings_.showTiming;
    }
    dateOrder_ = services_.regional.DateOrder();
    timeOrder_ = services_.regional.TimeOrder();
    locale_ = services_.regional.Locale();
}

void Program::ReReadOptions() {
    ReadOptions();
    timing_.reset();  // the orb may have changed
}

void Program::ComputeFirstReport() {
    buffer_.Reset();
    timing_.reset();

    NatalLoad natal = LoadNatalDateTime(optionValues_);
    natal_ = natal.natal;
    const float clockZone = ClockZone(optionValues_, natal.problems);
    clockZone_ = clockZone;
    if (!natal.problems.isEmpty()) {
        services_.messages.Show(natal.problems.join(QLatin1Char('\n')), kOptionsUnreadableTitle,
                                platform::MessageStyle::Exclamation);
    }
    present_ = LoadPresentDateTime(services_.clock.Now(), dateOrder_, clockZone, locale_);
    report_.dateText = present_.dateText;

    const ephem::ChartMoment natalMoment = ComputeChartMoment(natal_);
    try {
        report_.natalPositions = services_.positions(natalMoment);
        report_.natalComputed = true;
    } catch (const ephem::EphemerisError&) {
        report_.natalPositions = ephem::SkyPositions{};
        report_.natalComputed = false;
        services_.messages.Show(
            QStringLiteral("The natal positions cannot be computed from the birth date in "
                           "OPTIONS.OPT. Please check the birth date and start the program "
                           "again."),
            QStringLiteral("Warning!"), platform::MessageStyle::Exclamation);
    }

    const ephem::ChartMoment chosenMoment = ComputeChartMoment(present_.chosen);
    report_.nextReportDay = chosenMoment.dayNumber;
    report_.dayFraction = chosenMoment.dayFraction;

    // WriteReport computes the positions of the reported day itself, so the sky of the present
    // moment is not computed a second time here.
    WritePage();
}

void Program::WritePage() {
    buffer_.ClearDataBuffer();
    if (showTiming_ && report_.natalComputed && !timing_) {
        timing_.emplace(report_.natalPositions, static_cast<double>(optionValues_[1]),
                        TimingStyle{dateOrder_, clockZone_, locale_}, services_.longitude);
    }
    const ReportSettings settings{services_.appFolder,
                                  optionValues_[1],
                                  dateOrder_,
                                  locale_,
                                  present_.moment.time(),
                                  showTiming_ && timing_ ? &*timing_ : nullptr};
    WriteReport(report_, settings, buffer_, services_.messages, services_.positions);
    buffer_.ShowDataBuffer(services_.textArea);
}

void Program::RewritePage() {
    report_.nextReportDay = report_.nextReportDay - 1;
    WritePage();
}

void Program::Forward() {
    WritePage();
}

void Program::Backward() {
    report_.nextReportDay = report_.nextReportDay - 2;
    WritePage();
}

bool Program::AcceptNewDate(const QString& month, const QString& day, const QString& year) {
    const NewDateCheck check = ValidateNewDate(month, day, year);
    if (!check.dayNumber) {
        services_.messages.Show(check.message, QStringLiteral("Warning!"),
                                platform::MessageStyle::Exclamation);
        return false;
    }
    report_.nextReportDay = *check.dayNumber;
    return true;
}

void Program::NewDate() {
    WritePage();
}

QString Program::PageDateLine() const {
    return LongDateText(report_.nextReportDay - 1, report_.dateText, locale_) +
           QStringLiteral(" at ") + TwelveHourClockText(present_.moment.time());
}

NewDateFields Program::NewDateStartFields() const {
    return NewDateFieldsFor(report_.nextReportDay);
}

bool Program::SaveWindowSettings(const WindowSettings& settings) {
    if (WriteWindowSettings(services_.appFolder, settings)) {
        return true;
    }
    services_.messages.Show(
        QStringLiteral("The window settings cannot be written to VELMARIS.INI in %1.")
            .arg(services_.appFolder),
        QStringLiteral("Warning!"), platform::MessageStyle::Exclamation);
    return false;
}

}  // namespace velmaris::domain
