#pragma once

#include "support/fakes.h"

#include <QDir>
#include <QFile>

namespace velmaris::testing {

// Copies the supplied data files into the folder; files it already holds are kept.
inline void CopyDataFiles(const DataFolder& folder) {
    const QDir data(QStringLiteral(VELMARIS_DATA_DIR));
    for (const QString& name : data.entryList(QDir::Files)) {
        QFile::copy(data.filePath(name), folder.FilePath(name));
    }
}

}  // namespace velmaris::testing
