#include "support/TestApp.h"

#include <QFile>

#include "playlist/PlayListCommands.h"

TestApp::TestApp()
    : context({boxes, starter, folders, drives, registry})
{
    context.setHost(&host);
    // Like the real frame, the first load sets up the window table.
    host.onFirstLoad = [this] { PlayListCommands::setUpWindowTable(context); };
    folders.ensureProgramFolder();
}

void TestApp::writeProgramFile(const QString &name, const QByteArray &bytes) const
{
    folders.ensureProgramFolder();
    QFile file(folders.programFolder() + u'/' + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
}

QByteArray TestApp::readProgramFile(const QString &name) const
{
    QFile file(folders.programFolder() + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
