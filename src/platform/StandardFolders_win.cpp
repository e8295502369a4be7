#include "platform/StandardFolders.h"

#include <QCoreApplication>
#include <QDir>

// On Windows the program keeps its files beside the executable and plays through the classic fixed file.
StandardFolders::StandardFolders()
    : m_programFolder(QCoreApplication::applicationDirPath())
    , m_playFile(QStringLiteral("C:/$TMPM3U$$.m3u"))
{}

bool StandardFolders::ensureProgramFolder() const
{
    return QDir().mkpath(m_programFolder);
}

QString StandardFolders::frameStateFile() const
{
    return Folders::frameStateFile();
}
