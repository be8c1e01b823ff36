#include "pictures/timeline.h"

#include "pictures/palette.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace velmaris::pictures {

namespace {

constexpr double kLabelWidth = 250.0;
constexpr double kRightMargin = 110.0;
constexpr double kHeaderHeight = 46.0;
constexpr double kRowHeight = 28.0;
constexpr double kGroupGap = 8.0;
constexpr double kBottomMargin = 16.0;
constexpr double kHitFont = 9.5;

}  // namespace

QString IsoMoment(const QDateTime& moment) {
    return moment.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
}

int SlownessRank(const QString& transit) {
    static const std::array<const char*, 10> kSlowestFirst = {
        "PLUTO", "NEPTUNE", "URANUS", "SATURN",  "JUPITER",
        "MARS",  "SUN",     "VENUS",  "MERCURY", "MOON",
    };
    for (std::size_t i = 0; i < kSlowestFirst.size(); ++i) {
        if (transit == QLatin1String(kSlowestFirst.at(i))) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(kSlowestFirst.size());
}

TimelineLayout::TimelineLayout(const TimelineInput& input, double width) : input_(&input) {
    const int n = static_cast<int>(input.rows.size());
    order_.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        order_[static_cast<std::size_t>(i)] = i;
    }
    std::ranges::stable_sort(order_, {}, [&](int i) {
        return SlownessRank(input.rows[static_cast<std::size_t>(i)].transit);
    });
    rowHeight_ = kRowHeight;
    top_ = kHeaderHeight;
    rowTop_.assign(static_cast<std::size_t>(n), 0.0);
    double y = top_;
    for (std::size_t k = 0; k < order_.size(); ++k) {
        const auto& row = input.rows[static_cast<std::size_t>(order_[k])];
        if (k > 0 && input.rows[static_cast<std::size_t>(order_[k - 1])].transit != row.transit) {
            y += kGroupGap;
        }
        rowTop_[static_cast<std::size_t>(order_[k])] = y;
        y += rowHeight_;
    }
    size_ = {width, y + kBottomMargin};
    plotLeft_ = kLabelWidth;
    plotRight_ = std::max(plotLeft_ + 1.0, width - kRightMargin);
    fromSecs_ = input.from.toSecsSinceEpoch();
    spanSecs_ = std::max<qint64>(1, input.to.toSecsSinceEpoch() - fromSecs_);
}

double TimelineLayout::RowTop(int inputRow) const {
    return rowTop_.at(static_cast<std::size_t>(inputRow));
}

double TimelineLayout::XOf(const QDateTime& moment) const {
    const double t =
        static_cast<double>(moment.toSecsSinceEpoch() - fromSecs_) / static_cast<double>(spanSecs_);
    return plotLeft_ + t * (plotRight_ - plotLeft_);
}

QDateTime TimelineLayout::DateAt(double x) const {
    const double t = std::clamp((x - plotLeft_) / (plotRight_ - plotLeft_), 0.0, 1.0);
    const auto secs =
        fromSecs_ + static_cast<qint64>(std::llround(t * static_cast<double>(spanSecs_)));
    return QDateTime::fromSecsSinceEpoch(secs, Qt::UTC);
}

QRectF TimelineLayout::BarRect(int inputRow, int window) const {
    const TimelineWindow& w = input_->rows.at(static_cast<std::size_t>(inputRow))
                                  .windows.at(static_cast<std::size_t>(window));
    const double x1 = std::max(plotLeft_, XOf(w.enters));
    const double x2 = std::min(plotRight_, XOf(w.leaves));
    if (x2 < x1) {
        return {};
    }
    const double top = RowTop(inputRow) + rowHeight_ * 0.42;
    return {x1, top, std::max(x2 - x1, 1.5), rowHeight_ * 0.46};
}

