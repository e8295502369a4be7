// SPDX-License-Identifier: MIT

#pragma once

#include "core/AppContext.h"
#include "playlist/OpenLists.h"
#include "playlist/Player.h"
#include "support/TestDoubles.h"
#include "support/TestFiles.h"

/** A fresh program state for one test: every platform service a double, every file in a temporary folder. */
struct TestApp
{
    TestApp()
    {
        context.setHost(&host);
        // Like the real frame, the first load sets up the window table.
        host.onFirstLoad = [this] { OpenLists::setUpWindowTable(context); };
        folders.ensureProgramFolder();
    }

    /** Writes bytes into a file of the program folder, creating the folder. */
    void writeProgramFile(const QString &name, const QByteArray &bytes) const
    {
        writeFile(folders.programFolder() + u'/' + name, bytes);
    }
    QByteArray readProgramFile(const QString &name) const { return readFile(folders.programFolder() + u'/' + name); }

    Journal journal;
    ScriptedMessageBoxes boxes{&journal};
    RecordingProgramStarter starter;
    TempFolders folders;
    FixedDrives drives;
    NoRegistry registry;
    RecordingWindowHost host{journal};
    AppContext context{{boxes, starter, folders, drives, registry}};
};

/** The captions of the lists open, from slot 2 on. */
inline QStringList openLists(const AppContext &context)
{
    QStringList captions;
    for (int slot = 2; slot <= context.lists.size(); ++slot) {
        if (PlayList *list = OpenLists::playListAt(context, slot))
            captions.append(list->caption());
    }
    return captions;
}
