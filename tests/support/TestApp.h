// SPDX-License-Identifier: MIT

#pragma once

#include <memory>

#include "app/HandOffInbox.h"
#include "core/AppContext.h"
#include "playlist/OpenLists.h"
#include "playlist/Player.h"
#include "support/TestDoubles.h"
#include "support/TestFiles.h"

/** A fresh program state for one test: every platform service a double, every file in a temporary folder. */
struct TestApp
{
    static constexpr int kTestQuietReadMs = 10000;

    TestApp()
    {
        context.setHost(&host);
        // The lists of a test open before openListFile returns, however busy the machine; tests of lists read
        // in the background set a quiet time of 0.
        OpenLists::setQuietReadTime(kTestQuietReadMs);
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
    AppContext context{{boxes, starter, folders, drives, registry}};
    // After the context: a list still being read when the test ends tells its end to a context still there.
    RecordingWindowHost host{journal};
};

/** A later start handing a message to the running copy's inbox, as over its socket; true when it was taken. */
inline bool handOver(HandOffInbox &inbox, const QByteArray &message)
{
    InstanceHub hub;
    hub.handler = inbox.messageHandler();
    return InProcessSingleInstance(hub).send(message) == SingleInstance::Delivery::Kept;
}

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

/** Opens a list file; the list when it was read before openListFile returned, as a test's small list is. */
inline PlayList *openRead(AppContext &context, const QString &path)
{
    const auto read = std::make_shared<PlayList *>(nullptr);
    OpenLists::openListFile(context, path, [read](OpenLists::OpenOutcome, PlayList *list) { *read = list; });
    return *read;
}

/** Saves a list small enough to be written before saveList returns: the fault, or "". */
inline QString saveSmallList(AppContext &context, PlayList &list)
{
    QString fault = QStringLiteral("not saved at once");
    OpenLists::saveList(context, list, [&fault](const QString &saveFault, bool) { fault = saveFault; });
    return fault;
}
