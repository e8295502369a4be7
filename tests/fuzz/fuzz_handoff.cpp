// The hand-off reader: whatever the file holds, every line that is not empty comes out once, in order, and
// the file is gone afterwards; a command line handed off comes back unchanged.
#include <cstdint>
#include <cstdlib>

#include <QFile>
#include <QTemporaryDir>

#include "app/HandOff.h"
#include "platform/EightBitText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/_tunary.$$$");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    const QStringList taken = HandOff::take(path);
    const QList<QByteArray> lines = EightBitText::splitLines(bytes);
    if (taken.size() != lines.size() - lines.count(QByteArray()) || QFile::exists(path))
        std::abort();

    // A command line without line ends is handed over unchanged.
    for (const QString &commandLine : taken) {
        if (!HandOff::append(path, commandLine).isEmpty())
            std::abort();
        const QStringList back = HandOff::take(path);
        if (back.size() != 1 || back.first() != commandLine)
            std::abort();
    }
    return 0;
}
