// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

#include <QString>

#include "core/MusicFiles.h"

class Folders;

/**
 * The program's own settings that TUNARY.INI has no line for, kept in tunary-options.ini beside it (INI form,
 * through QSettings). TUNARY.INI itself is never read or written here. Every read looks at the file as it is
 * now, so copies of the program sharing a program folder see each other's choices.
 */
class ProgramOptions
{
public:
    explicit ProgramOptions(const Folders &folders);

    QString path() const;

    /** The finder's choice of music files: MP3 only until another is stored, or when the stored one is unknown. */
    MusicFiles musicFiles() const;
    /** Stores the choice; what went wrong when the file could not be written, for the user to be told. */
    [[nodiscard]] std::optional<QString> setMusicFiles(MusicFiles files);

    /** Whether the player is started when the program starts: yes until told otherwise. */
    bool startsPlayer() const;
    [[nodiscard]] std::optional<QString> setStartsPlayer(bool starts);

private:
    QString value(const QString &key) const;
    std::optional<QString> store(const QString &key, const QString &value);

    const Folders &m_folders;
};
