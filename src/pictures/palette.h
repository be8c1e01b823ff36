#pragma once

#include "pictures/display_list.h"
#include "pictures/wheel.h"

#include <QColor>

#include <array>

namespace velmaris::pictures {

// Okabe-Ito colours: told apart by colour-blind readers, with distinct grey values for print.
inline const QColor kPaletteInk{0x22, 0x22, 0x22};
inline const QColor kPaletteGrey{0x88, 0x88, 0x88};
inline const QColor kPaletteVermillion{0xD5, 0x5E, 0x00};
inline const QColor kPaletteBlue{0x00, 0x72, 0xB2};
inline const QColor kPaletteGreen{0x00, 0x9E, 0x73};
inline const QColor kPaletteOrange{0xE6, 0x9F, 0x00};
inline const QColor kPaletteSky{0x56, 0xB4, 0xE9};
inline const QColor kPalettePurple{0xCC, 0x79, 0xA7};
inline const QColor kPaletteSignBand{0xF4, 0xF1, 0xEA};
inline const QColor kPaletteNatalBand{0xF7, 0xF7, 0xF7};

// Fire, earth, air, water.
inline const std::array<QColor, 4> kSignElementColors = {kPaletteVermillion, kPaletteGreen,
                                                         kPaletteOrange.darker(130), kPaletteBlue};

// Hard aspects solid vermillion, soft dashed blue, minor dotted green.
inline Stroke FamilyStroke(AspectFamily family) {
    switch (family) {
        case AspectFamily::Hard:
            return {kPaletteVermillion, 1.0, Dash::Solid};
        case AspectFamily::Soft:
            return {kPaletteBlue, 1.0, Dash::Dashed};
        case AspectFamily::Minor:
            break;
    }
    return {kPaletteGreen, 1.0, Dash::Dotted};
}

}  // namespace velmaris::pictures
