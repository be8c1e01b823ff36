#pragma once

#include "pictures/display_list.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace velmaris::pictures {

struct TimelineHit {
    QDateTime moment;  // UTC, to the second
    int pass = 1;      // k of n
    int passes = 1;
};

struct TimelineWindow {
    QDateTime enters;
    QDateTime leaves;
    std::vector<TimelineHit> hits;
};

struct TimelineRow {
    QString transit;  // page names: SUN .. PLUTO, MOON
    QString aspect;
    QString natal;
    std::vector<TimelineWindow> windows;
};

struct TimelineInput {
    std::vector<TimelineRow> rows;
    QDateTime from;
    QDateTime to;
    QDateTime today;
};

// Moment as written in the data-* attributes: YYYY-MM-DDTHH:MM:SSZ.
QString IsoMoment(const QDateTime& moment);

// Where each row and bar lies; the drawing and the hit test both use it.
class TimelineLayout {
  public:
    TimelineLayout(const TimelineInput& input, double width);

    struct Hit {
        int row = -1;     // index into the input's rows
        int window = -1;  // index into that row's windows
    };

    [[nodiscard]] QSizeF Size() const { return size_; }
    // Input row indices top to bottom: slowest transiting body first.
    [[nodiscard]] const std::vector<int>& Order() const { return order_; }
    [[nodiscard]] double RowTop(int inputRow) const;
    [[nodiscard]] double RowHeight() const { return rowHeight_; }
    [[nodiscard]] double XOf(const QDateTime& moment) const;
    [[nodiscard]] QDateTime DateAt(double x) const;
    // Bar of a window clipped at the period edges (empty if wholly outside).
    [[nodiscard]] QRectF BarRect(int inputRow, int window) const;
    [[nodiscard]] std::optional<Hit> HitTest(QPointF point) const;
    [[nodiscard]] std::optional<int> RowAt(double y) const;
    [[nodiscard]] double PlotLeft() const { return plotLeft_; }
    [[nodiscard]] double PlotRight() const { return plotRight_; }
    [[nodiscard]] double Top() const { return top_; }

  private:
    const TimelineInput* input_;
    std::vector<int> order_;
    std::vector<int> slot_;  // display slot (with group gaps) by input row
    std::vector<double> rowTop_;
    QSizeF size_;
    double plotLeft_ = 0.0;
    double plotRight_ = 0.0;
    double top_ = 0.0;
    double rowHeight_ = 0.0;
    qint64 fromSecs_ = 0;
    qint64 spanSecs_ = 1;
};

// Rank of a transiting body from the slowest (PLUTO 0) to the fastest (MOON).
int SlownessRank(const QString& transit);

// One row per transit, a bar per window, a mark per exact hit, month ticks, the today line.
// Bars carry data-transit, data-aspect, data-natal, data-enters, data-leaves; marks data-exact.
DisplayList BuildTimeline(const TimelineInput& input, double width = 1200.0);

}  // namespace velmaris::pictures
