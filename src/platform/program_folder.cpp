#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

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
        return {executableFolder, {}};
    }
    const QString installed =
        QDir::cleanPath(executableFolder + QStringLiteral("/../share/velmaris"));
    if (!HoldsData(installed)) {
        return {executableFolder, {}};
    }
    const QString user = QDir::cleanPath(userDataHome + QStringLiteral("/velmaris"));
    if (!QDir().mkpath(user)) {
        return {installed,
                QStringLiteral("The folder %1 cannot be created, so VELMARIS runs from "
                               "%2 and cannot save anything there.")
                    .arg(QDir::toNativeSeparators(user), QDir::toNativeSeparators(installed))};
    }
    const QDir from(installed);
    for (const QString& name : from.entryList(QDir::Files)) {
        const QString target = QDir(user).filePath(name);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
            continue;
        }
        if (!QFile::copy(from.filePath(name), target)) {
            return {installed,
                    QStringLiteral("%1 cannot be copied into the folder %2, so VELMARIS runs "
                                   "from %3 and cannot save anything there.")
                        .arg(name, QDir::toNativeSeparators(user),
                             QDir::toNativeSeparators(installed))};
        }
        // Copies of read-only installed files must be the user's to change.
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    return {user, {}};
}

QString ProgramFolder() {
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome)) {
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    }
    const ProgramFolderChoice choice =
        ChooseProgramFolder(QCoreApplication::applicationDirPath(), dataHome);
    if (!choice.problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", choice.problem.toLocal8Bit().constData());
    }
    return choice.folder;
}

}  // namespace velmaris::platform
