#include "app/picture_windows.h"

#include "app/period_fields.h"
#include "app/picture_command.h"
#include "pictures/picture_export.h"
#include "pictures/picture_inputs.h"
#include "platform/qt/busy_pointer.h"
#include "report/interpretation_file.h"
#include "report/name_tables.h"
#include "report/timing_precision.h"

#include <QDateEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace velmaris::app {
namespace {

constexpr double kTimelineWidth = 1200.0;
using session::kPictureTitle;

// Transiting body 1..9 of a page name, 0 when it is none.
int BodyOfName(const QString& name) {
    for (int body = 1; body <= 9; ++body) {
        if (name == domain::Latin1(domain::PlanetNames[static_cast<std::size_t>(body)])) {
            return body;
        }
    }
    return 0;
}

}  // namespace

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picPicture"));
    setMinimumSize(200, 150);
    setAutoFillBackground(false);
}

void PictureView::SetPicture(pictures::DisplayList list) {
    list_ = std::move(list);
    update();
}

QRectF PictureView::Target() const {
    if (list_.size.isEmpty()) {
        return {};
    }
    const double scale = std::min(width() / list_.size.width(), height() / list_.size.height());
    const QSizeF shown = list_.size * scale;
    return {(width() - shown.width()) / 2.0, (height() - shown.height()) / 2.0, shown.width(),
            shown.height()};
}

QPointF PictureView::ToPicture(QPointF widgetPoint) const {
    const QRectF target = Target();
    if (target.isEmpty()) {
        return {};
    }
    return {(widgetPoint.x() - target.left()) * list_.size.width() / target.width(),
            (widgetPoint.y() - target.top()) * list_.size.height() / target.height()};
}

void PictureView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), list_.background);
    if (!list_.size.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        pictures::Paint(list_, painter, Target());
    }
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked(ToPicture(event->position()));
    }
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked(ToPicture(event->position()));
    }
}

