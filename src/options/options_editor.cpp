#include "options/options_editor.h"

#include "io/atomic_write.h"
#include "io/text_lines.h"
#include "options/options_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace velmaris::domain {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Latin-1 when asked for and every character fits it, else UTF-8.
QByteArray Encode(const QString& text, bool latin1) {
    if (latin1) {
        QStringEncoder encoder(QStringConverter::Latin1);
        bool fits = true;
        for (const QChar c : text) {
            fits = fits && c.unicode() <= 0xFF;
        }
        if (fits) {
            return encoder.encode(text);
        }
    }
    return text.toUtf8();
}

// Takes away what stands in place of the options file when it is neither a file nor a folder:
// a pipe, a device, a link to one of them or a link that leads round in a loop. Writing the
// master copy "into" such a thing would report a restore that never happened. A link to a
// place that does not exist yet is kept: the copy is made where it leads.
void RemoveSpecialEntry(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || S_ISREG(status.st_mode) ||
        S_ISDIR(status.st_mode)) {
        return;
    }
    if (::stat(name.constData(), &status) == 0
            ? !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode)
            : errno == ELOOP) {
        ::unlink(name.constData());
    }
}

}  // namespace

bool OptionsFileExists(const QString& appFolder) {
    QFile file;
    return io::OpenRegularFile(file, io::DataFilePath(appFolder, kOptionsFileName));
}

bool OptionsFileTooLargeToEdit(const QString& appFolder) {
    return QFileInfo(io::DataFilePath(appFolder, kOptionsFileName)).size() >
           kLargestEditedOptionsBytes;
}

std::optional<OptionsText> LoadOptionsText(const QString& appFolder) {
    const std::optional<QByteArray> contents =
        io::ReadDataFile(io::DataFilePath(appFolder, kOptionsFileName), kLargestEditedOptionsBytes)
            .contents;
    if (!contents) {
        return std::nullopt;
    }
    OptionsText result;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString whole = utf8.decode(*contents);
    result.latin1 = utf8.hasError();
    // Lines are cut on the bytes, then decoded one by one the way the whole file decoded.
    io::LineCursor cursor(*contents);
    while (const std::optional<QByteArrayView> line = cursor.Next()) {
        result.text += result.latin1 ? QString::fromLatin1(*line) : QString::fromUtf8(*line);
        result.text += QLatin1Char('\n');
    }
    return result;
}

QByteArray OptionsFileBytes(const QString& editorText, bool latin1) {
    QString text = editorText;
    text.replace(QLatin1Char('\n'), kCrLf);
    if (text.size() >= 2) {
        // Only a real line break is taken off: characters the user typed after the last line
        // break are kept.
        if (text.endsWith(kCrLf)) {
            text.chop(2);
        }
        text += kCrLf;
    }
    return Encode(text, latin1);
}

bool SaveOptionsText(const QString& appFolder, const QString& editorText, bool latin1) {
    return io::WriteFileAtomically(io::DataFilePath(appFolder, kOptionsFileName),
                                   OptionsFileBytes(editorText, latin1))
        .ok;
}

bool RestoreDefaultOptions(const QString& appFolder) {
    const std::optional<QByteArray> master =
        io::ReadDataFile(io::DataFilePath(appFolder, kOptionsMasterFileName),
                         kLargestEditedOptionsBytes)
            .contents;
    if (!master) {
        return false;
    }
    const QString path = io::DataFilePath(appFolder, kOptionsFileName);
    RemoveSpecialEntry(path);
    return io::WriteFileAtomically(path, *master).ok;
}

OptionsFileState EnsureOptionsFile(const QString& appFolder) {
    if (OptionsFileExists(appFolder)) {
        return OptionsFileState::Present;
    }
    return RestoreDefaultOptions(appFolder) ? OptionsFileState::Restored
                                            : OptionsFileState::Missing;
}

}  // namespace velmaris::domain
