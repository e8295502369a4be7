#pragma once

#include <QString>

/** The eleven user settings, each the exact text of its line in TUNARY.INI. */
struct SettingsRecord
{
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
