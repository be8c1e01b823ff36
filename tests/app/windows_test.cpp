// The windows: the main window's menus and caption, the New Date dialog, the options editor's
// keys, the picture windows and the transit listing window.
#include "app/caption.h"
#include "app/listing_command.h"
#include "app/listing_window.h"
#include "app/main_window.h"
#include "app/new_date_dialog.h"
#include "app/options_window.h"
#include "app/picture_windows.h"
#include "app/text_font.h"
#include "app_fixture.h"
#include "pictures/svg_reading.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <tuple>

namespace velmaris::testing {
namespace {

// ---- Main window ----

TEST(MainWindowMenus, NamesCaptionsShortcutsAndOrder) {
    AppRig rig;
    QStringList seen;
    const auto see = [&](QAction* action, const char* mark) {
        seen << QLatin1String(mark) + action->objectName() + QLatin1Char('|') +
                    (action->isSeparator() ? QStringLiteral("-") : action->text());
        if (!action->shortcut().isEmpty()) {
            seen.last() += QLatin1Char('|') + action->shortcut().toString();
        }
        // The commands can be found by name.
        if (!action->isSeparator() && action->menu() == nullptr) {
            EXPECT_EQ(rig.Action(action->objectName().toLatin1().constData()), action);
        }
    };
    for (QAction* top : rig.window->menuBar()->actions()) {
        see(top, "");
        for (QAction* item : top->menu() != nullptr ? top->menu()->actions() : QList<QAction*>()) {
            see(item, ">");
        }
    }
    // The menu bar in order: each entry as "name|caption|shortcut" ("-" is a separator's
    // caption), the items of a menu after it, each marked with ">".
    ExpectGolden((seen.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(),
                 QStringLiteral("app/menus.txt"));
    // F1 and F10 carry no command.
    for (QAction* action : rig.window->findChildren<QAction*>()) {
        SCOPED_TRACE(action->objectName().toStdString());
        EXPECT_NE(action->shortcut(), QKeySequence(Qt::Key_F1));
        EXPECT_NE(action->shortcut(), QKeySequence(Qt::Key_F10));
    }
}

TEST(MainWindowCaption, DateAndTimeWithSecondsInTheLocale) {
    const std::tuple<QLocale::Language, QLocale::Territory, QDateTime, const char*> cases[] = {
        {QLocale::English, QLocale::UnitedStates, QDateTime(QDate(2027, 1, 9), QTime(9, 5, 7)),
         "VELMARIS - 09 Jan 2027     9:05:07 AM"},
        {QLocale::German, QLocale::Germany, TestMoment(), "VELMARIS - 04 Dez. 2026     22:15:30"},
        {QLocale::English, QLocale::UnitedKingdom, TestMoment(),
         "VELMARIS - 04 Dec 2026     22:15:30"},
    };
    for (const auto& [language, territory, now, want] : cases) {
        SCOPED_TRACE(want);
        EXPECT_EQ(
            app::CaptionText(QStringLiteral("VELMARIS - "), now, QLocale(language, territory)),
            QString::fromUtf8(want));
    }
}

// ---- New Date fields ----

struct WithApplication {
    WithApplication() { EnsureApplication(); }
};

// The New Date dialog on its own, accepting whatever OK hands over.
struct DialogRig : WithApplication {
    FakeScreen screen;
    app::NewDateDialog dialog{domain::NewDateFields{"12", "5", "2026"},
                              [](const QString&, const QString&, const QString&) { return true; },
                              screen};
};

TEST(NewDateDialog, TypingKeepsDigitsAndFocusSelectsTheWholeField) {
    DialogRig rig;
    auto* day = rig.dialog.findChild<QLineEdit*>(QStringLiteral("txtDay"));
    day->clear();
    QTest::keyClicks(day, QStringLiteral("1a-2 x"));
    EXPECT_EQ(day->text(), QStringLiteral("12"));
    QTest::keyClick(day, Qt::Key_Backspace);
    QTest::keyClick(day, Qt::Key_Left);
    QTest::keyClicks(day, QStringLiteral("3"));
    EXPECT_EQ(day->text(), QStringLiteral("31"));

    rig.dialog.show();
    rig.dialog.activateWindow();
    auto* year = rig.dialog.findChild<QLineEdit*>(QStringLiteral("txtYear"));
    year->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(year->selectedText(), QStringLiteral("2026"));
    // Typing replaces the selected text.
    QTest::keyClicks(year, QStringLiteral("2030"));
    EXPECT_EQ(year->text(), QStringLiteral("2030"));
}

TEST(NewDateDialog, LabelsCarrySunkenFramesOnEveryPaint) {
    DialogRig rig;
    for (int paint = 0; paint < 2; ++paint) {
        SCOPED_TRACE(paint);
        const QImage image = rig.dialog.grab().toImage();
        for (const char* name : {"lblMonth", "lblDay", "lblYear"}) {
            SCOPED_TRACE(name);
            const QRect label = rig.dialog.findChild<QLabel*>(QLatin1String(name))->geometry();
            const int midY = label.center().y();
            const int midX = label.center().x();
            // Dark one pixel left of and above the label.
            EXPECT_EQ(image.pixelColor(label.x() - 1, midY), QColor(128, 128, 128));
            EXPECT_EQ(image.pixelColor(midX, label.y() - 1), QColor(128, 128, 128));
            // Light one pixel beyond the right and bottom edges.
            EXPECT_EQ(image.pixelColor(label.x() + label.width() + 1, midY), QColor(Qt::white));
            EXPECT_EQ(image.pixelColor(midX, label.y() + label.height() + 1), QColor(Qt::white));
        }
    }
}

// ---- About window ----

// ---- Help pages ----

// ---- Options editor ----

// Keys typed with Alt, Ctrl or Meta held never become text; plain keys, AltGr (Ctrl+Alt) and
// the editing shortcuts work as usual.
TEST(OptionsEditor, KeysWithAltOrCtrlDoNotTypeText) {
    StartedApp rig;
    rig.Action("mnuOptions")->trigger();
    auto* content = rig.window->findChild<app::OptionsWindow*>()->findChild<QPlainTextEdit*>(
        QStringLiteral("txtContent"));
    content->setPlainText(QStringLiteral("1.5"));
    content->moveCursor(QTextCursor::Start);
    const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, const char*> cases[] = {
        {"Alt+O", Qt::Key_O, Qt::AltModifier, "1.5"},
        {"Ctrl+Q", Qt::Key_Q, Qt::ControlModifier, "1.5"},
        {"Meta+E", Qt::Key_E, Qt::MetaModifier, "1.5"},
        {"Alt+Shift+O", Qt::Key_O, Qt::AltModifier | Qt::ShiftModifier, "1.5"},
        {"plain 2", Qt::Key_2, Qt::NoModifier, "21.5"},
        {"AltGr as Ctrl+Alt", Qt::Key_At, Qt::ControlModifier | Qt::AltModifier, "2@1.5"},
        {"Ctrl+A then 7 replaces all", Qt::Key_A, Qt::ControlModifier, "2@1.5"},
        {"typed over the selection", Qt::Key_7, Qt::NoModifier, "7"},
    };
    for (const auto& [label, key, modifiers, want] : cases) {
        SCOPED_TRACE(label);
        QTest::keyClick(content, key, modifiers);
        EXPECT_EQ(content->toPlainText(), QLatin1String(want));
    }
}

// ---- Text font ----

TEST(FontStepFor, ScreenRules) {
    const std::tuple<int, double, double> cases[] = {
        {800, 15, 1.5},  {800, 12, 1.2},  {800, 20, 1.5},  {800, 10, 1.5},
        {1024, 15, 1.5}, {1024, 12, 1.2}, {1280, 20, 1.2}, {1920, 10, 1.2},
    };
    for (const auto& [width, twipsPerPixel, want] : cases) {
        SCOPED_TRACE(::testing::Message() << width << " px at " << twipsPerPixel);
        EXPECT_EQ(app::FontStepFor(width, twipsPerPixel), want);
    }
}

// Transiting longitudes the window's wheel shows, by body name.
QMap<QString, double> TransitLongitudes(const app::PictureView& view) {
    QMap<QString, double> longitudes;
    for (const auto& group :
         pictures::testing::ReadSvgGroups(pictures::WriteSvg(view.Picture()), nullptr)) {
        if (group.data.value(QStringLiteral("ring")) == QLatin1String("transit")) {
            longitudes.insert(group.data[QStringLiteral("body")],
                              group.data[QStringLiteral("longitude")].toDouble());
        }
    }
    return longitudes;
}

template <typename Window>
Window* Open(StartedApp& app, const char* item, const char* name) {
    app.Action(item)->trigger();
    return app.window->findChild<Window*>(QLatin1String(name));
}

// The wheel follows the page: stepping a day forward moves the Sun by about a degree, and
// stepping back brings the same picture again.
TEST(PictureWindowsTest, WheelFollowsThePage) {
    StartedApp app;
    auto* wheel = Open<app::ChartWheelWindow>(app, "mnuMoreChartWheel", "frmChartWheel");
    ASSERT_NE(wheel, nullptr);
    const QMap<QString, double> first = TransitLongitudes(*wheel->View());
    ASSERT_EQ(first.size(), 9);
    app.Action("mnuMoreZForward")->trigger();
    const QMap<QString, double> next = TransitLongitudes(*wheel->View());
    EXPECT_NEAR(next[QStringLiteral("SUN")] - first[QStringLiteral("SUN")], 1.01, 0.03);
    app.Action("mnuMoreBackward")->trigger();
    EXPECT_EQ(TransitLongitudes(*wheel->View()), first);
}

// A click on a bar names the transit with its paragraph; a double click moves the page.
TEST(PictureWindowsTest, TimelineSelectsAndMovesThePage) {
    StartedApp app;
    auto* timeline = Open<app::TimelineWindow>(app, "mnuMoreTimeline", "frmTimeline");
    ASSERT_NE(timeline, nullptr);
    ASSERT_TRUE(timeline->ShowPeriod(QDate(2026, 12, 1), QDate(2026, 12, 10)));

    // The Saturn square of December 2026 stations short of exact.
    const pictures::Attributes saturnSquare = {
        {QStringLiteral("data-transit"), QStringLiteral("SATURN")},
        {QStringLiteral("data-aspect"), QStringLiteral("Square")},
        {QStringLiteral("data-natal"), QStringLiteral("URANUS")}};
    QRectF saturnBar;
    for (const pictures::Group& group : timeline->View()->Picture().groups) {
        for (const pictures::Shape& shape : group.shapes) {
            if (shape.kind == pictures::Shape::Kind::Rect &&
                std::ranges::all_of(saturnSquare, [&group](const auto& attribute) {
                    return std::ranges::count(group.attributes, attribute) == 1;
                })) {
                saturnBar = shape.rect;
            }
        }
    }
    ASSERT_FALSE(saturnBar.isEmpty());
    timeline->SelectAt(saturnBar.center());
    ExpectGolden(timeline->SelectedText().toUtf8(), QStringLiteral("app/timeline-selection.txt"));

    // The bar's right end lies on 10 December, the period's last day.
    timeline->MovePageTo(QPointF(saturnBar.right() - 1.0, saturnBar.center().y()));
    EXPECT_TRUE(app.DateLine().contains(QStringLiteral("10 Dec 2026")))
        << app.DateLine().toStdString();
}

TEST(PictureWindowsTest, RefusedPeriodsAndFilesAreTold) {
    StartedApp app;
    auto* timeline = Open<app::TimelineWindow>(app, "mnuMoreTimeline", "frmTimeline");
    ASSERT_NE(timeline, nullptr);
    app.messages.shown.clear();
    EXPECT_FALSE(timeline->ShowPeriod(QDate(2026, 12, 10), QDate(2026, 12, 1)));

    EXPECT_FALSE(timeline->SavePicture(app.folder.FilePath(QStringLiteral("timeline.pdf"))));
    EXPECT_FALSE(QFile::exists(app.folder.FilePath(QStringLiteral("timeline.pdf"))));
    EXPECT_FALSE(timeline->SavePicture(app.folder.FilePath(QStringLiteral("no/such/t.svg"))));
    ExpectGolden(QString::fromStdString(app.messages.Lines())
                     .replace(app.folder.Path(), QStringLiteral("FOLDER"))
                     .toUtf8(),
                 QStringLiteral("app/timeline-refusals.txt"));

    EXPECT_TRUE(timeline->SavePicture(app.folder.FilePath(QStringLiteral("timeline.svg"))));
    EXPECT_TRUE(app.folder.Read(QStringLiteral("timeline.svg")).contains("data-enters="));
}

// The Transit Listing window: the table of a period, sorting by moment, the paragraph of the
// selected row, an export that is the command line's listing byte for byte, and refusals.
struct ListingRig : StartedApp {
    ListingRig()
        : listing({*program, messages, clock,
                   [this](const QString& proposed, const QString&, const QString&) {
                       proposedNames << proposed;
                       return answer;
                   }}) {}
    [[nodiscard]] QAbstractItemModel* Model() const { return listing.Table()->model(); }
    [[nodiscard]] QString Cell(int row, int column) const {
        return Model()->index(row, column).data().toString();
    }

    std::optional<QString> answer;
    QStringList proposedNames;
    app::TransitListingWindow listing;
};

TEST(TransitListingWindow, TableSortingSelectionExportAndRefusals) {
    ListingRig rig;
    ASSERT_TRUE(rig.listing.ListPeriod(QDate(2027, 1, 1), QDate(2027, 3, 31)));
    const int rows = rig.Model()->rowCount();
    ASSERT_GT(rows, 10);
    EXPECT_EQ(rig.Model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Exact"));

    // The moment columns sort by the moment, not by their month/day/year text.
    rig.listing.Table()->sortByColumn(3, Qt::AscendingOrder);
    for (int row = 1; row < rows; ++row) {
        EXPECT_LE(rig.Model()->index(row - 1, 3).data(Qt::UserRole).toDouble(),
                  rig.Model()->index(row, 3).data(Qt::UserRole).toDouble());
    }
    rig.listing.Table()->sortByColumn(0, Qt::DescendingOrder);
    EXPECT_EQ(rig.Cell(0, 0), QStringLiteral("PLUTO"));

    rig.listing.Table()->selectRow(0);
    const QString key =
        rig.Cell(0, 0) + QLatin1Char(' ') + rig.Cell(0, 1) + QLatin1Char(' ') + rig.Cell(0, 2);
    EXPECT_TRUE(rig.listing.SelectedText().startsWith(key + QStringLiteral(": ")))
        << rig.listing.SelectedText().toStdString();

    // Export through the file dialog: the very listing of --transits for the same period.
    rig.answer = rig.folder.FilePath(QStringLiteral("listing.csv"));
    rig.listing.findChild<QPushButton*>(QStringLiteral("cmdExportCsv"))->click();
    EXPECT_EQ(rig.proposedNames, QStringList{QStringLiteral("transits_2027-01-01_2027-03-31.csv")});
    const CommandRun run =
        RunCommand(app::RunListing, {"2027-01-01", "2027-03-31", "--format", "csv"},
                   rig.folder.Path(), TestMoment(), 0, rig.regional.Locale());
    EXPECT_EQ(run.status, app::kListingOk) << run.err.toStdString();
    EXPECT_EQ(rig.folder.Read(QStringLiteral("listing.csv")), run.out.toUtf8());
    EXPECT_EQ(rig.folder.Read(QStringLiteral("listing.csv")).count('\n') - 1, rows);
    EXPECT_TRUE(rig.listing.Export(rig.folder.FilePath(QStringLiteral("listing.ics"))));
    EXPECT_TRUE(rig.folder.Read(QStringLiteral("listing.ics")).startsWith("BEGIN:VCALENDAR"));
    EXPECT_TRUE(rig.messages.shown.empty());

    // Refusals are told, and the table stays.
    EXPECT_FALSE(rig.listing.ListPeriod(QDate(2027, 2, 1), QDate(2027, 1, 1)));
    EXPECT_FALSE(rig.listing.Export(rig.folder.FilePath(QStringLiteral("listing.txt"))));
    EXPECT_FALSE(rig.listing.Export(rig.folder.FilePath(QStringLiteral("gone/listing.csv"))));
    ExpectGolden(QString::fromStdString(rig.messages.Lines())
                     .replace(rig.folder.Path(), QStringLiteral("FOLDER"))
                     .toUtf8(),
                 QStringLiteral("app/listing-refusals.txt"));
    EXPECT_EQ(rig.Model()->rowCount(), rows);
}

}  // namespace
}  // namespace velmaris::testing
