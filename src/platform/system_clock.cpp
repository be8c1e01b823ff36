#include "platform/clock.h"

namespace velmaris::platform {

QDateTime SystemClock::Now() const {
    return QDateTime::currentDateTime();
}

}  // namespace velmaris::platform
