#include "app/text_font.h"

namespace velmaris::app {

double FontStepFor(int screenWidthPixels, double twipsPerPixel) {
    if (screenWidthPixels == 800) {
        return twipsPerPixel == 12.0 ? 1.2 : 1.5;
    }
    return twipsPerPixel == 15.0 ? 1.5 : 1.2;
}

TextFont TextFont::FromSettings(double fontSize, double fontBold, double fontItalic, double step) {
    TextFont font;
    font.fontSize = fontSize;
    font.fontBold = fontBold;
    font.fontItalic = fontItalic;
    font.step = step;
    font.shownSize = fontSize;
    font.shownBold = fontBold != 0;
    font.shownItalic = fontItalic != 0;
    return font;
}

void TextFont::Increase() {
    if (fontSize < kLargestSteppedSize) {
        shownSize = fontSize + step / 2;
    }
    fontSize = fontSize + step / 2;
}

void TextFont::Decrease() {
    if (fontSize > kSmallestSteppedSize) {
        shownSize = fontSize - step / 2;
    }
    fontSize = fontSize - step / 2;
}

void TextFont::ToggleBold() {
    shownBold = !shownBold;
    fontBold = shownBold ? -1 : 0;
}

void TextFont::ToggleItalic() {
    shownItalic = !shownItalic;
    fontItalic = shownItalic ? -1 : 0;
}

}  // namespace velmaris::app
