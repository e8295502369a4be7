// SPDX-License-Identifier: MIT

// The command-line rules: a name never comes out relative by this system's rules (nor as a Qt resource), and
// the list test agrees with the name's ending.
#include <cstdint>
#include <cstdlib>

#include <QDir>

#include "app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArrayList arguments = bytes.split('\0');
    const EightBitText::Path path = CommandLine::fromArguments(arguments, "/start");
    const QString commandLine = path.text;
    if (!commandLine.isEmpty() && (commandLine.startsWith(u':') || QDir::isRelativePath(commandLine)))
        std::abort();
    // The name keeps its bytes: read back, they give the same name.
    if (path.normalized() != path)
        std::abort();
    const bool list = CommandLine::isPlayListName(commandLine);
    const QString lower = commandLine.toLower();
    if (list != (lower.endsWith(QStringLiteral("m3u")) || lower.endsWith(QStringLiteral("m3u8"))))
        std::abort();
    return 0;
}
