#include "transits/transit_search.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

#include "transits/angle_table.h"

namespace velmaris::transits {
namespace {

using ephem::Body;

// Roots are refined until their bracket is this narrow; stations, whose moment is
// ill-conditioned anyway, to a wider one.
constexpr double kRootToleranceDays = 2e-8;
constexpr double kStationToleranceDays = 1e-6;
constexpr double kGoldenRatio = 0.6180339887498949;
// A track is extended at most this many times to complete a window or a series.
constexpr int kMaxExtensions = 8;

// Sample steps in days, slots 1..9 by Body. Each is short enough to put several samples into
// the body's shortest retrograde arc (Mercury about 20 days, Venus 40, Mars 60, Jupiter to
// Pluto 120 and more), so that no pair of stations falls between two samples. The steps divide
// one another, so that bodies share moments.
constexpr double kSampleStepDays[] = {0, 8, 2, 4, 8, 16, 16, 16, 16, 16};

double StepOf(Body body) {
    return kSampleStepDays[static_cast<std::size_t>(body)];
}

// Largest geocentric speed of each body in degrees a day, slots 1..9 by Body: half as much
// again as the largest the theory gives in the years 1 to 9999 (Sun 1.021, Mercury 2.224,
// Venus 1.260, Mars 0.794, Jupiter 0.246, Saturn 0.131, Uranus 0.063, Neptune 0.038, Pluto
// 0.041). With it a few samples show that a slow body stays off a point for decades.
constexpr double kFastestMotionDegPerDay[] = {0,    1.6, 3.4,   1.9,   1.2,
                                              0.37, 0.2, 0.095, 0.057, 0.061};

// The samples reach at most this far beyond the period at first. Beyond it a window is
// followed by extending the samples, and a series is closed by showing that no hit comes
// within half a period.
constexpr double kLargestFirstMarginDays = 400;

// A station bracketed by samples index - 1 .. index + 1, the extreme one at `index`.
struct Station {
    long index = 0;
    bool isMax = false;
    double bound = 0;  // how far the true extreme may lie beyond the extreme sample
    bool refined = false;
    double julianDate = 0;
    double unwrapped = 0;
};

// A point of the piecewise monotonic track: a sample, a refined station, or the extreme sample
// standing for a station that no level comes near.
struct Node {
    double julianDate = 0;
    double unwrapped = 0;
    int station = -1;  // index into the stations when this node is or stands for one
};

// One body's longitude, sampled on a grid of whole multiples of its step and unwrapped, so
// that it runs on continuously through 0/360.
class Track {
  public:
    Track(Body body, const LongitudeFunction& longitude)
        : body_(body), step_(StepOf(body)), longitude_(longitude) {}

    [[nodiscard]] Body body() const { return body_; }
    [[nodiscard]] double step() const { return step_; }
    [[nodiscard]] double Start() const { return Time(0); }
    [[nodiscard]] double End() const { return Time(static_cast<long>(raw_.size()) - 1); }
    [[nodiscard]] double Evaluate(double julianDate) const { return longitude_(body_, julianDate); }

    // Grows the grid to cover [from, to]; returns the moments that still need a sample.
    std::vector<std::pair<double, double*>> Cover(double from, double to) {
        const auto first = static_cast<long>(std::floor(from / step_));
        const auto last = static_cast<long>(std::ceil(to / step_));
        const long oldFirst = raw_.empty() ? first : first0_;
        const long oldLast =
            raw_.empty() ? first - 1 : first0_ + static_cast<long>(raw_.size()) - 1;
        const long newFirst = std::min(first, oldFirst);
        const long newLast = std::max(last, oldLast);
        std::vector<double> raw(static_cast<std::size_t>(newLast - newFirst + 1),
                                std::numeric_limits<double>::quiet_NaN());
        std::copy(raw_.begin(), raw_.end(), raw.begin() + (oldFirst - newFirst));
        raw_ = std::move(raw);
        first0_ = newFirst;
        std::vector<std::pair<double, double*>> missing;
        for (std::size_t i = 0; i < raw_.size(); ++i) {
            if (std::isnan(raw_[i])) {
                missing.emplace_back(Time(static_cast<long>(i)), &raw_[i]);
            }
        }
        return missing;
    }

