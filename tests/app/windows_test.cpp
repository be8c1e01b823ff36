#include "app/about_window.h"
#include "app/new_date_dialog.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace velmaris::testing {
namespace {

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

TEST(AboutWindow, MenuOpensItNotModalAndAClickAnywhereClosesIt) {
    StartedApp rig;
    for (const bool onLabel : {false, true}) {
        SCOPED_TRACE(onLabel ? "click on the label" : "click on the window");
        rig.Action("mnuHelpAbout")->trigger();
        QPointer<app::AboutWindow> about = rig.window->findChild<app::AboutWindow*>();
        ASSERT_FALSE(about.isNull());
        EXPECT_EQ(about->size(), QSize(217, 168));  // 3255 by 2520 twips
        EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                  QStringLiteral("Version  1.01"));
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
