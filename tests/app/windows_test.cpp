#include "app/about_window.h"
#include "app/new_date_dialog.h"
#include "app/painted_decorations.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace velmaris::testing {
namespace {

using app::FrameLine;
using app::FrameRequest;

// ---- New Date fields ----

TEST(DateFieldFilter, TypedCharacters) {
    // Digits and control keys (Backspace, Tab, Enter, Escape, Ctrl+V); no text at all.
    for (const QChar c : QStringLiteral("0123456789\b\t\r\x1b\x16")) {
        EXPECT_TRUE(app::IsTypedCharacterAccepted(c)) << int{c.unicode()};
    }
    EXPECT_TRUE(app::IsTypedCharacterAccepted(QString()));
    for (const QChar c : QStringLiteral("a-+ ./\u0663")) {
        EXPECT_FALSE(app::IsTypedCharacterAccepted(c)) << int{c.unicode()};
    }
}

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

TEST(NewDateDialog, LayoutInPixelsAtTheScreenDensity) {
    DialogRig rig;
    // Twips / 15 at 96 dots per inch.
    const std::pair<const char*, QRect> cases[] = {
        {"lblMonth", {8, 16, 89, 17}}, {"txtMonth", {112, 16, 41, 19}},
        {"lblDay", {8, 40, 89, 17}},   {"txtDay", {112, 40, 41, 19}},
        {"lblYear", {8, 64, 89, 17}},  {"txtYear", {112, 64, 41, 19}},
        {"cmdOK", {48, 96, 73, 33}},
    };
    for (const auto& [name, want] : cases) {
        SCOPED_TRACE(name);
        auto* widget = rig.dialog.findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), want);
    }
    EXPECT_EQ(rig.dialog.size(), QSize(168, 145));
    EXPECT_EQ(rig.dialog.findChild<QLabel*>(QStringLiteral("lblMonth"))->text(),
              QStringLiteral("Transit Month"));
    EXPECT_TRUE(rig.dialog.font().bold());
}

// ---- Sunken frames ----

// At 15 twips per pixel the frame is one ring one pixel out: the painted labels show it below.
TEST(SunkenFrameLines, OneRingPerPixelOfTheFrameAndAtLeastOne) {
    const QColor dark(128, 128, 128);
    const QColor light(255, 255, 255);
    // A control at 120, 240 of 1335 by 255 twips, with the frame of 15 twips.
    FrameRequest request;
    request.left = 120;
    request.top = 240;
    request.right = 120 + 1335;
    request.bottom = 240 + 255;
    // 20 twips per pixel: the frame grows to one pixel.
    EXPECT_EQ(app::SunkenFrameLines(request, 20, 20),
              (std::vector<FrameLine>{{100, 220, 100, 515, dark},
                                      {1475, 220, 1475, 515, light},
                                      {100, 220, 1475, 220, dark},
                                      {100, 515, 1475, 515, light}}));
    // 5 twips per pixel: three rings.
    EXPECT_EQ(app::SunkenFrameLines(request, 5, 5),
              (std::vector<FrameLine>{{115, 235, 115, 500, dark},
                                      {1460, 235, 1460, 500, light},
                                      {110, 230, 110, 505, dark},
                                      {1465, 230, 1465, 505, light},
                                      {105, 225, 105, 510, dark},
                                      {1470, 225, 1470, 510, light},
                                      {115, 235, 1460, 235, dark},
                                      {115, 500, 1460, 500, light},
                                      {110, 230, 1465, 230, dark},
                                      {110, 505, 1465, 505, light},
                                      {105, 225, 1470, 225, dark},
                                      {105, 510, 1470, 510, light}}));
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

// How many pixels of the area have the colour, and their centre.
std::pair<int, QPointF> Pixels(const QImage& image, const QRect& area, bool (*colour)(QColor)) {
    int count = 0;
    QPointF sum;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (colour(image.pixelColor(x, y))) {
                ++count;
                sum += QPointF(x, y);
            }
        }
    }
    return {count, count == 0 ? sum : sum / count};
}
bool IsYellow(QColor c) {
    return c.red() > 200 && c.green() > 200 && c.blue() < 90;
}
bool IsDark(QColor c) {
    return c.red() < 60 && c.green() < 60 && c.blue() < 60;
}
bool IsMagenta(QColor c) {
    return c.red() > 200 && c.green() < 80 && c.blue() > 200;
}

