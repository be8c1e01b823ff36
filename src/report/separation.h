#pragma once

// What the separation of two ecliptic longitudes forms: the aspect it falls within, and how far
// from exact.

namespace velmaris::domain {

// Aspect indexes as fields of AspectNameTable.
enum AspectIndex : int {
    kNoAspect = 1,
    kConjunct = 2,
    kSextile = 3,
    kSquare = 4,
    kTrine = 5,
    kOpposite = 6,
    kSemiSextile = 8,
    kSemiSquare = 9,
    kSesquiSquare = 10,
    kQuincunx = 11,
};

struct Aspect {
    int index = kNoAspect;
    // Folded separation minus the exact angle, to the nearest tenth (halves upward); negative
    // when short of exact. With no aspect, the folded separation itself.
    double deviation = 0;
};

// The aspect that two longitudes form within the orb.
// Given:   separationDeg  absolute difference of two longitudes, 0 <= separation < 360
//          orbDeg         largest deviation from an exact angle that still counts
// Returns: the aspect and its deviation
// Notes:   the separation is folded to 0..180 and compared in single precision with bounds
//          angle - orb and angle + orb, both inside. Every aspect is tested in a fixed order
//          (60, 90, 120, 180, 30, 45, 135, 150, 0) and where ranges overlap the one tested
//          last wins: that order decides which aspect a wide orb reports.
[[nodiscard]] Aspect FindAspect(double separationDeg, float orbDeg);

}  // namespace velmaris::domain
