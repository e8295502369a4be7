// The TUNARY.INI reader: any bytes read into the record without a fault; the record written and read back
// gives the same text fields.
#include <cstdint>
#include <cstdlib>

#include <QFile>
#include <QTemporaryDir>

#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/TUNARY.INI");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    SettingsRecord record;
    const SettingsRead read = readSettingsFile(path, record);
    if (read.linesRead < 0 || read.linesRead > 11)
        std::abort();
    parseBackColour(record.BackColour);

    // Text fields without line ends survive a write and a read.
    SettingsValues values;
    values.WinampPath = record.WinampPath;
    values.Mp3Path = record.Mp3Path;
    values.ListFont = record.ListFont;
    values.OpenAndPlayFile = record.OpenAndPlayFile;
    const QByteArray written = formatSettings(values);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(written);
    file.close();
    SettingsRecord again;
    readSettingsFile(path, again);
    if (again.WinampPath != record.WinampPath || again.Mp3Path != record.Mp3Path || again.ListFont != record.ListFont ||
        again.OpenAndPlayFile != record.OpenAndPlayFile)
        std::abort();
    return 0;
}