std::optional<int> TimelineLayout::RowAt(double y) const {
    for (int i : order_) {
        const double top = RowTop(i);
        if (y >= top && y < top + rowHeight_) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<TimelineLayout::Hit> TimelineLayout::HitTest(QPointF point) const {
    const std::optional<int> row = RowAt(point.y());
    if (!row || point.x() < plotLeft_ || point.x() > plotRight_) {
        return std::nullopt;
    }
    const auto& windows = input_->rows.at(static_cast<std::size_t>(*row)).windows;
    for (std::size_t w = 0; w < windows.size(); ++w) {
        const QRectF bar = BarRect(*row, static_cast<int>(w));
        // The whole row height counts, so that thin bars are easy to hit.
        if (!bar.isNull() && point.x() >= bar.left() - 2.0 && point.x() <= bar.right() + 2.0) {
            return Hit{*row, static_cast<int>(w)};
        }
    }
    return Hit{*row, -1};
}

DisplayList BuildTimeline(const TimelineInput& input, double width) {
    const TimelineLayout layout(input, width);
    DisplayList list;
    list.size = layout.Size();
    list.fontFamily = PictureFontFamily();
    const double left = layout.PlotLeft();
    const double right = layout.PlotRight();
    const double bottom = list.size.height() - 10.0;

    // Month ticks and names along the top; a faint line down through the rows.
    Group& grid = list.NewGroup();
    grid.shapes.push_back(
        RectShape({left, layout.Top() - 4.0, right - left, bottom - layout.Top() + 4.0},
                  {kPaletteGrey, 0.8}, QColor(0xFB, 0xFB, 0xFB)));
    const QDateTime from = input.from.toUTC();
    const QDateTime to = input.to.toUTC();
    const qint64 spanDays = from.daysTo(to);
    QDate month(from.date().year(), from.date().month(), 1);
    const int monthStep = spanDays > 800 ? 3 : 1;
    while (QDateTime(month, QTime(0, 0), Qt::UTC) <= to) {
        const QDateTime start(month, QTime(0, 0), Qt::UTC);
        if (start >= from) {
            const double x = layout.XOf(start);
            grid.shapes.push_back(
                LineShape({x, layout.Top() - 12.0}, {x, bottom}, {QColor(0xDD, 0xDD, 0xDD), 0.8}));
            grid.shapes.push_back(
                LineShape({x, layout.Top() - 12.0}, {x, layout.Top() - 4.0}, {kPaletteInk, 1.0}));
        }
        const QDate next = month.addMonths(monthStep);
        const double x1 = std::max(left, layout.XOf(start));
        const double x2 = std::min(right, layout.XOf(QDateTime(next, QTime(0, 0), Qt::UTC)));
        const QString name =
            month.month() == 1 || month == QDate(from.date().year(), from.date().month(), 1)
                ? month.toString(QStringLiteral("MMM yyyy"))
                : month.toString(QStringLiteral("MMM"));
        if (x2 - x1 > TextWidth(list.fontFamily, 12.0, name) + 4.0) {
            grid.shapes.push_back(
                TextShape({(x1 + x2) / 2.0, layout.Top() - 24.0}, name, 12.0, kPaletteInk));
        }
        month = next;
    }

    // Rows: label, alternate shading, group rules.
    const auto& order = layout.Order();
    for (std::size_t k = 0; k < order.size(); ++k) {
        const int i = order[k];
        const TimelineRow& row = input.rows[static_cast<std::size_t>(i)];
        const double top = layout.RowTop(i);
        Group& labels = list.NewGroup();
        if (k % 2 == 1) {
            labels.shapes.push_back(RectShape({left, top, right - left, layout.RowHeight()},
                                              {kPaletteInk, 0.0}, QColor(0xF1, 0xF1, 0xF1)));
        }
        if (k == 0 || input.rows[static_cast<std::size_t>(order[k - 1])].transit != row.transit) {
            labels.shapes.push_back(TextShape({10.0, top + layout.RowHeight() / 2.0}, row.transit,
                                              12.5, kPaletteInk, Anchor::Start, true));
            if (k > 0) {
                labels.shapes.push_back(
                    LineShape({10.0, top - 4.0}, {right, top - 4.0}, {kPaletteGrey, 0.6}));
            }
        }
        labels.shapes.push_back(TextShape({left - 8.0, top + layout.RowHeight() / 2.0},
                                          row.aspect + QLatin1Char(' ') + row.natal, 12.0,
                                          kPaletteInk, Anchor::End));

        double labelEnd = left - 1.0e9;
        for (std::size_t w = 0; w < row.windows.size(); ++w) {
            const TimelineWindow& window = row.windows[w];
            const QRectF bar = layout.BarRect(i, static_cast<int>(w));
            if (bar.isNull()) {
                continue;
            }
            Group& group = list.NewGroup({
                {QStringLiteral("data-transit"), row.transit},
                {QStringLiteral("data-aspect"), row.aspect},
                {QStringLiteral("data-natal"), row.natal},
                {QStringLiteral("data-enters"), IsoMoment(window.enters)},
                {QStringLiteral("data-leaves"), IsoMoment(window.leaves)},
            });
            group.shapes.push_back(
                RectShape(bar, {kPaletteBlue.darker(130), 0.8}, kPaletteSky.lighter(125)));
            for (const TimelineHit& hit : window.hits) {
                const double x = layout.XOf(hit.moment);
                if (x < left || x > right) {
                    continue;
                }
                Group& mark =
                    list.NewGroup({{QStringLiteral("data-exact"), IsoMoment(hit.moment)}});
                mark.shapes.push_back(LineShape({x, bar.top() - 1.0}, {x, bar.bottom() + 1.0},
                                                {kPaletteVermillion, 2.2}));
                // The full label, else the date alone, else none where it would run into
                // the previous label of the row.
                const QString date = hit.moment.toUTC().date().toString(QStringLiteral("d MMM"));
                QStringList choices;
                if (hit.passes > 1) {
                    choices << date +
                                   QStringLiteral(", pass %1 of %2").arg(hit.pass).arg(hit.passes);
                }
                choices << date;
                for (const QString& label : choices) {
                    const double labelWidth = TextWidth(list.fontFamily, kHitFont, label);
                    const bool fitsRight = x + 3.0 + labelWidth <= width - 4.0;
                    const double x1 = fitsRight ? x + 3.0 : x - 3.0 - labelWidth;
                    if (x1 < labelEnd + 4.0) {
                        continue;
                    }
                    mark.shapes.push_back(TextShape({fitsRight ? x + 3.0 : x - 3.0, top + 7.0},
                                                    label, kHitFont, kPaletteInk,
                                                    fitsRight ? Anchor::Start : Anchor::End));
                    labelEnd = x1 + labelWidth;
                    break;
                }
            }
        }
    }

    // Today.
    if (input.today.isValid()) {
        const double x = layout.XOf(input.today);
        if (x >= left && x <= right) {
            Group& today = list.NewGroup({{QStringLiteral("data-today"), IsoMoment(input.today)}});
            today.shapes.push_back(LineShape({x, layout.Top() - 14.0}, {x, bottom},
                                             {kPaletteVermillion, 1.4, Dash::Dashed}));
            today.shapes.push_back(TextShape({x, 10.0}, QStringLiteral("today"), 11.0,
                                             kPaletteVermillion, Anchor::Middle, true));
        }
    }
    return list;
}

}  // namespace velmaris::pictures
