#include "support/TestDoubles.h"

#include <QDir>

#include "playlist/PlayList.h"

using namespace Qt::StringLiterals;

MessageAnswer ScriptedMessageBoxes::show(const MessageBoxRequest &request)
{
    shown.append(request);
    if (m_journal)
        m_journal->append(u"box "_s + request.title);
    if (whileOpen)
        whileOpen(request);
    return answers.isEmpty() ? MessageAnswer::Ok : answers.takeFirst();
}

StartResult RecordingProgramStarter::start(const QString &program, const QStringList &arguments)
{
    calls.append({program, arguments});
    return {failWith};
}

TempFolders::TempFolders()
    : m_programFolder(m_root.path() + u"/tunary"_s)
{}

bool TempFolders::ensureProgramFolder() const
{
    return QDir().mkpath(m_programFolder);
}

bool MapRegistry::GetKeyValue(const QString &root, const QString &keyName, const QString &valueName,
                              QString &value) const
{
    const auto found = values.constFind(root + u'\\' + keyName + u'\\' + valueName);
    if (found == values.constEnd())
        return false;
    value = *found;
    return true;
}

bool InProcessSingleInstance::tryBecomePrimary()
{
    if (m_primary)
        return true;
    if (m_hub.primaryTaken)
        return false;
    m_hub.primaryTaken = m_primary = true;
    return true;
}

void InProcessSingleInstance::activateRunningCopy()
{
    ++m_hub.activations;
    if (m_hub.handler)
        m_hub.handler();
}

void RecordingWindowHost::loadFrame()
{
    note(u"loadFrame"_s);
    if (frameLoaded)
        return;
    frameLoaded = true;
    if (onFirstLoad)
        onFirstLoad();
}

void RecordingWindowHost::setFrameBackColour(qint32 colour)
{
    colours.append(colour);
    note(u"setFrameBackColour "_s + QString::number(colour));
}

void RecordingWindowHost::note(const QString &call)
{
    calls.append(call);
    if (m_journal)
        m_journal->append(call);
}

PlayList *RecordingWindowHost::createPlayListWindow()
{
    return new PlayList(&m_windows);
}

void RecordingWindowHost::discardPlayListWindow(PlayList *list)
{
    note(u"discard "_s + list->caption());
    delete list;
}

void RecordingWindowHost::OpenFileDialog(const QString &mode, int slot)
{
    note(u"OpenFileDialog "_s + mode + u' ' + QString::number(slot));
}

QList<PlayList *> RecordingWindowHost::windows() const
{
    return m_windows.findChildren<PlayList *>(Qt::FindDirectChildrenOnly);
}
