#pragma once

namespace velmaris::app {

// Sizes the Font menu's Increase and Decrease act within, in points.
inline constexpr double kSmallestSteppedSize = 8.0;
inline constexpr double kLargestSteppedSize = 12.0;

// Font step for the screen: 1.5 or 1.2 points per two commands.
// Given:   screenWidthPixels  width of the screen in pixels
//          twipsPerPixel      1440 / the screen's logical dots per inch
// Returns: 1.5 at 15 twips per pixel, 1.2 at 12; at any other pixel size 1.5 on a screen 800
//          pixels wide and 1.2 on any other
[[nodiscard]] double FontStepFor(int screenWidthPixels, double twipsPerPixel);

// The text font of the main window: the size, bold and italic that the settings file keeps,
// and those the text box shows. The kept size moves on every Increase or Decrease; the shown
// size moves only while the kept size is inside 8..12 before the step, so the two can part.
struct TextFont {
    double fontSize = 9.25;  // kept size, points
    double fontBold = 0;     // -1 bold, 0 not
    double fontItalic = 0;   // -1 italic, 0 not
    double step = 1.2;       // FontStepFor the screen
    double shownSize = 9.25;
    bool shownBold = false;
    bool shownItalic = false;

    // The state at start-up: the text box shows what the settings file keeps.
    static TextFont FromSettings(double fontSize, double fontBold, double fontItalic, double step);

    void Increase();
    void Decrease();
    void ToggleBold();
    void ToggleItalic();
    // Whether Increase and Decrease are offered after a font command re-showed the page.
    [[nodiscard]] bool IncreaseEnabled() const { return fontSize < kLargestSteppedSize; }
    [[nodiscard]] bool DecreaseEnabled() const { return fontSize > kSmallestSteppedSize; }
};

}  // namespace velmaris::app