    // Unwraps the samples and finds the stations; call after every Cover once sampled.
    void Prepare() {
        unwrapped_.resize(raw_.size());
        unwrapped_[0] = raw_[0];
        for (std::size_t i = 1; i < raw_.size(); ++i) {
            unwrapped_[i] = unwrapped_[i - 1] + WrapDelta(raw_[i] - raw_[i - 1]);
        }
        stations_.clear();
        for (std::size_t i = 1; i + 1 < raw_.size(); ++i) {
            const double before = unwrapped_[i] - unwrapped_[i - 1];
            const double after = unwrapped_[i + 1] - unwrapped_[i];
            const bool isMax = before > 0 && after <= 0;
            const bool isMin = before < 0 && after >= 0;
            if (isMax || isMin) {
                // For a parabola the extreme lies at most a quarter of the larger neighbouring
                // difference beyond the extreme sample; twice that difference leaves room for
                // the asymmetry of a real station.
                const double bound = 2 * std::max(std::fabs(before), std::fabs(after));
                stations_.push_back({static_cast<long>(i), isMax, bound});
            }
        }
    }

    // Refines every station whose neighbourhood one of the levels (longitudes in [0, 360),
    // sorted) may reach, and lays out the monotonic pieces.
    void BuildNodes(const std::vector<double>& sortedLevels) {
        for (Station& station : stations_) {
            const double extreme = unwrapped_[static_cast<std::size_t>(station.index)];
            const double lo = station.isMax ? extreme - kEdgeToleranceDeg
                                            : extreme - station.bound - kEdgeToleranceDeg;
            const double hi = station.isMax ? extreme + station.bound + kEdgeToleranceDeg
                                            : extreme + kEdgeToleranceDeg;
            if (!station.refined && AnyLevelIn(sortedLevels, lo, hi)) {
                Refine(station);
            }
        }
        nodes_.clear();
        nodes_.reserve(raw_.size());
        std::size_t next = 0;
        for (std::size_t i = 0; i < raw_.size(); ++i) {
            Node node{Time(static_cast<long>(i)), unwrapped_[i], -1};
            if (next < stations_.size() && stations_[next].index == static_cast<long>(i)) {
                const Station& station = stations_[next];
                node.station = static_cast<int>(next);
                if (station.refined) {
                    node.julianDate = station.julianDate;
                    node.unwrapped = station.unwrapped;
                }
                ++next;
            }
            nodes_.push_back(node);
        }
    }

    [[nodiscard]] const std::vector<Node>& Nodes() const { return nodes_; }

    // The station a node stands for, refined now if it was not yet.
    const Station& StationOf(const Node& node) {
        Station& station = stations_[static_cast<std::size_t>(node.station)];
        if (!station.refined) {
            Refine(station);
        }
        return station;
    }

  private:
    [[nodiscard]] double Time(long i) const { return static_cast<double>(first0_ + i) * step_; }

    static bool AnyLevelIn(const std::vector<double>& levels, double lo, double hi) {
        // [lo, hi] is narrow; reduce its start to one turn and test up to two ranges.
        const double start = lo - 360 * std::floor(lo / 360);
        const double end = start + (hi - lo);
        auto it = std::lower_bound(levels.begin(), levels.end(), start);
        if (it != levels.end() && *it <= end) {
            return true;
        }
        return end >= 360 && !levels.empty() && levels.front() <= end - 360;
    }

    // Golden-section search for the extreme between the neighbouring samples.
    void Refine(Station& station) {
        const auto i = static_cast<std::size_t>(station.index);
        const double sign = station.isMax ? 1 : -1;
        // Measured from the extreme sample's own longitude, so that the moment found does not
        // depend on where the track starts (its unwrapped values differ by whole turns).
        const double rawCentre = raw_[i];
        const double centre = unwrapped_[i];
        auto value = [&](double t) { return sign * WrapDelta(Evaluate(t) - rawCentre); };
        double a = Time(station.index - 1);
        double b = Time(station.index + 1);
        double c = b - kGoldenRatio * (b - a);
        double d = a + kGoldenRatio * (b - a);
        double fc = value(c);
        double fd = value(d);
        while (b - a > kStationToleranceDays) {
            if (fc > fd) {
                b = d;
                d = c;
                fd = fc;
                c = b - kGoldenRatio * (b - a);
                fc = value(c);
            } else {
                a = c;
                c = d;
                fc = fd;
                d = a + kGoldenRatio * (b - a);
                fd = value(d);
            }
        }
        station.julianDate = fc > fd ? c : d;
        double best = std::max(fc, fd);
        if (best < 0) {
            station.julianDate = Time(station.index);
            best = 0;
        }
        station.unwrapped = centre + sign * best;
        station.refined = true;
    }

