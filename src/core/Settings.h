// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>

/** The eleven user settings, each the exact text of its line in TUNARY.INI. */
struct SettingsRecord
{
    using Field = QString SettingsRecord::*;

    QString playerPath;
    QString mp3Folder;
    QString m3uFolder;
    QString backColour;
    QString red;
    QString green;
    QString blue;
    QString listFont;
    QString alwaysSort;
    QString openAndPlay;
    QString openAndPlayFile;

    /** The fields whose line was not UTF-8 and was read as Windows-1252: their text stands for those bytes. */
    QList<Field> windows1252Fields;
    bool isWindows1252(Field field) const { return windows1252Fields.contains(field); }

    bool operator==(const SettingsRecord &) const = default;
};

/** The settings typed as the settings dialog shows and saves them. */
struct SettingsValues
{
    QString playerPath;
    QString mp3Folder;
    QString m3uFolder;
    /** A stored colour value: red + 256 × green + 65536 × blue, or a negative system colour. */
    qint32 backColour = 0xFFFFFF;
    qint16 red = 0;
    qint16 green = 0;
    qint16 blue = 0;
    QString listFont;
    bool alwaysSort = false;
    bool openAndPlay = false;
    QString openAndPlayFile;
};

/** The dialog's text for "no open-and-play list chosen yet". */
inline const QString kNoOpenAndPlayFile = QStringLiteral("(Enter M3U here)");
