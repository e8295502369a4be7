// SPDX-License-Identifier: MIT

#include "core/ProgramOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include "platform/Folders.h"

using namespace Qt::StringLiterals;

namespace {

const QString kMusicFilesKey = u"Finder/MusicFiles"_s;
const QString kStartsPlayerKey = u"Player/StartWithProgram"_s;
// As written in the file, so a person reading it understands it.
const QString kMp3Only = u"Mp3Only"_s;
const QString kAllFormats = u"AllFormats"_s;

} // namespace

ProgramOptions::ProgramOptions(const Folders &folders)
    : m_folders(folders)
{}

QString ProgramOptions::path() const
{
    return m_folders.optionsFile();
}

MusicFiles ProgramOptions::musicFiles() const
{
    return value(kMusicFilesKey) == kAllFormats ? MusicFiles::AllFormats : MusicFiles::Mp3Only;
}

std::optional<QString> ProgramOptions::setMusicFiles(MusicFiles files)
{
    return store(kMusicFilesKey, files == MusicFiles::AllFormats ? kAllFormats : kMp3Only);
}

bool ProgramOptions::startsPlayer() const
{
    return value(kStartsPlayerKey) != u"false"_s;
}

std::optional<QString> ProgramOptions::setStartsPlayer(bool starts)
{
    return store(kStartsPlayerKey, starts ? u"true"_s : u"false"_s);
}

QString ProgramOptions::value(const QString &key) const
{
    const QSettings file(path(), QSettings::IniFormat);
    return file.value(key).toString();
}

// A damaged file is read as far as it goes and written afresh, but the FormatError of that read would hide a
// failed write: a second try then reads the file just written, and its status is the write's own.
std::optional<QString> ProgramOptions::store(const QString &key, const QString &value)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSettings file(path(), QSettings::IniFormat);
        file.setValue(key, value);
        file.sync();
        if (file.status() == QSettings::NoError)
            return std::nullopt;
    }
    return QCoreApplication::translate("ProgramOptions",
                                       "The choice could not be saved: the options file %1 cannot be written.")
        .arg(QDir::toNativeSeparators(path()));
}