    Body body_;
    double step_;
    const LongitudeFunction& longitude_;
    long first0_ = 0;
    std::vector<double> raw_;
    std::vector<double> unwrapped_;
    std::vector<Station> stations_;
    std::vector<Node> nodes_;
};

// Evaluates the missing samples of several tracks in time order, so that bodies asked for at
// one moment follow one another.
void Sample(std::vector<std::pair<double, double*>>& missing, std::vector<Body>& bodies,
            const LongitudeFunction& longitude) {
    std::vector<std::size_t> order(missing.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return missing[a].first < missing[b].first;
    });
    for (const std::size_t i : order) {
        *missing[i].second = longitude(bodies[i], missing[i].first);
    }
}

// A moment where delta reaches a level within one monotonic piece: found at once when it is a
// piece's end, otherwise bracketed by the piece and refined on demand.
struct Root {
    double ta = 0;
    double tb = 0;
    double ga = 0;  // delta - level at ta and tb, of opposite signs or zero
    double gb = 0;
    double level = 0;
    bool known = false;
    double julianDate = 0;

    [[nodiscard]] double Lower() const { return known ? julianDate : ta; }
    [[nodiscard]] double Upper() const { return known ? julianDate : tb; }
    [[nodiscard]] double Estimate() const {
        if (known) {
            return julianDate;
        }
        return ta + (tb - ta) * ga / (ga - gb);
    }
};

Root AtNode(double julianDate) {
    Root root;
    root.known = true;
    root.julianDate = julianDate;
    return root;
}

Root InPiece(const Node& a, const Node& b, double xa, double xb, double level) {
    Root root{a.julianDate, b.julianDate, xa - level, xb - level, level};
    if (root.ga == 0) {
        return AtNode(a.julianDate);
    }
    if (root.gb == 0) {
        return AtNode(b.julianDate);
    }
    return root;
}

// Brent's method on delta(t) - level inside the root's bracket.
void Solve(Root& root, const Track& track, double targetDeg) {
    if (root.known) {
        return;
    }
    auto g = [&](double t) { return WrapDelta(track.Evaluate(t) - targetDeg) - root.level; };
    double a = root.ta;
    double b = root.tb;
    double fa = root.ga;
    double fb = root.gb;
    double c = a;
    double fc = fa;
    double d = b - a;
    double e = d;
    for (int iteration = 0; iteration < 200; ++iteration) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = b - a;
            e = d;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = kRootToleranceDays / 2;
        const double m = (c - b) / 2;
        if (std::fabs(m) <= tol || fb == 0) {
            break;
        }
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            double p = 0;
            double q = 0;
            const double s = fb / fa;
            if (a == c) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2 * m * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) {
                q = -q;
            } else {
                p = -p;
            }
            if (2 * p < std::min(3 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = m;
                e = m;
            }
        } else {
            d = m;
            e = m;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (m > 0 ? tol : -tol);
        fb = g(b);
    }
    root.known = true;
    root.julianDate = b;
}

// A window as the pieces give it, before its moments are refined.
struct RawWindow {
    Root enters;
    Root leaves;
    bool openStart = false;  // in orb at the first sample: it entered before the track
    bool openEnd = false;    // in orb at the last sample
    std::vector<Root> hits;
    std::size_t closestNode = 0;
    double closestAbs = std::numeric_limits<double>::infinity();
};

