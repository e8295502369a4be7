// SPDX-License-Identifier: MIT

#include "platform/StandardFolders.h"

#include <QDir>
#include <QStandardPaths>

// Off Windows the program folder is $XDG_CONFIG_HOME/tunary and the play files live in the user's private
// runtime folder, never in a folder everybody can write to.
StandardFolders::StandardFolders()
    : m_programFolder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/tunary")
{
    QString runtime = runtimeFolder();
    if (runtime.isEmpty())
        runtime = m_programFolder;
    m_playFile = runtime + u"/$TMPM3U$$.m3u";
}

QString StandardFolders::runtimeFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool StandardFolders::ensureProgramFolder() const
{
    return QDir().mkpath(m_programFolder);
}

// Window sizes and places, and lists kept for recovery, are state, not settings: they go to $XDG_STATE_HOME/tunary.
static QString stateFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + u"/.local/state";
    return state + u"/tunary";
}

QString StandardFolders::frameStateFile() const
{
    return stateFolder() + u"/frame.state";
}

// Copies with settings of their own (another XDG_CONFIG_HOME) may share the state folder: each keeps its lists in
// a folder named after its program folder, and never sees another's.
QString StandardFolders::recoveryFolder() const
{
    return stateFolder() + u"/recovery/" + folderKey(m_programFolder);
}
