// SPDX-License-Identifier: MIT

#include "platform/StandardFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

// On Windows the program keeps its files beside the executable; the play files go to the user's own
// temporary folder.
StandardFolders::StandardFolders()
    : m_programFolder(QCoreApplication::applicationDirPath())
    , m_playFile(QDir::tempPath() + QStringLiteral("/$TMPM3U$$.m3u"))
{}

QString StandardFolders::runtimeFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool StandardFolders::ensureProgramFolder() const
{
    return QDir().mkpath(m_programFolder);
}

QString StandardFolders::recoveryFolder() const
{
    return Folders::recoveryFolder();
}

QString StandardFolders::frameStateFile() const
{
    return Folders::frameStateFile();
}
