#pragma once

#include <QDateTime>

namespace velmaris::platform {

// The present date and time as the user's computer keeps it (local time).
class Clock {
  public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual QDateTime Now() const = 0;
};

// Reads the computer's clock.
class SystemClock final : public Clock {
  public:
    [[nodiscard]] QDateTime Now() const override;
};

}  // namespace velmaris::platform
