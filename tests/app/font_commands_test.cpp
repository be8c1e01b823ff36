#include "app/text_font.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

namespace velmaris::app {
namespace {

TEST(FontStepFor, ScreenRules) {
    struct Case {
        int width;
        double twipsPerPixel;
        double want;
    };
    const Case cases[] = {
        {800, 15, 1.5},  {800, 12, 1.2},  {800, 20, 1.5},  {800, 10, 1.5},
        {1024, 15, 1.5}, {1024, 12, 1.2}, {1280, 20, 1.2}, {1920, 10, 1.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " px at " << c.twipsPerPixel);
        EXPECT_EQ(FontStepFor(c.width, c.twipsPerPixel), c.want);
    }
}

TEST(TextFont, IncreaseAndDecreaseLimits) {
    enum Command { kIncrease, kDecrease };
    struct Case {
        const char* label;
        double size;
        double step;
        std::vector<Command> commands;
        double wantShown;
        double wantKept;
        bool wantIncrease;
        bool wantDecrease;
    };
    const Case cases[] = {
        {"decrease at 8 leaves the text at 8", 8, 1.5, {kDecrease}, 8, 7.25, true, false},
        {"then increase sets the text to 8 again",
         8,
         1.5,
         {kDecrease, kIncrease},
         8,
         8,
         true,
         false},
        {"increase from 11.5 goes to 12.25", 11.5, 1.5, {kIncrease}, 12.25, 12.25, false, true},
        {"a second increase leaves the text",
         11.5,
         1.5,
         {kIncrease, kIncrease},
         12.25,
         13,
         false,
         true},
        {"decrease from 8.5 goes to 7.75", 8.5, 1.5, {kDecrease}, 7.75, 7.75, true, false},
        {"step 1.2 moves by 0.6", 9.25, 1.2, {kIncrease}, 9.85, 9.85, true, true},
        {"up and down returns", 9.25, 1.5, {kIncrease, kDecrease}, 9.25, 9.25, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TextFont font = TextFont::FromSettings(c.size, 0, 0, c.step);
        for (const Command command : c.commands) {
            command == kIncrease ? font.Increase() : font.Decrease();
        }
        EXPECT_DOUBLE_EQ(font.shownSize, c.wantShown);
        EXPECT_DOUBLE_EQ(font.fontSize, c.wantKept);
        EXPECT_EQ(font.IncreaseEnabled(), c.wantIncrease);
        EXPECT_EQ(font.DecreaseEnabled(), c.wantDecrease);
    }
}

TEST(TextFont, BoldAndItalicToggle) {
    TextFont font = TextFont::FromSettings(9.25, 0, -1, 1.5);
    EXPECT_FALSE(font.shownBold);
    EXPECT_TRUE(font.shownItalic);
    font.ToggleBold();
    EXPECT_TRUE(font.shownBold);
    EXPECT_EQ(font.fontBold, -1);
    font.ToggleBold();
    EXPECT_FALSE(font.shownBold);
    EXPECT_EQ(font.fontBold, 0);
    font.ToggleItalic();
    EXPECT_FALSE(font.shownItalic);
    EXPECT_EQ(font.fontItalic, 0);
}

TEST(TextFont, AnyNonZeroSettingShowsBold) {
    const TextFont font = TextFont::FromSettings(9.25, 1, 0, 1.5);
    EXPECT_TRUE(font.shownBold);
    EXPECT_EQ(font.fontBold, 1);
}

}  // namespace
}  // namespace velmaris::app

namespace velmaris::testing {
namespace {

void WriteFontSize(const AppRig& rig, const char* size) {
    rig.folder.Write(QStringLiteral("VELMARIS.INI"),
                     QByteArray("FontSize=") + size + "\r\nFontBold= 0\r\n");
}

TEST(FontCommands, DecreaseAtTheLowerLimitDisablesDecrease) {
    AppRig rig;
    WriteFontSize(rig, " 8");
    rig.window->StartUp();
    rig.Action("mnuFontsDecrease")->trigger();
    EXPECT_DOUBLE_EQ(rig.Text1()->font().pointSizeF(), 8);
    EXPECT_DOUBLE_EQ(rig.window->Font().fontSize, 7.25);
    EXPECT_FALSE(rig.Action("mnuFontsDecrease")->isEnabled());
    EXPECT_TRUE(rig.Action("mnuFontsIncrease")->isEnabled());
    rig.Action("mnuFontsIncrease")->trigger();
    EXPECT_DOUBLE_EQ(rig.Text1()->font().pointSizeF(), 8);
}

TEST(FontCommands, IncreaseAtTheUpperLimitDisablesIncrease) {
    AppRig rig;
    WriteFontSize(rig, " 11.5");
    rig.window->StartUp();
    rig.Action("mnuFontsIncrease")->trigger();
    EXPECT_DOUBLE_EQ(rig.Text1()->font().pointSizeF(), 12.25);
    EXPECT_FALSE(rig.Action("mnuFontsIncrease")->isEnabled());
    EXPECT_TRUE(rig.Action("mnuFontsDecrease")->isEnabled());
}

TEST(FontCommands, BoldTwiceRestoresTextCheckMarkAndSetting) {
    AppRig rig;
    rig.window->StartUp();
    QAction* bold = rig.Action("mnuFontsBold");
    bold->trigger();
    EXPECT_TRUE(rig.Text1()->font().bold());
    EXPECT_TRUE(bold->isChecked());
    EXPECT_EQ(rig.window->Font().fontBold, -1);
    bold->trigger();
    EXPECT_FALSE(rig.Text1()->font().bold());
    EXPECT_FALSE(bold->isChecked());
    EXPECT_EQ(rig.window->Font().fontBold, 0);

    QAction* italic = rig.Action("mnuFontsItalic");
    italic->trigger();
    EXPECT_TRUE(rig.Text1()->font().italic());
    EXPECT_TRUE(italic->isChecked());
    EXPECT_EQ(rig.window->CurrentWindowSettings().fontItalic, -1);
}

TEST(FontCommands, EachCommandReShowsThePageWithOneMoreBlankLine) {
    AppRig rig;
    rig.window->StartUp();
    const int pageBefore = rig.program->Buffer().PageLineCount();
    const int allBefore = rig.program->Buffer().AllLineCount();
    rig.Action("mnuFontsBold")->trigger();
    rig.Action("mnuFontsIncrease")->trigger();
    EXPECT_EQ(rig.program->Buffer().PageLineCount(), pageBefore + 2);
    EXPECT_EQ(rig.program->Buffer().AllLineCount(), allBefore + 2);
    EXPECT_EQ(rig.Text1()->toPlainText(), rig.ShownPage());
}

TEST(FontCommands, EmptyPageLeavesTheItemsAsTheyWere) {
    AppRig rig;
    WriteFontSize(rig, " 11.5");
    // Before start-up the page is empty.
    rig.Action("mnuFontsIncrease")->trigger();
    rig.Action("mnuFontsIncrease")->trigger();
    EXPECT_TRUE(rig.Action("mnuFontsIncrease")->isEnabled());
    EXPECT_TRUE(rig.Action("mnuFontsDecrease")->isEnabled());
    EXPECT_EQ(rig.program->Buffer().AllLineCount(), 0);
}

TEST(FontCommands, AfterClearAllDataTheItemsStillFollowTheSize) {
    AppRig rig;
    WriteFontSize(rig, " 11.5");
    rig.window->StartUp();
    rig.Action("mnuClearBuffer")->trigger();
    rig.Action("mnuFontsIncrease")->trigger();
    EXPECT_FALSE(rig.Action("mnuFontsIncrease")->isEnabled());
}

}  // namespace
}  // namespace velmaris::testing