PictureWindow::PictureWindow(PictureWindowServices services, QString proposedName, QWidget* parent)
    : QWidget(parent, Qt::Window),
      services_(std::move(services)),
      proposedName_(std::move(proposedName)) {
    setAttribute(Qt::WA_DeleteOnClose);
    view_ = new PictureView(this);
    controls_ = new QWidget(this);
    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(QStringLiteral("&Save Picture..."), this);
    save->setObjectName(QStringLiteral("cmdSavePicture"));
    auto* print = new QPushButton(QStringLiteral("&Print..."), this);
    print->setObjectName(QStringLiteral("cmdPrintPicture"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(controls_, 1);
    buttons->addWidget(save);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &PictureWindow::savePicture);
    connect(print, &QPushButton::clicked, this, &PictureWindow::printPicture);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

bool PictureWindow::SavePicture(const QString& path) {
    QString error;
    if (!pictures::IsPictureFileName(path)) {
        error = QStringLiteral("a picture is saved as .png or .svg");
    } else {
        platform::BusyPointer busy;
        const io::WriteResult written =
            pictures::SavePictureFile(view_->Picture(), path, pictures::kDefaultPictureSize);
        error = written.ok ? QString() : written.error;
    }
    if (!error.isEmpty()) {
        services_.messages.Show(session::PictureUnsavedText(path, error), kPictureTitle,
                                platform::MessageStyle::Exclamation);
        return false;
    }
    return true;
}

void PictureWindow::savePicture() {
    if (const std::optional<QString> path = services_.chooseSaveFile(proposedName_)) {
        SavePicture(*path);
    }
}

void PictureWindow::printPicture() {
    const QString error = services_.print(view_->Picture());
    if (!error.isEmpty()) {
        services_.messages.Show(session::PictureUnprintedText(error), kPictureTitle,
                                platform::MessageStyle::Exclamation);
    }
}

ChartWheelWindow::ChartWheelWindow(PictureWindowServices services, QWidget* parent)
    : PictureWindow(std::move(services), QStringLiteral("wheel.png"), parent) {
    setObjectName(QStringLiteral("frmChartWheel"));
    setWindowTitle(QStringLiteral("Chart Wheel"));
    resize(640, 680);
    Refresh();
}

void ChartWheelWindow::Refresh() {
    try {
        view_->SetPicture(pictures::BuildWheel(WheelOfPage(services_.program)));
    } catch (const ephem::EphemerisError&) {
        // The page already says that its positions cannot be computed; the wheel stays empty.
        view_->SetPicture({});
    }
}

TimelineWindow::TimelineWindow(PictureWindowServices services, QWidget* parent)
    : PictureWindow(std::move(services), QStringLiteral("timeline.png"), parent) {
    setObjectName(QStringLiteral("frmTimeline"));
    setWindowTitle(QStringLiteral("Timeline"));
    resize(900, 640);

    // The view scrolls when the period holds more rows than the window shows.
    view_->setParent(nullptr);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scrTimeline"));
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(view_);
    scroll_->viewport()->installEventFilter(this);
    auto* outer = qobject_cast<QVBoxLayout*>(layout());
    outer->insertWidget(0, scroll_, 1);

    selected_ = new QLabel(QStringLiteral("Click a bar to read about its transit; double-click a "
                                          "day to move the page there."),
                           this);
    selected_->setObjectName(QStringLiteral("lblTransit"));
    selected_->setWordWrap(true);
    selected_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outer->insertWidget(1, selected_);

    auto* period = new QHBoxLayout(Controls());
    period->setContentsMargins(0, 0, 0, 0);
    auto* show = new QPushButton(QStringLiteral("S&how"), this);
    show->setObjectName(QStringLiteral("cmdShow"));
    const PeriodFields fields = AddPeriodFields(*period, this, services_.program.DateOrder(), show);
    from_ = fields.from;
    to_ = fields.to;
    connect(show, &QPushButton::clicked, this, [this] { ShowPeriod(from_->date(), to_->date()); });
    connect(view_, &PictureView::clicked, this, &TimelineWindow::SelectAt);
    connect(view_, &PictureView::doubleClicked, this, &TimelineWindow::MovePageTo);

    // A year from the first of the page's month.
    const QDateTime page = pictures::UtcOfJulianDate(services_.program.PageMoment().dayNumber);
    const QDate first(page.date().year(), page.date().month(), 1);
    ShowPeriod(first, first.addYears(1).addDays(-1));
}

bool TimelineWindow::ShowPeriod(const QDate& from, const QDate& to) {
    from_->setDate(from);
    to_->setDate(to);
    PeriodTimeline timeline;
    {
        platform::BusyPointer busy;
        timeline = TimelineOfPeriod(services_.program, from, to, services_.clock.Now());
    }
    if (!timeline.input) {
        services_.messages.Show(timeline.message, kPictureTitle,
                                platform::MessageStyle::Exclamation);
        return false;
    }
    layout_.reset();
    input_ = std::move(*timeline.input);
    layout_ = std::make_unique<pictures::TimelineLayout>(input_, kTimelineWidth);
    view_->SetPicture(pictures::BuildTimeline(input_, kTimelineWidth));
    fitToWidth();
    return true;
}

QString TimelineWindow::SelectedText() const {
    return selected_->text();
}

void TimelineWindow::SelectAt(QPointF picturePoint) {
    if (!layout_) {
        return;
    }
    const std::optional<pictures::TimelineLayout::Hit> hit = layout_->HitTest(picturePoint);
    if (!hit) {
        return;
    }
    const pictures::TimelineRow& row = input_.rows[static_cast<std::size_t>(hit->row)];
    const pictures::TimelineWindow& window = row.windows[static_cast<std::size_t>(hit->window)];
    const QLocale& locale = services_.program.Locale();
    const auto day = [&locale](const QDateTime& moment) {
        return locale.toString(moment.date(), QStringLiteral("dd MMM yyyy"));
    };
    const QString key = row.transit + QLatin1Char(' ') + row.aspect + QLatin1Char(' ') + row.natal;
    QString text =
        key + QStringLiteral(": in orb from %1 to %2").arg(day(window.enters), day(window.leaves));
    if (window.hits.empty()) {
        text += QStringLiteral(", not exact (it stations short of it)");
    }
    // The time of day only for a body whose timing is good to the minute.
    const bool toTheMinute =
        domain::PrecisionOf(static_cast<ephem::Body>(BodyOfName(row.transit))).uncertaintyMinutes <
        domain::kLargestUncertaintyForTimeMinutes;
    for (const pictures::TimelineHit& exact : window.hits) {
        text += QStringLiteral(", exact ") + day(exact.moment);
        if (toTheMinute) {
            text += QLatin1Char(' ') + exact.moment.toString(QStringLiteral("HH:mm")) +
                    QStringLiteral(" UT");
        }
        if (exact.passes > 1) {
            text += QStringLiteral(" (pass %1 of %2)").arg(exact.pass).arg(exact.passes);
        }
    }
    text += QLatin1Char('.');
    const std::optional<QString> paragraph =
        domain::ReadInterpretation(services_.program.AppFolder(), BodyOfName(row.transit), key);
    if (paragraph) {
        text += QStringLiteral("\n\n") +
                QString(*paragraph).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    selected_->setText(text);
}

void TimelineWindow::MovePageTo(QPointF picturePoint) {
    if (!layout_ || picturePoint.x() < layout_->PlotLeft() ||
        picturePoint.x() > layout_->PlotRight()) {
        return;
    }
    const QDate date = layout_->DateAt(picturePoint.x()).date();
    session::Program& program = services_.program;
    if (program.AcceptNewDate(QString::number(date.month()), QString::number(date.day()),
                              QString::number(date.year()))) {
        platform::BusyPointer busy;
        program.NewDate();
        emit pageMoved();
    }
}

bool TimelineWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize) {
        fitToWidth();
    }
    return PictureWindow::eventFilter(watched, event);
}

void TimelineWindow::fitToWidth() {
    const QSizeF size = view_->Picture().size;
    const int width = scroll_->viewport()->width();
    if (size.isEmpty() || width <= 0) {
        return;
    }
    view_->setFixedSize(width, static_cast<int>(width * size.height() / size.width()));
}

}  // namespace velmaris::app
