#include "app/about_window.h"
#include "app/new_date_dialog.h"
#include "app/painted_decorations.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace velmaris::testing {
namespace {

using app::FrameLine;
using app::FrameRequest;

// ---- New Date fields ----

TEST(DateFieldFilter, TypedCharacters) {
    struct Case {
        QString text;
        bool want;
    };
    const Case cases[] = {
        {"0", true},  {"5", true},    {"9", true},       {"\b", true},
        {"a", false}, {"-", false},   {"+", false},      {" ", false},
        {".", false}, {"/", false},   {QString(), true}, {"\t", true},
        {"\r", true}, {"\x1b", true}, {"\x16", true},    {QStringLiteral("\u0663"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "code " << (c.text.isEmpty() ? -1 : c.text[0].unicode()));
        EXPECT_EQ(app::IsTypedCharacterAccepted(c.text), c.want);
    }
}

struct DialogRig {
    DialogRig() {
        EnsureApplication();
        dialog = std::make_unique<app::NewDateDialog>(
            domain::NewDateFields{"12", "5", "2026"},
            [this](const QString& m, const QString& d, const QString& y) {
                accepted << m << d << y;
                return answer;
            },
            screen);
    }
    QLineEdit* Field(const char* name) const {
        return dialog->findChild<QLineEdit*>(QLatin1String(name));
    }
    FakeScreen screen;
    bool answer = true;
    QStringList accepted;
    std::unique_ptr<app::NewDateDialog> dialog;
};

TEST(NewDateDialog, KeyFilterKeepsDigitsAndBackspace) {
    DialogRig rig;
    QLineEdit* day = rig.Field("txtDay");
    day->clear();
    QTest::keyClicks(day, QStringLiteral("1a-2 x"));
    EXPECT_EQ(day->text(), QStringLiteral("12"));
    QTest::keyClick(day, Qt::Key_Backspace);
    EXPECT_EQ(day->text(), QStringLiteral("1"));
    QTest::keyClick(day, Qt::Key_Left);
    QTest::keyClicks(day, QStringLiteral("3"));
    EXPECT_EQ(day->text(), QStringLiteral("31"));
}

TEST(NewDateDialog, PastedTextIsNotFiltered) {
    DialogRig rig;
    QLineEdit* year = rig.Field("txtYear");
    year->clear();
    year->insert(QStringLiteral("20x6"));
    EXPECT_EQ(year->text(), QStringLiteral("20x6"));
}

TEST(NewDateDialog, FocusSelectsTheWholeField) {
    DialogRig rig;
    rig.dialog->show();
    rig.dialog->activateWindow();
    QLineEdit* year = rig.Field("txtYear");
    year->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(year->selectedText(), QStringLiteral("2026"));
    // Typing replaces the selected text.
    QTest::keyClicks(year, QStringLiteral("2030"));
    EXPECT_EQ(year->text(), QStringLiteral("2030"));
}

TEST(NewDateDialog, LayoutInPixelsAtTheScreenDensity) {
    DialogRig rig;
    struct Case {
        const char* name;
        QRect want;  // twips / 15 at 96 dots per inch
    };
    const Case cases[] = {
        {"lblMonth", {8, 16, 89, 17}}, {"txtMonth", {112, 16, 41, 19}},
        {"lblDay", {8, 40, 89, 17}},   {"txtDay", {112, 40, 41, 19}},
        {"lblYear", {8, 64, 89, 17}},  {"txtYear", {112, 64, 41, 19}},
        {"cmdOK", {48, 96, 73, 33}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* widget = rig.dialog->findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.want);
    }
    EXPECT_EQ(rig.dialog->size(), QSize(168, 145));
    EXPECT_EQ(rig.dialog->findChild<QLabel*>(QStringLiteral("lblMonth"))->text(),
              QStringLiteral("Transit Month"));
    EXPECT_TRUE(rig.dialog->font().bold());
}

TEST(NewDateDialog, OkHandsOverTheFieldsAndClosesOnlyWhenAccepted) {
    DialogRig rig;
    rig.dialog->show();
    rig.answer = false;
    rig.dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(rig.accepted, (QStringList{"12", "5", "2026"}));
    EXPECT_TRUE(rig.dialog->isVisible());
    rig.answer = true;
    rig.dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_FALSE(rig.dialog->isVisible());
    EXPECT_EQ(rig.dialog->result(), QDialog::Accepted);
}

// ---- Sunken frames ----

TEST(SunkenFrameLines, OneRingOnePixelOutside) {
    const QColor dark(128, 128, 128);
    const QColor light(255, 255, 255);
    struct Case {
        const char* label;
        double twipsPerPixel;
        std::vector<FrameLine> want;
    };
    // A control at 120, 240 of 1335 by 255 twips.
    const Case cases[] = {
        {"15 twips per pixel",
         15,
         {{105, 225, 105, 510, dark},
          {1470, 225, 1470, 510, light},
          {105, 225, 1470, 225, dark},
          {105, 510, 1470, 510, light}}},
        {"12 twips per pixel: still one ring, 12 twips out",
         12,
         {{108, 228, 108, 507, dark},
          {1467, 228, 1467, 507, light},
          {108, 228, 1467, 228, dark},
          {108, 507, 1467, 507, light}}},
        {"20 twips per pixel: the frame grows to one pixel",
         20,
         {{100, 220, 100, 515, dark},
          {1475, 220, 1475, 515, light},
          {100, 220, 1475, 220, dark},
          {100, 515, 1475, 515, light}}},
        {"5 twips per pixel: three rings",
         5,
         {{115, 235, 115, 500, dark},
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
          {105, 510, 1470, 510, light}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FrameRequest request;
        request.left = 120;
        request.top = 240;
        request.right = 120 + 1335;
        request.bottom = 240 + 255;
        EXPECT_EQ(app::SunkenFrameLines(request, c.twipsPerPixel, c.twipsPerPixel), c.want);
    }
}

TEST(NewDateDialog, LabelsCarrySunkenFramesOnEveryPaint) {
    DialogRig rig;
    for (int paint = 0; paint < 2; ++paint) {
        SCOPED_TRACE(paint);
        const QImage image = rig.dialog->grab().toImage();
        for (const char* name : {"lblMonth", "lblDay", "lblYear"}) {
            SCOPED_TRACE(name);
            const QRect label = rig.dialog->findChild<QLabel*>(QLatin1String(name))->geometry();
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

bool IsYellow(QColor c) {
    return c.red() > 200 && c.green() > 200 && c.blue() < 90;
}
bool IsDark(QColor c) {
    return c.red() < 60 && c.green() < 60 && c.blue() < 60;
}

TEST(AboutWindow, YellowTitleOverADarkShadow) {
    EnsureApplication();
    FakeScreen screen;
    QPointer<app::AboutWindow> about = new app::AboutWindow(screen);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about->size(), QSize(217, 168));  // 3255 by 2520 twips

    for (int paint = 0; paint < 2; ++paint) {
        SCOPED_TRACE(paint);
        const QImage image = about->grab().toImage();
        QPointF yellowSum, darkSum;
        int yellow = 0, dark = 0, darkRightOfYellow = 0;
        for (int y = 0; y < image.height() / 2; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (IsYellow(c)) {
                    ++yellow;
                    yellowSum += QPointF(x, y);
                } else if (IsDark(c)) {
                    ++dark;
                    darkSum += QPointF(x, y);
                }
            }
        }
        ASSERT_GT(yellow, 100);
        ASSERT_GT(dark, 100);
        // The shadow lies up and to the left of the yellow title, which is drawn last.
        const QPointF yellowCentre = yellowSum / yellow;
        const QPointF darkCentre = darkSum / dark;
        EXPECT_LT(darkCentre.x(), yellowCentre.x());
        EXPECT_LT(darkCentre.y(), yellowCentre.y());
        // The title starts 390 twips (26 pixels) in and 75 twips (5 pixels) down.
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 25; ++x) {
                darkRightOfYellow += IsDark(image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        EXPECT_EQ(darkRightOfYellow, 0);

        // The version label: magenta text on light grey.
        auto* label = about->findChild<QLabel*>(QStringLiteral("Label1"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QStringLiteral("Version  1.01"));
        const QRect place = label->geometry();
        EXPECT_EQ(place, QRect(16, 136, 185, 17));
        EXPECT_EQ(image.pixelColor(place.x() + 2, place.y() + 2), QColor(192, 192, 192));
        int magenta = 0;
        for (int y = place.top(); y <= place.bottom(); ++y) {
            for (int x = place.left(); x <= place.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                magenta += (c.red() > 200 && c.green() < 80 && c.blue() > 200) ? 1 : 0;
            }
        }
        EXPECT_GT(magenta, 20);
    }
    delete about;
}

TEST(AboutWindow, ClickAnywhereClosesIt) {
    EnsureApplication();
    FakeScreen screen;
    for (const char* where : {"window", "label"}) {
        SCOPED_TRACE(where);
        QPointer<app::AboutWindow> about = new app::AboutWindow(screen);
        about->show();
        const QPoint point =
            QLatin1String(where) == QLatin1String("label")
                ? about->findChild<QLabel*>(QStringLiteral("Label1"))->geometry().center()
                : QPoint(5, 5);
        QTest::mouseClick(about->childAt(point) != nullptr ? about->childAt(point)
                                                           : static_cast<QWidget*>(about.data()),
                          Qt::LeftButton, {},
                          about->childAt(point) != nullptr
                              ? about->childAt(point)->mapFrom(about.data(), point)
                              : point);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(about.isNull());
    }
}

TEST(AboutWindow, MenuOpensItNotModalAndAgainAfterItClosed) {
    AppRig rig;
    rig.window->StartUp();
    rig.Action("mnuHelpAbout")->trigger();
    QPointer<app::AboutWindow> first = rig.window->findChild<app::AboutWindow*>();
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    // The main window stays usable.
    rig.Action("mnuMoreZForward")->trigger();
    EXPECT_EQ(rig.program->NextReportDay(), DayNumberOf(2026, 12, 6));
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    rig.Action("mnuHelpAbout")->trigger();
    EXPECT_NE(rig.window->findChild<app::AboutWindow*>(), nullptr);
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
    EXPECT_EQ(rig.program->Buffer().PageLines().value(3),
              QStringLiteral("     Saturday, 05 Dec 2026 at 10:15 PM"));
    EXPECT_TRUE(rig.program->Buffer().AllLines().contains(QStringLiteral("Topic UPGRADES.HLP")));
}

TEST(HelpMenu, MissingTopicShowsNothingNew) {
    AppRig rig(true, /*copyData=*/false);
    rig.folder.Write(QStringLiteral("OPTIONS.OPT"), "1\r\n");
    rig.window->StartUp();
    const QString before = rig.Text1()->toPlainText();
    const int allBefore = rig.program->Buffer().AllLineCount();
    rig.Action("mnuHelpLicense")->trigger();
    EXPECT_EQ(rig.Text1()->toPlainText(), before);
    EXPECT_EQ(rig.program->Buffer().AllLineCount(), allBefore);
    EXPECT_TRUE(rig.window->isEnabled());
}

}  // namespace
}  // namespace velmaris::testing
