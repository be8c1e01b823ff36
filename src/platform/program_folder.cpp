#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

#include <cstddef>

namespace velmaris::platform {
namespace {

// The file every copy of the data holds: the master copy of the options file.
const QString kMarkerFile = QStringLiteral("OPTIONS.MAS");

bool HoldsData(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(kMarkerFile)).isFile();
}

}  // namespace

ProgramFolderChoice ChooseProgramFolder(const QString& executableFolder,
                                        const QString& userDataHome) {
    const QFileInfo executable(executableFolder);
    if (HoldsData(executableFolder) && executable.isWritable()) {
        return {executableFolder, {}, {}};
    }
    const QString installed =
        QDir::cleanPath(executableFolder + QStringLiteral("/../share/velmaris"));
    if (!HoldsData(installed)) {
        return {executableFolder, {}, {}};
    }
    const QString user = QDir::cleanPath(userDataHome + QStringLiteral("/velmaris"));
    if (!QDir().mkpath(user)) {
        return {installed,
                QStringLiteral("The folder %1 cannot be created, so VELMARIS runs from "
                               "%2 and cannot save anything there.")
                    .arg(QDir::toNativeSeparators(user), QDir::toNativeSeparators(installed)),
                installed};
    }
    const QDir from(installed);
    for (const QString& name : from.entryList(QDir::Files)) {
        const QString target = QDir(user).filePath(name);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
            continue;
        }
        if (!QFile::copy(from.filePath(name), target)) {
            return {
                installed,
                QStringLiteral("%1 cannot be copied into the folder %2, so VELMARIS runs "
                               "from %3 and cannot save anything there.")
                    .arg(name, QDir::toNativeSeparators(user), QDir::toNativeSeparators(installed)),
                installed};
        }
        // Copies of read-only installed files must be the user's to change.
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    return {user, {}, installed};
}

std::optional<QString> FolderOfExecutable(const QByteArray& realPath) {
    const QString path = QFile::decodeName(realPath);
    if (realPath.isEmpty() || QFile::encodeName(path) != realPath) {
        return std::nullopt;
    }
    return QFileInfo(path).absolutePath();
}

ProgramFolderChoice ProgramFolder() {
    // The kernel's link to the running executable, resolved to its real path.
    QByteArray realPath(4096, '\0');
    const ssize_t length =
        ::readlink("/proc/self/exe", realPath.data(), static_cast<std::size_t>(realPath.size()));
    realPath.resize(length > 0 && length < realPath.size() ? length : 0);
    const std::optional<QString> executableFolder = FolderOfExecutable(realPath);
    if (!executableFolder) {
        return {{},
                realPath.isEmpty()
                    ? QStringLiteral("VELMARIS cannot find the folder it was started from.")
                    : QStringLiteral("VELMARIS cannot work in the folder %1: its name holds "
                                     "characters that are not UTF-8. Move or rename the folder.")
                          .arg(QString::fromUtf8(realPath.left(realPath.lastIndexOf('/')))),
                {}};
    }
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome)) {
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return ChooseProgramFolder(*executableFolder, dataHome);
}

}  // namespace velmaris::platform
