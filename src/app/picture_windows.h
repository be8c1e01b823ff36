#pragma once

#include "pictures/display_list.h"
#include "pictures/timeline.h"
#include "platform/message_boxes.h"
#include "session/program.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QDateEdit;
class QLabel;
class QScrollArea;

namespace velmaris::app {

// Paints a display list scaled into the widget, keeping its proportions; vector drawing, so
// it stays crisp at any scale factor. Reports clicks in picture units.
class PictureView : public QWidget {
    Q_OBJECT

  public:
    explicit PictureView(QWidget* parent = nullptr);

    void SetPicture(pictures::DisplayList list);
    [[nodiscard]] const pictures::DisplayList& Picture() const { return list_; }
    // Where the picture lies in the widget.
    [[nodiscard]] QRectF Target() const;
    // A widget point in picture units.
    [[nodiscard]] QPointF ToPicture(QPointF widgetPoint) const;

  signals:
    void clicked(QPointF picturePoint);
    void doubleClicked(QPointF picturePoint);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    pictures::DisplayList list_;
};

// What the picture windows work with; it must outlive them.
struct PictureWindowServices {
    session::Program& program;
    platform::MessageBoxes& messages;
    platform::Clock& clock;
    // Chooses the file a picture is saved to; nothing when the user cancels.
    std::function<std::optional<QString>(const QString& proposedName)> chooseSaveFile;
    // Prints a picture; returns the failure text, empty when printed.
    std::function<QString(const pictures::DisplayList&)> print;
};

// A window that shows one picture with Save Picture and Print buttons.
class PictureWindow : public QWidget {
    Q_OBJECT

  public:
    PictureWindow(PictureWindowServices services, QString proposedName, QWidget* parent);

    // Saves the picture to a file (PNG or SVG by its ending); failures are told.
    bool SavePicture(const QString& path);
    [[nodiscard]] PictureView* View() const { return view_; }

  protected:
    [[nodiscard]] QWidget* Controls() const { return controls_; }
    PictureWindowServices services_;
    PictureView* view_ = nullptr;

  private:
    void savePicture();
    void printPicture();

    QString proposedName_;
    QWidget* controls_ = nullptr;
};

// "Chart Wheel": the bi-wheel of the current page's moment.
class ChartWheelWindow final : public PictureWindow {
    Q_OBJECT

  public:
    ChartWheelWindow(PictureWindowServices services, QWidget* parent = nullptr);
    // Draws the wheel of the page last written.
    void Refresh();
};

// "Timeline": the transits of a period as bars; a click shows a transit's paragraph, a
// double click moves the page to that day.
class TimelineWindow final : public PictureWindow {
    Q_OBJECT

  public:
    TimelineWindow(PictureWindowServices services, QWidget* parent = nullptr);

    // Shows the period; returns false (with a message) when it is refused.
    bool ShowPeriod(const QDate& from, const QDate& to);
    // Selects the transit under a picture point and shows its paragraph.
    void SelectAt(QPointF picturePoint);
    // Moves the page to the day under a picture point.
    void MovePageTo(QPointF picturePoint);
    [[nodiscard]] QString SelectedText() const;

  signals:
    void pageMoved();

  protected:
    // Keeps the picture as wide as the scrolled area.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fitToWidth();

    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* selected_ = nullptr;
    pictures::TimelineInput input_;
    std::unique_ptr<pictures::TimelineLayout> layout_;
};

}  // namespace velmaris::app
