#pragma once

#include <QDir>

#include "app/AppContext.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestDoubles.h"
#include "support/TestFiles.h"

/** A fresh program state for one test: every platform service a double, every file in a temporary folder. */
struct TestApp
{
    TestApp();

    /** Writes bytes into a file of the program folder, creating the folder. */
    void writeProgramFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readProgramFile(const QString &name) const;

    Journal journal;
    ScriptedMessageBoxes boxes{&journal};
    RecordingProgramStarter starter;
    TempFolders folders;
    FixedDrives drives;
    MapRegistry registry;
    RecordingWindowHost host{&journal};
    AppContext context;
};