TEST(AboutWindow, YellowTitleOverADarkShadowAndTheVersionInMagentaOnGrey) {
    EnsureApplication();
    FakeScreen screen;
    app::AboutWindow about(screen);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about.size(), QSize(217, 168));  // 3255 by 2520 twips
    auto* label = about.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Version  1.01"));
    const QRect place = label->geometry();
    EXPECT_EQ(place, QRect(16, 136, 185, 17));

    for (int paint = 0; paint < 2; ++paint) {
        SCOPED_TRACE(paint);
        const QImage image = about.grab().toImage();
        const QRect upperHalf(0, 0, image.width(), image.height() / 2);
        const auto [yellow, yellowCentre] = Pixels(image, upperHalf, IsYellow);
        const auto [dark, darkCentre] = Pixels(image, upperHalf, IsDark);
        ASSERT_GT(yellow, 100);
        ASSERT_GT(dark, 100);
        // The shadow lies up and to the left of the yellow title, which is drawn last.
        EXPECT_LT(darkCentre.x(), yellowCentre.x());
        EXPECT_LT(darkCentre.y(), yellowCentre.y());
        // The title starts 390 twips (26 pixels) in and 75 twips (5 pixels) down.
        EXPECT_EQ(Pixels(image, QRect(0, 0, 25, 5), IsDark).first, 0);
        EXPECT_EQ(image.pixelColor(place.x() + 2, place.y() + 2), QColor(192, 192, 192));
        EXPECT_GT(Pixels(image, place, IsMagenta).first, 20);
    }
}

TEST(AboutWindow, MenuOpensItNotModalAndAClickAnywhereClosesIt) {
    StartedApp rig;
    for (const bool onLabel : {false, true}) {
        SCOPED_TRACE(onLabel ? "click on the label" : "click on the window");
        rig.Action("mnuHelpAbout")->trigger();
        QPointer<app::AboutWindow> about = rig.window->findChild<app::AboutWindow*>();
        ASSERT_FALSE(about.isNull());
        EXPECT_TRUE(about->isVisible());
        EXPECT_FALSE(about->isModal());
        // The main window stays usable.
        const double next = rig.program->NextReportDay();
        rig.Action("mnuMoreZForward")->trigger();
        EXPECT_EQ(rig.program->NextReportDay(), next + 1);

        const QPoint point =
            onLabel ? about->findChild<QLabel*>(QStringLiteral("Label1"))->geometry().center()
                    : QPoint(5, 5);
        // The widget that a click there reaches.
        QWidget* target = about->childAt(point) != nullptr ? about->childAt(point) : about.data();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(about.data(), point));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(about.isNull());
    }
}

// ---- Help pages ----

TEST(HelpMenu, EveryTopicShowsItsFile) {
    const std::pair<const char*, const char*> topics[] = {
        {"mnuMainMenuHelp", "VELMARIS.HLP"}, {"mnuHelpOptions", "OPTIONS.HLP"},
        {"mnuHelpPrntfile", "PRNTFILE.HLP"}, {"mnuHelpInterpretations", "INTERPS.HLP"},
        {"mnuHelpHints", "HINTS.HLP"},       {"mnuHelpRevisions", "REVISION.HLP"},
        {"mnuPhilosophyHelp", "PHILO.HLP"},  {"mnuHelpLicense", "LICENSE.HLP"},
        {"mnuHelpUpgrades", "UPGRADES.HLP"},
    };
    AppRig rig(true, /*copyData=*/false);
    rig.folder.Write(QStringLiteral("OPTIONS.OPT"), "1\r\n6\r\n21\r\n1990\r\n");
    rig.window->StartUp();
    for (const auto& [menu, file] : topics) {
        SCOPED_TRACE(menu);
        rig.folder.Write(QLatin1String(file), QByteArray("Topic ") + file + "\r\nsecond line\r\n");
        rig.Action(menu)->trigger();
        EXPECT_EQ(rig.Text1()->toPlainText(),
                  QStringLiteral("Topic %1\nsecond line\n\n\n\n").arg(QLatin1String(file)));
    }
    // After a topic, Forward reports the next day as usual and the topic stays in the buffer.
    rig.Action("mnuMoreZForward")->trigger();
    EXPECT_EQ(rig.DateLine(), QStringLiteral("     Saturday, 05 Dec 2026 at 10:15 PM"));
    EXPECT_TRUE(rig.program->Buffer().AllLines().contains(QStringLiteral("Topic UPGRADES.HLP")));
}

}  // namespace
}  // namespace velmaris::testing
