// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>

#include "core/ProgramOptions.h"
#include "core/Settings.h"
#include "core/WindowTable.h"

class Drives;
class Folders;
class MessageBoxes;
class ProgramStarter;
class Registry;
class WindowHost;

/** The desktop services the program runs on. */
struct Platform
{
    MessageBoxes &messageBoxes;
    ProgramStarter &programStarter;
    Folders &folders;
    Drives &drives;
    Registry &registry;
};

/**
 * The program's whole global state, made once in main() and handed to the windows; tests make a fresh one
 * for every case.
 */
class AppContext
{
public:
    explicit AppContext(const Platform &platform);

    const Platform platform;

    /** The windows; until they exist a host that does nothing stands in. */
    WindowHost &host() const { return *m_host; }
    void setHost(WindowHost *host);

    SettingsRecord settings;
    /** The settings of the program's own file beside TUNARY.INI. */
    ProgramOptions options;
    WindowTable lists;

    /** The list named when the program was started (quotes removed, made absolute). */
    QString commandLine;
    /** The splash logo was clicked: the start-up list is opened but not played. */
    bool noAutoPlay = false;
    /** Error 8 was shown; the next failing play stays silent. */
    bool skipNextPlayError = false;
    /** The player was found handing a play file back; it is said once a run. */
    bool playLoopReported = false;
    /** The players this run started for its plays, newest last: a list one of them hands back is not played. */
    QList<qint64> playerProcesses;
    void rememberPlayer(qint64 pid);
    /** Plays are numbered as they are asked for; one whose file is ready after a later play started is dropped. */
    quint64 playsAsked = 0;
    quint64 lastPlayStarted = 0;
    /** The start-up list has been taken care of: lists handed over by later starts may open from now on. */
    bool startUpDone = false;
    int loadingSlot = 0;
    bool frameClosing = false;
    bool settingsOpen = false;
    bool helpOpen = false;
    bool fileDialogOpen = false;

private:
    WindowHost *m_host;
};
