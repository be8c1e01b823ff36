#include "app/text_font.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

namespace velmaris::testing {
namespace {

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

// Increase and Decrease move the kept size by half the step (1.5 points on the test screen); the
// text follows only while the kept size is inside 8 to 12 before the step.
TEST(FontCommands, SizeLimitsOfTheTextAndTheMenuItems) {
    struct Case {
        const char* label;
        const char* size;      // FontSize in VELMARIS.INI
        bool clearFirst;       // Clear all data before the font commands
        const char* commands;  // + Increase, - Decrease
        double wantShown, wantKept;
        bool wantIncrease, wantDecrease;
    };
    const Case cases[] = {
        {"decrease at 8 leaves the text at 8", " 8", false, "-", 8, 7.25, true, false},
        {"then increase sets the text to 8 again", " 8", false, "-+", 8, 8, true, false},
        {"increase from 11.5 goes to 12.25", " 11.5", false, "+", 12.25, 12.25, false, true},
        {"decrease from 8.5 goes to 7.75", " 8.5", false, "-", 7.75, 7.75, true, false},
        {"up and down returns", " 9.25", false, "+-", 9.25, 9.25, true, true},
        {"increase above 12 leaves the text", " 12.5", false, "+", 12.5, 13.25, false, true},
        {"after Clear all data the items still follow", " 11.5", true, "+", 12.25, 12.25, false,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        AppRig rig;
        rig.folder.Write(QStringLiteral("VELMARIS.INI"),
                         QByteArray("FontSize=") + c.size + "\r\nFontBold= 0\r\n");
        rig.window->StartUp();
        if (c.clearFirst) {
            rig.Action("mnuClearBuffer")->trigger();
        }
        for (const char* command = c.commands; *command != 0; ++command) {
            rig.Action(*command == '+' ? "mnuFontsIncrease" : "mnuFontsDecrease")->trigger();
        }
        EXPECT_DOUBLE_EQ(rig.Text1()->font().pointSizeF(), c.wantShown);
        EXPECT_DOUBLE_EQ(rig.window->Font().fontSize, c.wantKept);
        EXPECT_EQ(rig.Action("mnuFontsIncrease")->isEnabled(), c.wantIncrease);
        EXPECT_EQ(rig.Action("mnuFontsDecrease")->isEnabled(), c.wantDecrease);
    }
}

TEST(FontCommands, BeforeTheFirstPageNothingIsShownAndTheItemsStay) {
    AppRig rig;
    // 9.25 points at step 1.2: the third Decrease goes below 8.
    for (int i = 0; i < 3; ++i) {
        rig.Action("mnuFontsDecrease")->trigger();
    }
    EXPECT_TRUE(rig.Action("mnuFontsDecrease")->isEnabled());
    EXPECT_EQ(rig.program->Buffer().AllLineCount(), 0);
}

TEST(FontCommands, BoldAndItalicWithCheckMarksEachReShowingThePage) {
    StartedApp rig;
    const int pageBefore = rig.program->Buffer().PageLineCount();
    const int allBefore = rig.program->Buffer().AllLineCount();
    QAction* bold = rig.Action("mnuFontsBold");
    bold->trigger();
    EXPECT_TRUE(rig.Text1()->font().bold());
    EXPECT_TRUE(bold->isChecked());
    bold->trigger();
    EXPECT_FALSE(rig.Text1()->font().bold());
    EXPECT_FALSE(bold->isChecked());
    rig.Action("mnuFontsItalic")->trigger();
    EXPECT_TRUE(rig.Text1()->font().italic());
    EXPECT_TRUE(rig.Action("mnuFontsItalic")->isChecked());
    EXPECT_EQ(rig.window->CurrentWindowSettings().fontBold, 0);
    EXPECT_EQ(rig.window->CurrentWindowSettings().fontItalic, -1);
    // Each command showed the page again, with one more blank line.
    EXPECT_EQ(rig.program->Buffer().PageLineCount(), pageBefore + 3);
    EXPECT_EQ(rig.program->Buffer().AllLineCount(), allBefore + 3);
    EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
}

}  // namespace
}  // namespace velmaris::testing