// The windows of one target point along a track.
std::vector<RawWindow> ScanTarget(const Track& track, double targetDeg, double orbDeg) {
    const std::vector<Node>& nodes = track.Nodes();
    const double orb = orbDeg + kEdgeToleranceDeg;
    std::vector<RawWindow> windows;
    bool open = false;
    double xp = WrapDelta(nodes[0].unwrapped - targetDeg);
    for (std::size_t j = 0; j + 1 < nodes.size(); ++j) {
        const double xq = xp + (nodes[j + 1].unwrapped - nodes[j].unwrapped);
        const double x0 = xp;
        // The next piece starts from the wrapped value, so that a track that runs on for
        // turns keeps delta near the target point.
        xp = WrapDelta(nodes[j + 1].unwrapped - targetDeg);
        const double lo = std::min(x0, xq);
        const double hi = std::max(x0, xq);
        if (lo > orb || hi < -orb) {
            continue;
        }
        const bool increasing = xq >= x0;
        const bool startIn = std::fabs(x0) <= orb;
        const bool endIn = std::fabs(xq) <= orb;
        if (!open) {
            RawWindow window;
            if (startIn) {
                window.enters = AtNode(nodes[j].julianDate);
                window.openStart = j == 0;
            } else {
                window.enters = InPiece(nodes[j], nodes[j + 1], x0, xq, increasing ? -orb : orb);
            }
            windows.push_back(std::move(window));
            open = true;
        }
        RawWindow& window = windows.back();
        if (startIn && std::fabs(x0) < window.closestAbs) {
            window.closestAbs = std::fabs(x0);
            window.closestNode = j;
        }
        if ((x0 < 0 && xq >= 0) || (x0 > 0 && xq <= 0)) {
            window.hits.push_back(InPiece(nodes[j], nodes[j + 1], x0, xq, 0));
        }
        if (endIn) {
            if (std::fabs(xq) < window.closestAbs) {
                window.closestAbs = std::fabs(xq);
                window.closestNode = j + 1;
            }
            if (j + 2 == nodes.size()) {
                window.leaves = AtNode(nodes[j + 1].julianDate);
                window.openEnd = true;
            }
        } else {
            window.leaves = InPiece(nodes[j], nodes[j + 1], x0, xq, increasing ? orb : -orb);
            open = false;
        }
    }
    return windows;
}

// How far from `from` towards `to` (either way) the body is shown to stay off the target point
// (delta never 0): from a moment where |delta| = d no crossing can come within
// d / (largest speed) days, so the moments leap ahead where the body is far from the point.
// Returns: `to` when the whole span is clear, otherwise the moment where the body came too
//          near the point to say more, which the samples must then cover.
double ClearOfTarget(const Track& track, double targetDeg, double from, double to) {
    const double speed = kFastestMotionDegPerDay[static_cast<std::size_t>(track.body())];
    const double nearest = speed * track.step();
    const double direction = to >= from ? 1 : -1;
    for (double t = from;;) {
        const double distance = std::fabs(WrapDelta(track.Evaluate(t) - targetDeg));
        if (distance < nearest) {
            return t;
        }
        if (t == to) {
            return to;
        }
        const double next = t + direction * distance / speed;
        t = direction > 0 ? std::min(to, next) : std::max(to, next);
    }
}

struct Target {
    Body natal;
    int aspectIndex;
    double aspectDeg;
    double targetDeg;
};

std::vector<Target> TargetsOf(const ephem::SkyPositions& natal) {
    std::vector<Target> targets;
    for (int n = ephem::kFirstBody; n <= ephem::kLastBody; ++n) {
        const auto body = static_cast<Body>(n);
        for (const TransitAspect& aspect : kTransitAspects) {
            const double point = ephem::At(natal, body);
            for (const double side : {1.0, -1.0}) {
                const double target = point + side * aspect.angleDeg;
                targets.push_back({body, aspect.aspectIndex, aspect.angleDeg,
                                   target - 360 * std::floor(target / 360)});
                if (aspect.angleDeg == 0 || aspect.angleDeg == 180) {
                    break;
                }
            }
        }
    }
    return targets;
}

// Hits of one target point grouped into series: indexes into the flattened hit list.
struct SeriesMember {
    std::size_t window;
    std::size_t hit;
    double estimate;
};

