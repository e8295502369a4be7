// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

/**
 * The player setting read as a command line: the program, then its arguments, where "%f" stands for the play
 * file. It is split as a shell reads words (blanks between them, '...' and "..." quoting, a backslash taking the
 * next character as it is) but never run through a shell. A setting that names an existing file as a whole, blanks
 * and all, is that program alone, as settings written before commands were read.
 */
struct PlayerCommand
{
    QString program;
    QStringList arguments;

    static PlayerCommand parse(const QString &setting);

    /** The arguments for playing the file: "%f" replaced by it ("%%" is "%"); where none has "%f", it goes last. */
    QStringList argumentsFor(const QString &playFile) const;
    /** The arguments for starting the player without a file: those that name none. */
    QStringList argumentsWithoutFile() const;

    /**
     * The command for a player found on PATH by its program's name: its window shown, and a running copy given
     * the new list in place of its own where the player can do that; the program alone for players it does not
     * know. The program's path is quoted where it needs to be.
     */
    static QString presetFor(const QString &programPath);
    /** A word as the setting writes it: quoted where blanks, quotes or backslashes would split or change it. */
    static QString quoted(const QString &word);
};
