// SPDX-License-Identifier: MIT

#include "settings/SettingsFile.h"

#include <array>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/AppContext.h"
#include "core/ErrorMessages.h"
#include "core/WindowHost.h"
#include "platform/EightBitText.h"
#include "platform/Folders.h"
#include "platform/SafeWrite.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kSettingsLines = 11;

using Field = SettingsRecord::Field;

constexpr std::array<Field, kSettingsLines> kFieldsInFileOrder = {&SettingsRecord::playerPath,
                                                                  &SettingsRecord::mp3Folder,
                                                                  &SettingsRecord::m3uFolder,
                                                                  &SettingsRecord::backColour,
                                                                  &SettingsRecord::red,
                                                                  &SettingsRecord::green,
                                                                  &SettingsRecord::blue,
                                                                  &SettingsRecord::listFont,
                                                                  &SettingsRecord::alwaysSort,
                                                                  &SettingsRecord::openAndPlay,
                                                                  &SettingsRecord::openAndPlayFile};

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
        const QByteArray chunk = file.read(64LL * 1024);
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

QByteArray formatSettings(const SettingsValues &values, const SettingsRecord &read)
{
    // A text goes back in Windows-1252 when it is still what was read that way; anything else is UTF-8.
    const auto encode = [&read](const QString &text, Field field) {
        if (read.isWindows1252(field) && text == read.*field)
            return EightBitText::encodeWindows1252(text);
        return EightBitText::encode(text);
    };
    const QByteArray lines[] = {encode(values.playerPath, &SettingsRecord::playerPath),
                                encode(values.mp3Folder, &SettingsRecord::mp3Folder),
                                encode(values.m3uFolder, &SettingsRecord::m3uFolder),
                                QByteArray::number(values.backColour),
                                formatInteger(values.red),
                                formatInteger(values.green),
                                formatInteger(values.blue),
                                encode(values.listFont, &SettingsRecord::listFont),
                                formatBoolean(values.alwaysSort),
                                formatBoolean(values.openAndPlay),
                                encode(values.openAndPlayFile, &SettingsRecord::openAndPlayFile)};
    QByteArray file;
    for (const QByteArray &line : lines)
        file += line + "\r\n"_ba;
    return file;
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
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Field field = kFieldsInFileOrder[size_t(i)];
        bool windows1252 = false;
        record.*field = EightBitText::decode(lines[i], windows1252);
        record.windows1252Fields.removeOne(field);
        if (windows1252)
            record.windows1252Fields.append(field);
    }
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

void loadSettings(AppContext &context)
{
    Folders &folders = context.platform.folders;
    folders.ensureProgramFolder();
    const SettingsRead read = readSettingsFile(folders.settingsFile(), context.settings);

    // Without a background colour there are no settings at all.
    if (context.settings.backColour.isEmpty())
        ErrorMessages::showError(context, ErrorNumber::NoSettingsFile, read.fault);

    const SettingsRecord &settings = context.settings;
    if (settings.openAndPlay == u"True"_s && settings.openAndPlayFile != kNoOpenAndPlayFile) {
        const QString fault = emptyOrMissingFault(QDir(folders.programFolder()).filePath(settings.openAndPlayFile));
        if (!fault.isEmpty())
            ErrorMessages::showError(context, ErrorNumber::OpenAndPlayListMissing, fault);
    }

    context.host().loadFrame();
    if (const std::optional<qint32> colour = parseBackColour(context.settings.backColour))
        context.host().setFrameBackColour(*colour);
}

void saveSettings(AppContext &context, const SettingsValues &values)
{
    Folders &folders = context.platform.folders;
    folders.ensureProgramFolder();
    const QString fault = writeFileAtomically(folders.settingsFile(), formatSettings(values, context.settings));
    if (!fault.isEmpty())
        ErrorMessages::showError(context, ErrorNumber::CannotWrite, fault);
}