// The windows of one body, its track extended until every window that overlaps the period is
// whole and every series of theirs is counted whole.
void SearchBody(Body body, Track& track, const std::vector<Target>& targets,
                const std::vector<double>& levels, const TransitQuery& query,
                std::vector<TransitWindow>& out) {
    const double halfPeriod = MeanPeriodDays(body) / 2;
    const double step = track.step();
    // Per target: from where on, before the samples, and up to where, after them, the target
    // is known to have no hit.
    std::vector<double> clearFrom(targets.size(), std::numeric_limits<double>::infinity());
    std::vector<double> clearTo(targets.size(), -std::numeric_limits<double>::infinity());
    // Each extension for an open window at least doubles the track, up to half a period.
    const auto growth = [&] { return std::min(halfPeriod, track.End() - track.Start()); };
    for (int extension = 0;; ++extension) {
        track.BuildNodes(levels);
        const bool lastTry = extension == kMaxExtensions;
        double needFrom = track.Start();
        double needTo = track.End();
        std::vector<std::vector<RawWindow>> scanned;
        scanned.reserve(targets.size());
        for (std::size_t k = 0; k < targets.size(); ++k) {
            const Target& target = targets[k];
            std::vector<RawWindow> windows = ScanTarget(track, target.targetDeg, query.orbDeg);
            double firstHit = std::numeric_limits<double>::infinity();
            double lastHit = -std::numeric_limits<double>::infinity();
            for (const RawWindow& w : windows) {
                const bool overlaps = (w.openStart || w.enters.Lower() <= query.toJulianDate) &&
                                      (w.openEnd || w.leaves.Upper() >= query.fromJulianDate);
                if (!overlaps) {
                    continue;
                }
                if (w.openStart) {
                    needFrom = std::min(needFrom, track.Start() - growth());
                }
                if (w.openEnd) {
                    needTo = std::max(needTo, track.End() + growth());
                }
                if (!w.hits.empty()) {
                    firstHit = std::min(firstHit, w.hits.front().Estimate());
                    lastHit = std::max(lastHit, w.hits.back().Estimate());
                }
            }
            // Follow the series of those hits back and forth to a gap of half a period.
            if (std::isfinite(firstHit)) {
                std::vector<double> all;
                for (const RawWindow& w : windows) {
                    for (const Root& hit : w.hits) {
                        all.push_back(hit.Estimate());
                    }
                }
                auto first = std::find(all.begin(), all.end(), firstHit);
                while (first != all.begin() && *first - *(first - 1) < halfPeriod) {
                    --first;
                }
                auto last = std::find(all.begin(), all.end(), lastHit);
                while (last + 1 != all.end() && *(last + 1) - *last < halfPeriod) {
                    ++last;
                }
                const double wantFrom = *first - halfPeriod - 2 * step;
                const double wantTo = *last + halfPeriod + 2 * step;
                if (wantFrom < track.Start() && wantFrom < clearFrom[k]) {
                    // Clear from wantFrom up to where the body comes near; samples from there.
                    const double clearUntil =
                        track.Start() - wantFrom > kLargestFirstMarginDays
                            ? ClearOfTarget(track, target.targetDeg, wantFrom, track.Start())
                            : wantFrom;
                    clearFrom[k] = wantFrom;
                    if (clearUntil < track.Start()) {
                        needFrom = std::min(needFrom, clearUntil - step);
                    }
                }
                if (wantTo > track.End() && wantTo > clearTo[k]) {
                    const double clearBack =
                        wantTo - track.End() > kLargestFirstMarginDays
                            ? ClearOfTarget(track, target.targetDeg, wantTo, track.End())
                            : wantTo;
                    clearTo[k] = wantTo;
                    if (clearBack > track.End()) {
                        needTo = std::max(needTo, clearBack + step);
                    }
                }
            }
            scanned.push_back(std::move(windows));
        }
        if (!lastTry && (needFrom < track.Start() || needTo > track.End())) {
            std::vector<std::pair<double, double*>> missing = track.Cover(needFrom, needTo);
            for (auto& [t, slot] : missing) {
                *slot = track.Evaluate(t);
            }
            track.Prepare();
            continue;
        }

        for (std::size_t k = 0; k < targets.size(); ++k) {
            const Target& target = targets[k];
            std::vector<RawWindow>& windows = scanned[k];
            // Series over every hit of the target point along the track.
            std::vector<SeriesMember> members;
            for (std::size_t w = 0; w < windows.size(); ++w) {
                for (std::size_t h = 0; h < windows[w].hits.size(); ++h) {
                    members.push_back({w, h, windows[w].hits[h].Estimate()});
                }
            }
            std::vector<std::pair<int, int>> passOf(members.size());
            for (std::size_t begin = 0; begin < members.size();) {
                std::size_t end = begin + 1;
                while (end < members.size() &&
                       members[end].estimate - members[end - 1].estimate < halfPeriod) {
                    ++end;
                }
                for (std::size_t i = begin; i < end; ++i) {
                    passOf[i] = {static_cast<int>(i - begin + 1), static_cast<int>(end - begin)};
                }
                begin = end;
            }
            std::size_t member = 0;
            for (RawWindow& w : windows) {
                const std::size_t firstMember = member;
                member += w.hits.size();
                if (!(w.enters.Lower() <= query.toJulianDate &&
                      w.leaves.Upper() >= query.fromJulianDate)) {
                    continue;
                }
                Solve(w.enters, track, target.targetDeg);
                Solve(w.leaves, track, target.targetDeg);
                if (w.enters.julianDate > query.toJulianDate ||
                    w.leaves.julianDate < query.fromJulianDate) {
                    continue;
                }
                TransitWindow result;
                result.transit = body;
                result.natal = target.natal;
                result.aspectIndex = target.aspectIndex;
                result.aspectDeg = target.aspectDeg;
                result.targetDeg = target.targetDeg;
                result.enters = w.enters.julianDate;
                result.leaves = w.leaves.julianDate;
                for (std::size_t h = 0; h < w.hits.size(); ++h) {
                    Solve(w.hits[h], track, target.targetDeg);
                    const auto [pass, passes] = passOf[firstMember + h];
                    result.hits.push_back({w.hits[h].julianDate, pass, passes});
                }
                if (result.hits.empty()) {
                    const Node& node = track.Nodes()[w.closestNode];
                    double when = node.julianDate;
                    double unwrapped = node.unwrapped;
                    if (node.station >= 0) {
                        const Station& station = track.StationOf(node);
                        when = station.julianDate;
                        unwrapped = station.unwrapped;
                    }
                    result.closestJulianDate = when;
                    result.closestDeltaDeg = WrapDelta(unwrapped - target.targetDeg);
                }
                out.push_back(std::move(result));
            }
        }
        return;
    }
}

}  // namespace

