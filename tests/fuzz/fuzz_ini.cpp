// SPDX-License-Identifier: MIT

// The TUNARY.INI reader: any bytes are read into the record without a fault; text fields written and read
// back come out the same.
#include <cstdint>
#include <cstdlib>

#include <QFile>
#include <QTemporaryDir>

#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/TUNARY.INI");
    const auto write = [&path](const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    SettingsRecord record;
    if (!write(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    const SettingsRead read = readSettingsFile(path, record);
    if (read.linesRead < 0 || read.linesRead > 11)
        std::abort();
    parseBackColour(record.backColour);

    SettingsValues values;
    values.playerPath = record.playerPath;
    values.mp3Folder = record.mp3Folder;
    values.listFont = record.listFont;
    values.openAndPlayFile = record.openAndPlayFile;
    SettingsRecord again;
    if (!write(formatSettings(values)))
        return 0;
    readSettingsFile(path, again);
    if (again.playerPath != record.playerPath || again.mp3Folder != record.mp3Folder ||
        again.listFont != record.listFont || again.openAndPlayFile != record.openAndPlayFile)
        std::abort();
    return 0;
}
