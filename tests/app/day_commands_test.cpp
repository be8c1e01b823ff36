#include "app/new_date_dialog.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace velmaris::testing {
namespace {

// The date line of the page on screen.
QString DateLine(const AppRig& rig) {
    return rig.program->Buffer().PageLines().value(3);
}

// Runs the New Date command; `act` works on the dialog while it is shown modally and must
// close it.
void RunNewDate(AppRig& rig, const std::function<void(QDialog&)>& act) {
    bool acted = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("NewDate"));
        acted = true;
        act(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    rig.Action("mnuMoreNewDate")->trigger();
    EXPECT_TRUE(acted);
}

void SetFields(QDialog& dialog, const char* month, const char* day, const char* year) {
    dialog.findChild<QLineEdit*>(QStringLiteral("txtMonth"))->setText(QLatin1String(month));
    dialog.findChild<QLineEdit*>(QStringLiteral("txtDay"))->setText(QLatin1String(day));
    dialog.findChild<QLineEdit*>(QStringLiteral("txtYear"))->setText(QLatin1String(year));
}

void PressOk(QDialog& dialog) {
    dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
}

TEST(DayCommands, ForwardAndBackwardFromStartUp) {
    struct Case {
        const char* label;
        std::vector<const char*> commands;
        const char* wantDateLine;
        double wantNext;
    };
    const Case cases[] = {
        {"forward reports tomorrow",
         {"mnuMoreZForward"},
         "Saturday, 05 Dec 2026",
         DayNumberOf(2026, 12, 6)},
        {"backward reports yesterday",
         {"mnuMoreBackward"},
         "Thursday, 03 Dec 2026",
         DayNumberOf(2026, 12, 4)},
        {"forward then backward reports the same day again",
         {"mnuMoreZForward", "mnuMoreBackward"},
         "Friday, 04 Dec 2026",
         DayNumberOf(2026, 12, 5)},
        {"three forwards",
         {"mnuMoreZForward", "mnuMoreZForward", "mnuMoreZForward"},
         "Monday, 07 Dec 2026",
         DayNumberOf(2026, 12, 8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        AppRig rig;
        rig.window->StartUp();
        const int allBefore = rig.program->Buffer().AllLineCount();
        for (const char* command : c.commands) {
            rig.Action(command)->trigger();
        }
        EXPECT_EQ(DateLine(rig),
                  QStringLiteral("     %1 at 10:15 PM").arg(QLatin1String(c.wantDateLine)));
        EXPECT_EQ(rig.program->NextReportDay(), c.wantNext);
        EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
        // Every page is kept in the whole buffer as well.
        EXPECT_GT(rig.program->Buffer().AllLineCount(), allBefore);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST(DayCommands, NewDateFieldsStartWithTheNextDay) {
    AppRig rig;
    rig.window->StartUp();
    RunNewDate(rig, [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New Transit Date"));
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("txtMonth"))->text(), "12");
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("txtDay"))->text(), "5");
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("txtYear"))->text(), "2026");
    });
}

TEST(DayCommands, NewDateOkReportsTheEnteredDay) {
    AppRig rig;
    rig.window->StartUp();
    RunNewDate(rig, [](QDialog& dialog) {
        SetFields(dialog, "1", "15", "2027");
        PressOk(dialog);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(DateLine(rig), QStringLiteral("     Friday, 15 Jan 2027 at 10:15 PM"));
    EXPECT_EQ(rig.program->NextReportDay(), DayNumberOf(2027, 1, 16));
    EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(DayCommands, NewDateWithThePresentDateReportsToday) {
    AppRig rig;
    rig.window->StartUp();
    rig.Action("mnuMoreZForward")->trigger();
    RunNewDate(rig, [](QDialog& dialog) {
        SetFields(dialog, "12", "4", "2026");
        PressOk(dialog);
    });
    EXPECT_EQ(DateLine(rig), QStringLiteral("     Friday, 04 Dec 2026 at 10:15 PM"));
}

TEST(DayCommands, NewDateClosedWithoutOkReportsTheUnchangedDay) {
    AppRig rig;
    rig.window->StartUp();
    RunNewDate(rig, [](QDialog& dialog) {
        SetFields(dialog, "3", "3", "2030");
        dialog.reject();
    });
    EXPECT_EQ(DateLine(rig), QStringLiteral("     Saturday, 05 Dec 2026 at 10:15 PM"));
    EXPECT_EQ(rig.program->NextReportDay(), DayNumberOf(2026, 12, 6));
}

TEST(DayCommands, NewDateRefusesBadFieldsAndStaysOpen) {
    struct Case {
        const char* label;
        const char* month;
        const char* day;
        const char* year;
    };
    const Case cases[] = {
        {"empty month", "", "4", "2026"},
        {"empty year", "12", "4", ""},
        {"pasted letters", "1x", "4", "2026"},
        {"month 13", "13", "4", "2026"},
        {"day 0", "12", "0", "2026"},
        {"year 0", "12", "4", "0"},
        {"year beyond the ephemeris", "12", "4", "99999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        AppRig rig;
        rig.window->StartUp();
        bool stayedOpen = false;
        RunNewDate(rig, [&](QDialog& dialog) {
            SetFields(dialog, c.month, c.day, c.year);
            PressOk(dialog);
            stayedOpen = dialog.isVisible();
            dialog.reject();
        });
        EXPECT_TRUE(stayedOpen);
        ASSERT_EQ(rig.messages.shown.size(), 1U);
        EXPECT_EQ(rig.messages.shown[0].title, QStringLiteral("Warning!"));
        EXPECT_FALSE(rig.messages.shown[0].text.isEmpty());
        // The day was kept, so the page after the dialog is the next day's.
        EXPECT_EQ(DateLine(rig), QStringLiteral("     Saturday, 05 Dec 2026 at 10:15 PM"));
    }
}

TEST(DayCommands, ClearAllDataKeepsThePageOnScreen) {
    AppRig rig;
    rig.window->StartUp();
    const QString shown = rig.Text1()->toPlainText();
    rig.Action("mnuClearBuffer")->trigger();
    EXPECT_EQ(rig.program->Buffer().AllLineCount(), 0);
    EXPECT_EQ(rig.Text1()->toPlainText(), shown);
    ASSERT_EQ(rig.messages.shown.size(), 1U);
    EXPECT_EQ(rig.messages.shown[0].text, QStringLiteral("All data cleared from buffer."));
    EXPECT_EQ(rig.messages.shown[0].title, QStringLiteral("Information!"));
}

}  // namespace
}  // namespace velmaris::testing
