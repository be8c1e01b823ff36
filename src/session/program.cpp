#include "session/program.h"

#include "help/help_topic.h"
#include "options/options_editor.h"
#include "options/options_file.h"

#include <utility>

namespace velmaris::session {

using namespace domain;  // the program drives the whole domain
using platform::MessageStyle;

Program::Program(ProgramServices services)
    : services_(std::move(services)), notices_(NoticesTo(services_.messages)), buffer_(notices_) {}

void Program::StartUp() {
    RestoreMissingOptions();
    LoadSettings();
    ComputeFirstReport();
}

void Program::RestoreMissingOptions() {
    if (EnsureOptionsFile(services_.appFolder) == OptionsFileState::Restored) {
        services_.messages.Show(OptionsRestoredText(services_.appFolder), kOptionsRestoredTitle,
                                MessageStyle::Information);
    }
}

bool Program::ShowDataBuffer() {
    platform::TextArea& area = services_.textArea;
    return buffer_.ShowDataBuffer(area.IsMinimised(),
                                  [&area](const QString& text) { area.SetText(text); });
}

bool Program::ShowHelpTopic(const QString& helpFile) {
    if (!WriteHelpTopic(services_.appFolder, helpFile, buffer_, notices_)) {
        return false;
    }
    ShowDataBuffer();
    return true;
}

void Program::ReadOptions() {
    const OptionsRead read = ReadOptionsFile(services_.appFolder, optionValues_);
    if (read.tooLarge) {
        services_.messages.Show(OptionsTooLargeText(), kWarningTitle, MessageStyle::Exclamation);
    } else if (!read.opened) {
        services_.messages.Show(OptionsUnreadableText(services_.appFolder), kWarningTitle,
                                MessageStyle::Exclamation);
    } else if (!read.problems.isEmpty()) {
        services_.messages.Show(read.problems.join(QLatin1Char('\n')), kWarningTitle,
                                MessageStyle::Exclamation);
    }
    captionPrefix_ = kCaptionPrefix;
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
        services_.messages.Show(natal.problems.join(QLatin1Char('\n')), kWarningTitle,
                                MessageStyle::Exclamation);
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
        services_.messages.Show(kNatalUncomputableText, kWarningTitle, MessageStyle::Exclamation);
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
        timing_.emplace(report_.natalPositions, static_cast<double>(optionValues_[kOrbOption]),
                        TimingStyle{dateOrder_, clockZone_, locale_}, services_.longitude);
    }
    const ReportSettings settings{services_.appFolder,
                                  optionValues_[kOrbOption],
                                  dateOrder_,
                                  locale_,
                                  present_.moment.time(),
                                  showTiming_ && timing_ ? &*timing_ : nullptr};
    WriteReport(report_, settings, buffer_, notices_, services_.positions);
    ShowDataBuffer();
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
        services_.messages.Show(check.message, kWarningTitle, MessageStyle::Exclamation);
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
    services_.messages.Show(WindowSettingsUnwritableText(services_.appFolder), kWarningTitle,
                            MessageStyle::Exclamation);
    return false;
}

}  // namespace velmaris::session
