// The interpretation lookup and paragraph copy. The first line of the input is the key, the
// rest the file's text.
#include "fuzz_support.h"

#include "report/interpretation_file.h"

#include <cstdlib>

using namespace velmaris;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\n');
    const QByteArray key = split < 0 ? input : input.left(split);
    const QByteArray text = split < 0 ? QByteArray() : input.mid(split + 1);
    const std::optional<QStringList> paragraph = domain::FindInterpretation(text, key);
    if (paragraph) {
        for (const QString& line : *paragraph) {
            if (line.isEmpty()) {
                std::abort();  // an empty line ends a paragraph and is never part of it
            }
        }
    }
    return 0;
}
