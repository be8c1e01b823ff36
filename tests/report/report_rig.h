#pragma once

// Shared setup of the report tests: the program on a fixed evening, and the report writer on
// a fixed sky.
#include "session/program.h"
#include "support/buffer_rig.h"
#include "support/data_files.h"
#include "support/fakes.h"
#include "support/table.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace velmaris::testing {

inline constexpr double kNatalDay = 2433467;  // 4 July 1950
inline constexpr double kToday = 2461379;     // Friday 4 December 2026

// The options file of tests/data/report/options.opt: orb 5, born 4 July 1950 at 9:45 A.M. in
// zone 5, clock zone -1, then a description after an empty line; `text` stands in line `line`
// when given.
inline QByteArray OptionsText(int line = 0, const QByteArray& text = {}) {
    QList<QByteArray> lines = Golden(QStringLiteral("report/options.opt")).split('\n');
    if (line > 0) {
        lines[line - 1] = text + '\r';
    }
    return lines.join('\n');
}

inline ephem::SkyPositions Positions(std::initializer_list<std::pair<int, double>> entries) {
    ephem::SkyPositions positions{};
    for (const auto& [slot, longitude] : entries) {
        positions[static_cast<std::size_t>(slot)] = longitude;
    }
    return positions;
}

// The program at 10:15:40 P.M. on 4 December 2026 with the options above, in a folder of its
// own. Positions come from `sky` when it is set, else from the real ephemeris; every moment
// asked for is kept in `asked`.
struct ProgramRig {
    DataFolder folder;
    FixedClock clock{QDateTime(QDate(2026, 12, 4), QTime(22, 15, 40))};
    FixedRegional regional{0, 0};
    RecordingMessages messages;
    RecordingTextArea textArea;
    domain::PositionSource sky;
    std::vector<ephem::ChartMoment> asked;
    session::Program program{session::ProgramServices{
        clock, regional, messages, textArea, folder.Path(), [this](const ephem::ChartMoment& m) {
            asked.push_back(m);
            return sky ? sky(m) : ephem::ComputePositions(m);
        }}};

    ProgramRig() { folder.Write(QStringLiteral("OPTIONS.OPT"), OptionsText()); }
    [[nodiscard]] const QStringList& Page() const { return program.Buffer().PageLines(); }
};

// WriteReport for Friday 4 December 2026, 10:15:40 P.M., orb 5, in a folder of its own, on the
// golden sky: the Sun at 12 TAU 05 squares the natal Moon 1.22 degrees past exact; Mars
// opposes natal Venus 3 degrees short of exact; Pluto conjoins the natal Moon.
struct ReportRig {
    DataFolder folder;
    RecordingMessages messages;
    RecordingTextArea textArea;
    domain::NoticeSink notices = session::NoticesTo(messages);
    domain::DataBuffer buffer{notices};
    domain::ReportState state{kToday, 0.25, Positions({{3, 187.0}, {10, 133.3033333}}), {}, {}};
    domain::ReportSettings settings{folder.Path(), 5, domain::DateOrder::MonthDayYear,
                                    QLocale(QLocale::English), QTime(22, 15, 40)};
    ephem::SkyPositions sky = Positions({{1, 42.0833333}, {4, 10.0}, {9, 133.3}});
    std::vector<ephem::ChartMoment> asked;
    domain::PositionSource positions = [this](const ephem::ChartMoment& moment) {
        asked.push_back(moment);
        return sky;
    };

    void Write() { domain::WriteReport(state, settings, buffer, notices, positions); }
};

}  // namespace velmaris::testing
