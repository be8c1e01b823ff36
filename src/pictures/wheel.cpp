#include "pictures/wheel.h"

#include "pictures/palette.h"
#include "report/name_tables.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmaris::pictures {

namespace {

double Normalize(double deg) {
    double d = std::fmod(deg, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

// Astrological glyphs of the bodies by slot, and of the signs from Aries.
constexpr std::array<char16_t, 11> kBodyGlyphs = {
    0,         u'\u2609', u'\u263F', u'\u2640', u'\u2642', u'\u2643',
    u'\u2644', u'\u2645', u'\u2646', u'\u2647', u'\u263D',
};
constexpr char16_t kFirstSignGlyph = u'\u2648';
constexpr char16_t kRetrogradeGlyph = u'\u211E';

QString BodyName(int body) {
    return domain::Latin1(domain::PlanetNames.at(body));
}

struct Glyphs {
    bool bodies = false;
    bool signs = false;
    bool retro = false;
};

Glyphs AvailableGlyphs(const QString& family) {
    QString bodies;
    for (int b = kFirstBody; b <= kLastBody; ++b) {
        bodies += QChar(kBodyGlyphs.at(b));
    }
    QString signs;
    for (int s = 0; s < 12; ++s) {
        signs += QChar(static_cast<char16_t>(kFirstSignGlyph + s));
    }
    return {FontHasGlyphs(family, bodies), FontHasGlyphs(family, signs),
            FontHasGlyphs(family, QString(QChar(kRetrogradeGlyph)))};
}

QString BodyLabel(int body, const Glyphs& glyphs) {
    if (glyphs.bodies) {
        return QString(QChar(kBodyGlyphs.at(body)));
    }
    return BodyName(body).left(2);
}

QString SignLabel(int sign, const Glyphs& glyphs) {
    if (glyphs.signs) {
        return QString(QChar(static_cast<char16_t>(kFirstSignGlyph + sign)));
    }
    return domain::Latin1(domain::SignCode(sign + 1));
}

// Degree and minute within the sign, rounded to the minute.
std::pair<int, int> DegreeMinute(double longitudeDeg) {
    const long minutes = std::lround(Normalize(longitudeDeg) * 60.0) % (360L * 60L);
    return {static_cast<int>((minutes / 60) % 30), static_cast<int>(minutes % 60)};
}

struct RingBand {
    const char* ring;
    double outer;
    double inner;
    QColor ink;
    bool outward;  // leader runs from the band's outer edge (true) or inner edge
};

void AddMarkers(DisplayList& list, const WheelGeometry& geo, const RingBand& band,
                const std::array<double, 11>& longitudes, const std::array<bool, 11>* retro,
                int lastBody, const Glyphs& glyphs) {
    std::vector<MarkerPlace> places;
    for (int b = kFirstBody; b <= lastBody; ++b) {
        places.push_back({b, Normalize(longitudes.at(b)), 0.0});
    }
    places = SpreadMarkers(std::move(places), geo.markerGapDeg);
    const double depth = band.outer - band.inner;
    const double glyphSize = depth * 0.22;
    const double textSize = depth * 0.125;
    for (const MarkerPlace& place : places) {
        Group& group = list.NewGroup({
            {QStringLiteral("data-ring"), QString::fromLatin1(band.ring)},
            {QStringLiteral("data-body"), BodyName(place.body)},
            {QStringLiteral("data-longitude"), QString::number(place.trueDeg, 'f', 4)},
        });
        const double edge = band.outward ? band.outer : band.inner;
        const double tickEnd = band.outward ? edge - depth * 0.07 : edge + depth * 0.07;
        const double leaderEnd = band.outward ? edge - depth * 0.15 : edge + depth * 0.15;
        const double u = geo.size / 1000.0;
        const Stroke tick{band.ink, 1.6 * u, Dash::Solid};
        group.shapes.push_back(LineShape(WheelPoint(geo.centre, edge, place.trueDeg),
                                         WheelPoint(geo.centre, tickEnd, place.trueDeg), tick));
        group.shapes.push_back(LineShape(WheelPoint(geo.centre, tickEnd, place.trueDeg),
                                         WheelPoint(geo.centre, leaderEnd, place.shownDeg),
                                         Stroke{kPaletteGrey, 0.8 * u, Dash::Solid}));
        // Glyph, degree, minute and the retrograde mark from the leader inwards; the sign
        // is read off the zodiac ring.
        const double step = band.outward ? -depth : depth;
        const QPointF glyphAt = WheelPoint(geo.centre, edge + step * 0.3, place.shownDeg);
        group.shapes.push_back(
            TextShape(glyphAt, BodyLabel(place.body, glyphs), glyphSize, band.ink));
        const auto [deg, min] = DegreeMinute(place.trueDeg);
        group.shapes.push_back(
            TextShape(WheelPoint(geo.centre, edge + step * 0.62, place.shownDeg),
                      QStringLiteral("%1\u00B0%2'").arg(deg).arg(min, 2, 10, QLatin1Char('0')),
                      textSize, kPaletteInk));
        if (retro != nullptr && retro->at(place.body)) {
            const QString mark =
                glyphs.retro ? QString(QChar(kRetrogradeGlyph)) : QStringLiteral("R");
            group.shapes.push_back(
                TextShape(WheelPoint(geo.centre, edge + step * 0.87, place.shownDeg), mark,
                          textSize, kPaletteVermillion));
        }
    }
}

}  // namespace

std::vector<MarkerPlace> SpreadMarkers(std::vector<MarkerPlace> places, double minGapDeg) {
    const std::size_t n = places.size();
    if (n < 2) {
        for (MarkerPlace& p : places) {
            p.shownDeg = Normalize(p.trueDeg);
        }
        return places;
    }
    const double gap = std::min(minGapDeg, 360.0 / static_cast<double>(n));
    std::ranges::sort(places, {}, [](const MarkerPlace& p) { return Normalize(p.trueDeg); });
    // Cut the circle at its widest empty arc, so that the markers lie on a line.
    std::size_t start = 0;
    double widest = -1.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double from = Normalize(places[(i + n - 1) % n].trueDeg);
        const double to = Normalize(places[i].trueDeg);
        const double arc = Normalize(to - from);
        if (arc > widest) {
            widest = arc;
            start = i;
        }
    }
    std::rotate(places.begin(), places.begin() + static_cast<std::ptrdiff_t>(start), places.end());
    std::vector<double> line(n);
    const double base = Normalize(places[0].trueDeg);
    for (std::size_t i = 0; i < n; ++i) {
        line[i] = base + Normalize(Normalize(places[i].trueDeg) - base);
    }
    // Clusters of markers set `gap` apart, centred on the mean of their true places; clusters
    // that come too close merge until none do.
    struct Cluster {
        std::size_t first;
        std::size_t count;
        double sum;
        [[nodiscard]] double Begin(double g) const {
            return sum / static_cast<double>(count) - g * static_cast<double>(count - 1) / 2.0;
        }
        [[nodiscard]] double End(double g) const {
            return Begin(g) + g * static_cast<double>(count - 1);
        }
    };
    std::vector<Cluster> clusters;
    for (std::size_t i = 0; i < n; ++i) {
        clusters.push_back({i, 1, line[i]});
        while (clusters.size() > 1) {
            Cluster& last = clusters[clusters.size() - 1];
            Cluster& prev = clusters[clusters.size() - 2];
            if (last.Begin(gap) - prev.End(gap) >= gap - 1e-9) {
                break;
            }
            prev.count += last.count;
            prev.sum += last.sum;
            clusters.pop_back();
        }
    }
    for (const Cluster& c : clusters) {
        for (std::size_t k = 0; k < c.count; ++k) {
            places[c.first + k].shownDeg = Normalize(c.Begin(gap) + gap * static_cast<double>(k));
        }
    }
    return places;
}

QPointF WheelPoint(QPointF centre, double radius, double longitudeDeg) {
    const double a = longitudeDeg * std::numbers::pi / 180.0;
    return {centre.x() - radius * std::cos(a), centre.y() + radius * std::sin(a)};
}

AspectFamily FamilyOf(int aspectIndex) {
    switch (aspectIndex) {
        case 2:   // Conjunct
        case 4:   // Square
        case 6:   // Opposite
        case 9:   // S.Square
        case 10:  // Ses.Square
            return AspectFamily::Hard;
        case 3:  // Sextile
        case 5:  // Trine
            return AspectFamily::Soft;
        default:
            return AspectFamily::Minor;
    }
}

WheelGeometry WheelGeometry::ForSize(double size) {
    WheelGeometry geo;
    geo.size = size;
    geo.centre = {size / 2.0, size / 2.0};
    geo.zodiacOuter = size * 0.47;
    geo.zodiacInner = size * 0.41;
    geo.transitInner = size * 0.305;
    geo.natalInner = size * 0.20;
    geo.aspectRadius = geo.natalInner;
    geo.markerGapDeg = 8.0;
    return geo;
}

DisplayList BuildWheel(const WheelInput& input, double size) {
    const WheelGeometry geo = WheelGeometry::ForSize(size);
    DisplayList list;
    list.size = {size, size};
    list.fontFamily = PictureFontFamily();
    const Glyphs glyphs = AvailableGlyphs(list.fontFamily);
    const double u = size / 1000.0;

    // Rings and the sign band.
    Group& rings = list.NewGroup();
    rings.shapes.push_back(
        CircleShape(geo.centre, geo.zodiacOuter, {kPaletteInk, 1.6 * u}, kPaletteSignBand));
    rings.shapes.push_back(
        CircleShape(geo.centre, geo.zodiacInner, {kPaletteInk, 1.2 * u}, Qt::white));
    rings.shapes.push_back(
        CircleShape(geo.centre, geo.transitInner, {kPaletteGrey, 0.8 * u}, kPaletteNatalBand));
    rings.shapes.push_back(
        CircleShape(geo.centre, geo.natalInner, {kPaletteInk, 1.2 * u}, Qt::white));
    for (int sign = 0; sign < 12; ++sign) {
        rings.shapes.push_back(LineShape(WheelPoint(geo.centre, geo.zodiacOuter, sign * 30.0),
                                         WheelPoint(geo.centre, geo.transitInner, sign * 30.0),
                                         {kPaletteInk, 1.0 * u}));
        rings.shapes.push_back(TextShape(
            WheelPoint(geo.centre, (geo.zodiacOuter + geo.zodiacInner) / 2.0, sign * 30.0 + 15.0),
            SignLabel(sign, glyphs), (glyphs.signs ? 30.0 : 18.0) * u,
            kSignElementColors.at(static_cast<std::size_t>(sign % 4)), Anchor::Middle,
            !glyphs.signs));
    }
    for (int deg = 0; deg < 360; ++deg) {
        if (deg % 30 == 0) {
            continue;
        }
        const double length = (deg % 10 == 0 ? 0.022 : deg % 5 == 0 ? 0.014 : 0.008) * size;
        rings.shapes.push_back(LineShape(WheelPoint(geo.centre, geo.zodiacInner, deg),
                                         WheelPoint(geo.centre, geo.zodiacInner + length, deg),
                                         {kPaletteInk, 0.6 * u}));
    }

    // Aspect lines, the weaker first so that the tighter ones lie on top.
    std::vector<WheelAspect> aspects = input.aspects;
    std::ranges::stable_sort(aspects, std::greater<>{}, &WheelAspect::orbDeg);
    for (const WheelAspect& a : aspects) {
        if (a.transit < kFirstBody || a.transit > kLastBody || a.natal < kFirstBody ||
            a.natal > kLastBody) {
            continue;
        }
        const double limit = input.orbLimitDeg > 0.0 ? input.orbLimitDeg : 1.0;
        const double closeness = 1.0 - std::clamp(std::abs(a.orbDeg) / limit, 0.0, 1.0);
        const AspectFamily family = FamilyOf(a.aspectIndex);
        Stroke stroke = FamilyStroke(family);
        stroke.width = (0.8 + 3.2 * closeness) * u;
        Group& group = list.NewGroup({
            {QStringLiteral("data-transit"), BodyName(a.transit)},
            {QStringLiteral("data-aspect"), domain::Latin1(domain::AspectName(a.aspectIndex))},
            {QStringLiteral("data-natal"), BodyName(a.natal)},
        });
        group.shapes.push_back(LineShape(
            WheelPoint(geo.centre, geo.aspectRadius, input.transitDeg.at(a.transit)),
            WheelPoint(geo.centre, geo.aspectRadius, input.natalDeg.at(a.natal)), stroke));
    }

    AddMarkers(list, geo, {"transit", geo.zodiacInner, geo.transitInner, kPaletteBlue, true},
               input.transitDeg, &input.retrograde, kLastBody - 1, glyphs);
    AddMarkers(list, geo, {"natal", geo.transitInner, geo.natalInner, kPaletteInk, true},
               input.natalDeg, nullptr, kLastBody, glyphs);

    // Legend in the top left corner, the key to the lines in the bottom left.
    Group& legend = list.NewGroup();
    double y = 18.0 * u;
    for (const QString& line : input.legend) {
        legend.shapes.push_back(
            TextShape({12.0 * u, y}, line, 15.0 * u, kPaletteInk, Anchor::Start));
        y += 20.0 * u;
    }
    const std::array<std::pair<AspectFamily, const char*>, 3> keys = {{
        {AspectFamily::Hard, "hard"},
        {AspectFamily::Soft, "soft"},
        {AspectFamily::Minor, "minor"},
    }};
    y = size - 62.0 * u;
    for (const auto& [family, caption] : keys) {
        Stroke stroke = FamilyStroke(family);
        stroke.width = 2.4 * u;
        legend.shapes.push_back(LineShape({12.0 * u, y}, {52.0 * u, y}, stroke));
        legend.shapes.push_back(TextShape({60.0 * u, y}, QString::fromLatin1(caption), 14.0 * u,
                                          kPaletteInk, Anchor::Start));
        y += 20.0 * u;
    }
    return list;
}

}  // namespace velmaris::pictures
