// SPDX-License-Identifier: MIT

#pragma once

#include <sys/resource.h>

#include "playlist/PlayListModel.h"

/** The whole content of a file; empty when it cannot be read. */
QByteArray readFile(const QString &path);
/** Writes a file, making its folder first; a test that cannot write its own files stops. */
void writeFile(const QString &path, const QByteArray &bytes = QByteArray());

/** The titles a list shows, in order. */
QStringList titlesOf(const PlayListModel &model);
inline QString namesOf(const PlayListModel &model)
{
    return titlesOf(model).join(u' ');
}
/** A WAV file of silence as 8-bit mono PCM at 8 kHz: eight samples a millisecond. */
QByteArray silentWav(int milliseconds);
/**
 * Tags a WAV or MP3 file as a tag editor would: an ID3v2 tag, the fields given; a null text is left out. The
 * program itself never writes to a music file.
 */
bool tagFile(const QString &path, const QString &artist, const QString &title);

/** Entries for these paths, as a drop brings them. */
QList<PlayListModel::Entry> entriesOf(const QStringList &paths);

/** While it lives, writes beyond a few bytes fail the way they do on a full disk. */
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes);
    ~FullDisk();

private:
    rlimit m_old{};
};
