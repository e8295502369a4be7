// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

/**
 * The files handed to the player. Each play makes a new one beside the name the folders give for it, with this
 * run's process number and a unique part before the ending, so a player that reads its file late still finds
 * its own list there and not a later one.
 */
namespace PlayFiles {

/** How many of this run's newest play files are always kept. */
inline constexpr int kKept = 8;
/** How long an older one stays for a player that is slow to read it. */
inline constexpr int kGraceSeconds = 60;

/** A play file made, or the system's description of why none was. */
struct Made
{
    QString path;
    QString fault;
};

/**
 * A new play file filled piece by piece, made as make() makes it: complete once finished, and removed when it
 * is not (a fault, or the writer given up).
 */
class Writer
{
public:
    explicit Writer(const QString &namedAfter);
    ~Writer();
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    /** Why the file could not be made or written; empty while all is well. */
    QString fault() const { return m_fault; }
    /** Appends the bytes; false, with a fault, when they could not all be written. */
    bool write(QByteArrayView bytes);
    /** Closes the file, complete; this run's older play files beyond the newest kKept may go. */
    Made finish();

private:
    QString m_namedAfter;
    QFile m_file;
    QString m_fault;
    bool m_finished = false;
};

/**
 * Makes a new play file holding the bytes, its folder too when missing. The file is created exclusively, so
 * never through a link or a file already at its name, and is complete and closed on return. This run's play
 * files beyond the newest kKept go once they are kGraceSeconds old.
 */
Made make(const QString &namedAfter, const QByteArray &bytes);

/** True for a file in the play folder named as play files are, made by this run or another. */
bool isPlayFile(const QString &namedAfter, const QString &path);

/** Removes every play file this run made. */
void removeAll(const QString &namedAfter);

} // namespace PlayFiles
