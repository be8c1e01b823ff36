#pragma once

// Shared pieces of the fuzz harnesses: a scratch program folder that lives for the whole run,
// and quiet stand-ins for the desktop services.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

#include "support/fakes.h"

namespace velmaris::fuzz {

// The program folder of a harness: a fresh temporary folder, or one seeded with the program's
// own data files.
inline QTemporaryDir& ScratchFolder() {
    static QTemporaryDir folder;
    return folder;
}

inline QString ScratchPath(const QString& name) {
    return QDir(ScratchFolder().path()).filePath(name);
}

inline void WriteScratch(const QString& name, const uint8_t* data, size_t size) {
    QFile file(ScratchPath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
}

inline void WriteScratch(const QString& name, const QByteArray& bytes) {
    WriteScratch(name, reinterpret_cast<const uint8_t*>(bytes.constData()),
                 static_cast<size_t>(bytes.size()));
}

// Copies the interpretation files beside the program into the scratch folder once.
inline void SeedInterpretationFiles() {
    static const bool seeded = [] {
        const QDir data(QStringLiteral(VELMARIS_DATA_DIR));
        for (const QString& name : data.entryList({QStringLiteral("*.TXT")}, QDir::Files)) {
            QFile::copy(data.filePath(name), ScratchPath(name));
        }
        return true;
    }();
    (void)seeded;
}

}  // namespace velmaris::fuzz
