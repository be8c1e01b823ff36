#pragma once

#include <QString>

#include <array>
#include <string_view>

namespace velmaris::domain {

// Body names by body index 1..10 (the Moon last); slot 0 holds nothing.
inline constexpr std::array<std::string_view, 11> PlanetNames = {
    "",       "SUN",    "MERCURY", "VENUS", "MARS", "JUPITER",
    "SATURN", "URANUS", "NEPTUNE", "PLUTO", "MOON",
};

// Twelve three-letter sign codes in zodiac order from Aries.
inline constexpr std::string_view SignCodeTable = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";

// Sixteen aspect names in fields of 12 characters; field 1 (no aspect) is blank.
inline constexpr int kAspectFieldWidth = 12;
inline constexpr std::string_view AspectNameTable =
    "            Conjunct    Sextile     Square      Trine       "
    "Opposite    PARALLEL    S.Sextile   S.Square    Ses.Square  "
    "Quincunx    S.Quintile  Nonagen     Quintile    Trecile     "
    "BiQuintile  ";

static_assert(SignCodeTable.size() == 36);
static_assert(AspectNameTable.size() == std::size_t{16} * kAspectFieldWidth);

// Three-letter code of sign 1 (ARI) .. 12 (PIS).
[[nodiscard]] constexpr std::string_view SignCode(int sign) {
    return SignCodeTable.substr(static_cast<std::size_t>(3 * sign - 3), 3);
}

// Aspect name of index 1..16 without its trailing blanks (empty for index 1).
[[nodiscard]] constexpr std::string_view AspectName(int index) {
    std::string_view field = AspectNameTable.substr(
        static_cast<std::size_t>(index - 1) * kAspectFieldWidth, kAspectFieldWidth);
    while (!field.empty() && field.back() == ' ') {
        field.remove_suffix(1);
    }
    return field;
}

[[nodiscard]] inline QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace velmaris::domain