double WrapDelta(double deg) {
    // Well inside one turn the formula below gives deg itself; the search asks this of nearly
    // every sample, and std::ceil is a library call on the baseline x86-64.
    if (deg > -179 && deg < 179) {
        return deg;
    }
    return deg - 360 * std::ceil((deg - 180) / 360);
}

std::vector<TransitWindow> FindTransitWindows(const TransitQuery& query,
                                              const LongitudeFunction& longitude) {
    std::vector<TransitWindow> out;
    if (!(query.orbDeg > 0) || query.toJulianDate < query.fromJulianDate) {
        return out;
    }
    const std::vector<Target> targets = TargetsOf(query.natal);
    std::vector<double> levels;
    for (const Target& target : targets) {
        for (const double offset : {-query.orbDeg, 0.0, query.orbDeg}) {
            const double level = target.targetDeg + offset;
            levels.push_back(level - 360 * std::floor(level / 360));
        }
    }
    std::sort(levels.begin(), levels.end());

    // Each track starts half a period and a tenth of one beyond the period, or
    // kLargestFirstMarginDays for the slow bodies: most windows and series are then whole
    // without extending it.
    std::vector<Track> tracks;
    std::vector<std::pair<double, double*>> missing;
    std::vector<Body> bodies;
    std::vector<Body> searched = query.bodies;
    if (searched.empty()) {
        for (int b = ephem::kFirstBody; b <= kLastTransitingBody; ++b) {
            searched.push_back(static_cast<Body>(b));
        }
    }
    tracks.reserve(searched.size());  // the tracks are not moved once made
    for (const Body body : searched) {
        tracks.emplace_back(body, longitude);
        const double margin = std::min(0.6 * MeanPeriodDays(body), kLargestFirstMarginDays);
        auto more = tracks.back().Cover(query.fromJulianDate - margin, query.toJulianDate + margin);
        missing.insert(missing.end(), more.begin(), more.end());
        bodies.insert(bodies.end(), more.size(), body);
    }
    Sample(missing, bodies, longitude);
    for (Track& track : tracks) {
        track.Prepare();
        SearchBody(track.body(), track, targets, levels, query, out);
    }
    std::sort(out.begin(), out.end(), ListedBefore);
    return out;
}

bool ListedBefore(const TransitWindow& a, const TransitWindow& b) {
    if (a.enters != b.enters) {
        return a.enters < b.enters;
    }
    if (a.transit != b.transit) {
        return a.transit < b.transit;
    }
    if (a.aspectIndex != b.aspectIndex) {
        return a.aspectIndex < b.aspectIndex;
    }
    return a.natal < b.natal;
}

MomentDelta DeltaAt(const TransitWindow& window, double julianDate,
                    const LongitudeFunction& longitude) {
    // One minute either side gives the direction of motion.
    constexpr double kHalfSpanDays = 1.0 / 1440;
    MomentDelta moment;
    moment.deltaDeg = WrapDelta(longitude(window.transit, julianDate) - window.targetDeg);
    const double motion = WrapDelta(longitude(window.transit, julianDate + kHalfSpanDays) -
                                    longitude(window.transit, julianDate - kHalfSpanDays));
    moment.applying = moment.deltaDeg * motion < 0;
    return moment;
}

}  // namespace velmaris::transits
