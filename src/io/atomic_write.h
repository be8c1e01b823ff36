#pragma once

#include <QByteArray>
#include <QString>

namespace velmaris::io {

struct WriteResult {
    bool ok = false;
    QString error;  // the system's reason, when ok is false
};

// Replaces a file with new contents in one step: the contents go to a temporary file beside it
// that is renamed over the old one only when everything was written, so a failure (a full
// disk, a vanished folder) never leaves a half-written or empty file behind. Every file the
// program writes goes through here.
[[nodiscard]] WriteResult WriteFileAtomically(const QString& path, const QByteArray& contents);

}  // namespace velmaris::io
