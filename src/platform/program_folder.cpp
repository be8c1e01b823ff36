#include "platform/program_folder.h"

#include <QCoreApplication>

namespace velmaris::platform {

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

}  // namespace velmaris::platform
