// The day commands of the main window forward to the program; the paging and date rules
// themselves are pinned down by the program's and the calendar's own tests.
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace velmaris::testing {
namespace {

TEST(DayCommands, ForwardAndBackwardShowTheNextOrPreviousDay) {
    const std::pair<const char*, const char*> cases[] = {
        {"mnuMoreZForward", "     Saturday, 05 Dec 2026 at 10:15 PM"},
        {"mnuMoreBackward", "     Thursday, 03 Dec 2026 at 10:15 PM"},
    };
    for (const auto& [command, dateLine] : cases) {
        SCOPED_TRACE(command);
        StartedApp rig;
        const int allBefore = rig.program->Buffer().AllLineCount();
        rig.Action(command)->trigger();
        EXPECT_EQ(rig.DateLine(), QLatin1String(dateLine));
        EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
        // Every page is kept in the whole buffer as well.
        EXPECT_GT(rig.program->Buffer().AllLineCount(), allBefore);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

// A refused OK keeps the dialog open; closed without an accepted OK, the page of the next day
// follows it.
TEST(DayCommands, NewDateDialogStartsWithTheNextDayAndThePageFollowsIt) {
    struct Case {
        const char* fields[3];  // month, day, year typed before OK
        const char* dateLine;   // of the page after the dialog
        const char* refusal;    // message when OK is refused
    };
    const Case cases[] = {
        {{"1", "15", "2027"}, "     Friday, 15 Jan 2027 at 10:15 PM", ""},
        {{"13", "4", "2026"}, "     Monday, 04 Jan 2027 at 10:15 PM", ""},  // runs on
        {{"1", "1", "1"}, "     Saturday, 30 Dec 0000 at 10:15 PM", ""},    // Julian, year 0
        {{"1a", "4", "2026"},
         "     Saturday, 05 Dec 2026 at 10:15 PM",
         "Warning!|Exclamation|The transit month must be a number written with the digits 0 to "
         "9."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dateLine);
        StartedApp rig;
        bool acted = false;
        bool stayedOpen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            acted = true;
            EXPECT_EQ(dialog->objectName(), QStringLiteral("NewDate"));
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("New Transit Date"));
            const char* names[] = {"txtMonth", "txtDay", "txtYear"};
            const char* start[] = {"12", "5", "2026"};
            for (int i = 0; i < 3; ++i) {
                auto* field = dialog->findChild<QLineEdit*>(QLatin1String(names[i]));
                EXPECT_EQ(field->text(), QLatin1String(start[i]));
                field->setText(QLatin1String(c.fields[i]));
            }
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            stayedOpen = dialog->isVisible();
            dialog->reject();
        });
        rig.Action("mnuMoreNewDate")->trigger();
        EXPECT_TRUE(acted);
        EXPECT_EQ(stayedOpen, *c.refusal != 0);
        EXPECT_EQ(rig.DateLine(), QLatin1String(c.dateLine));
        EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
        EXPECT_EQ(rig.Shown(), c.refusal);
    }
}

TEST(DayCommands, ClearAllDataKeepsThePageOnScreen) {
    StartedApp rig;
    const QString shown = rig.Text1()->toPlainText();
    rig.Action("mnuClearBuffer")->trigger();
    EXPECT_EQ(rig.program->Buffer().AllLineCount(), 0);
    EXPECT_EQ(rig.Text1()->toPlainText(), shown);
    EXPECT_EQ(rig.Shown(), "Information!|Exclamation|All data cleared from buffer.");
}

}  // namespace
}  // namespace velmaris::testing
