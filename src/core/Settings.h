// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>

/** The eleven user settings, each the exact text of its line in TUNARY.INI. */
struct SettingsRecord
{
    using Field = QString SettingsRecord::*;

    QString WinampPath;
    QString Mp3Path;
    QString M3UPath;
    QString BackColour;
    QString ColourRed;
    QString ColourGreen;
    QString ColourBlue;
    QString ListFont;
    QString AlwaysSort;
    QString OpenAndPlay;
    QString OpenAndPlayFile;

    /** The fields whose line was not UTF-8 and was read as Windows-1252: their text stands for those bytes. */
    QList<Field> windows1252Fields;
    bool isWindows1252(Field field) const { return windows1252Fields.contains(field); }

    bool operator==(const SettingsRecord &) const = default;
};

/** The values the settings dialog saves, typed as they are written. */
struct SettingsValues
{
    QString WinampPath;
    QString Mp3Path;
    QString M3UPath;
    QString BackColour;
    qint16 ColourRed = 0;
    qint16 ColourGreen = 0;
    qint16 ColourBlue = 0;
    QString ListFont;
    bool AlwaysSort = false;
    bool OpenAndPlay = false;
    QString OpenAndPlayFile;
};

/** The dialog's text for "no open-and-play list chosen yet". */
inline const QString kNoOpenAndPlayFile = QStringLiteral("(Enter M3U here)");
