#include "app/start_up.h"

namespace velmaris::app {

QString StartUpFailedText(const QString& what) {
    return QStringLiteral("VELMARIS could not finish starting: %1. It goes on with what it has.")
        .arg(what);
}

}  // namespace velmaris::app
