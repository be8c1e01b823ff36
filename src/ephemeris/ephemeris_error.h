#pragma once

#include <stdexcept>
#include <string>

namespace velmaris::ephem {

// Raised when a date lies so far outside the theory's range that a position is not a finite
// number, or an orbit stops being an ellipse.
class EphemerisError : public std::runtime_error {
  public:
    explicit EphemerisError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace velmaris::ephem
