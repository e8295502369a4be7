#include "settings/SettingsFile.h"

#include <array>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/AppContext.h"
#include "app/StartUp.h"
#include "app/WindowHost.h"
#include "help/Mod_Error.h"
#include "platform/EightBitText.h"
#include "platform/Folders.h"
#include "platform/SafeWrite.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kSettingsLines = 11;

std::array<QString *, kSettingsLines> fieldsInFileOrder(SettingsRecord &record)
{
    return {&record.WinampPath, &record.Mp3Path,     &record.M3UPath,        &record.BackColour,
            &record.ColourRed,  &record.ColourGreen, &record.ColourBlue,     &record.ListFont,
            &record.AlwaysSort, &record.OpenAndPlay, &record.OpenAndPlayFile};
}

// A number as the file holds it: a blank (or the minus sign) in front and a blank behind.
QByteArray formatInteger(qint16 value)
{
    return (value < 0 ? QByteArray::number(value) : ' ' + QByteArray::number(value)) + ' ';
}

QByteArray formatBoolean(bool value)
{
    return value ? "True"_ba : "False"_ba;
}

// Reads up to `wanted` lines without reading further into the file than needed. A line ends at CR LF, a
// lone CR or a lone LF; a last line without an end counts.
QList<QByteArray> readFirstLines(QFile &file, int wanted, QString &fault)
{
    QList<QByteArray> lines;
    QByteArray pending;
    bool skipLf = false;
    while (lines.size() < wanted) {
        const QByteArray chunk = file.read(64 * 1024);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                fault = file.errorString();
            if (!pending.isEmpty())
                lines.append(pending);
            break;
        }
        qsizetype start = 0;
        if (skipLf && chunk.startsWith('\n'))
            start = 1;
        skipLf = false;
        for (qsizetype i = start; i < chunk.size() && lines.size() < wanted; ++i) {
            const char c = chunk[i];
            if (c != '\r' && c != '\n')
                continue;
            lines.append(pending + chunk.mid(start, i - start));
            pending.clear();
            if (c == '\r') {
                if (i + 1 < chunk.size()) {
                    if (chunk[i + 1] == '\n')
                        ++i;
                } else {
                    skipLf = true;
                }
            }
            start = i + 1;
        }
        if (lines.size() < wanted)
            pending += chunk.mid(start);
    }
    return lines;
}

// Why a list to open is no use: missing, unreadable as a file, or empty. Empty when it is fine.
QString emptyOrMissingFault(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("Settings", "The file does not exist.");
    if (!info.isFile())
        return QCoreApplication::translate("Settings", "This is not a file.");
    if (info.size() == 0)
        return QCoreApplication::translate("Settings", "The file is empty.");
    return {};
}

} // namespace

QByteArray formatSettings(const SettingsValues &values)
{
    const QByteArray crlf = "\r\n"_ba;
    using EightBitText::encode;
    return encode(values.WinampPath) + crlf + encode(values.Mp3Path) + crlf + encode(values.M3UPath) + crlf +
           encode(values.BackColour) + crlf + formatInteger(values.ColourRed) + crlf +
           formatInteger(values.ColourGreen) + crlf + formatInteger(values.ColourBlue) + crlf +
           encode(values.ListFont) + crlf + formatBoolean(values.AlwaysSort) + crlf +
           formatBoolean(values.OpenAndPlay) + crlf + encode(values.OpenAndPlayFile) + crlf;
}

SettingsRead readSettingsFile(const QString &path, SettingsRecord &record)
{
    SettingsRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.fault = file.errorString();
        return result;
    }
    const QList<QByteArray> lines = readFirstLines(file, kSettingsLines, result.fault);
    const auto fields = fieldsInFileOrder(record);
    for (qsizetype i = 0; i < lines.size(); ++i)
        *fields[i] = EightBitText::decode(lines[i]);
    result.linesRead = int(lines.size());
    if (result.linesRead < kSettingsLines && result.fault.isEmpty()) {
        result.fault = QCoreApplication::translate("Settings", "The settings file ends after %n line(s).", nullptr,
                                                   result.linesRead);
    }
    return result;
}

std::optional<qint32> parseBackColour(const QString &text)
{
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

void LoadSettings(AppContext &context, const QString &mode)
{
    Folders &folders = context.platform.folders;
    folders.ensureProgramFolder();
    const SettingsRead read = readSettingsFile(folders.settingsFile(), context.Settings);

    // Without a background colour there are no settings at all.
    if (context.Settings.BackColour.isEmpty())
        Mod_Error::ShowError(context, 1, read.fault);

    const SettingsRecord &settings = context.Settings;
    if (settings.OpenAndPlay == u"True"_s && settings.OpenAndPlayFile != kNoOpenAndPlayFile) {
        const QString fault = emptyOrMissingFault(QDir(folders.programFolder()).filePath(settings.OpenAndPlayFile));
        if (!fault.isEmpty())
            Mod_Error::ShowError(context, 8, fault);
    }

    context.host().loadFrame();
    if (const std::optional<qint32> colour = parseBackColour(context.Settings.BackColour))
        context.host().setFrameBackColour(*colour);

    if (mode == u"yes"_s)
        StartUp::startUpSteps(context);
}

void SaveSettings(AppContext &context, const SettingsValues &values)
{
    Folders &folders = context.platform.folders;
    folders.ensureProgramFolder();
    const QString fault = writeFileAtomically(folders.settingsFile(), formatSettings(values));
    if (!fault.isEmpty())
        Mod_Error::ShowError(context, 6, fault);
}
