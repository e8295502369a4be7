// SPDX-License-Identifier: MIT

#pragma once

#include <utility>

#include <QDir>
#include <QTemporaryDir>

#include "core/WindowHost.h"
#include "platform/Drives.h"
#include "platform/Folders.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramStarter.h"
#include "platform/Registry.h"
#include "platform/SingleInstance.h"
#include "playlist/PlayList.h"

/** What happened, in order, across the doubles: "box " and a box's title, or a call asked of the windows. */
using Journal = QStringList;

/** Answers boxes from a script (OK when the script has run out) and records every box shown. */
class ScriptedMessageBoxes : public MessageBoxes
{
public:
    explicit ScriptedMessageBoxes(Journal *journal = nullptr)
        : m_journal(journal)
    {}

    MessageAnswer show(const MessageBoxRequest &request) override
    {
        shown.append(request);
        if (m_journal)
            m_journal->append(QStringLiteral("box ") + request.title);
        if (whileOpen)
            whileOpen(request);
        return answers.isEmpty() ? MessageAnswer::Ok : answers.takeFirst();
    }
    QString browseForFolder(const QString &) override { return {}; }
    QString browseForFolderAt(const QString &, const QString &start) override
    {
        folderStarts.append(start);
        return {};
    }

    QList<MessageBoxRequest> shown;
    QList<MessageAnswer> answers;
    /** Runs while a box is open, before it is answered: what may arrive meanwhile. */
    std::function<void(const MessageBoxRequest &)> whileOpen;
    /** Where each folder chooser was asked to start. */
    QStringList folderStarts;

private:
    Journal *m_journal;
};

/** Records every program started; fails when told to. */
class RecordingProgramStarter : public ProgramStarter
{
public:
    struct Call
    {
        QString program;
        QStringList arguments;
    };

    StartResult start(const QString &program, const QStringList &arguments) override
    {
        calls.append({program, arguments});
        return {failWith};
    }

    QList<Call> calls;
    QString failWith;
};

/** The program's folders inside a temporary folder of the test's own. */
class TempFolders : public Folders
{
public:
    QString programFolder() const override { return m_programFolder; }
    bool ensureProgramFolder() const override { return QDir().mkpath(m_programFolder); }
    QString playFile() const override { return root() + QStringLiteral("/run/$TMPM3U$$.m3u"); }

    QString root() const { return m_root.path(); }
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }

private:
    QTemporaryDir m_root;
    QString m_programFolder = m_root.path() + QStringLiteral("/tunary");
};

class FixedDrives : public Drives
{
public:
    QStringList drives() const override { return {QStringLiteral("/")}; }
};

class NoRegistry : public Registry
{
public:
    bool keyValue(const QString &, const QString &, const QString &, QString &) const override { return false; }
};

/**
 * The copies of the program on one desktop, inside one test: the first to ask becomes the running one, and
 * hears the others' messages, unless it is set not to answer.
 */
struct InstanceHub
{
    bool primaryTaken = false;
    bool answers = true;
    SingleInstance::MessageHandler handler;
};

class InProcessSingleInstance : public SingleInstance
{
public:
    explicit InProcessSingleInstance(InstanceHub &hub)
        : m_hub(hub)
    {}

    bool tryBecomePrimary() override { return m_primary = m_primary || !std::exchange(m_hub.primaryTaken, true); }
    Delivery send(const QByteArray &message) override
    {
        if (!m_hub.answers || !m_hub.handler.accepts)
            return Delivery::NoAnswer;
        if (!m_hub.handler.accepts(message))
            return Delivery::Refused;
        m_hub.handler.take(message);
        return Delivery::Kept;
    }
    void setMessageHandler(MessageHandler handler) override { m_hub.handler = std::move(handler); }

private:
    InstanceHub &m_hub;
    bool m_primary = false;
};

/** Records in the journal what the rules ask of the windows; its list windows are plain lists it owns. */
class RecordingWindowHost : public WindowHost
{
public:
    explicit RecordingWindowHost(Journal &journal)
        : m_journal(journal)
    {}

    void openSettings() override { m_journal.append(QStringLiteral("OpenSettings")); }
    void loadFrame() override
    {
        m_journal.append(QStringLiteral("loadFrame"));
        if (!std::exchange(frameLoaded, true) && onFirstLoad)
            onFirstLoad();
    }
    void setFrameBackColour(qint32 colour) override { colours.append(colour); }
    void showPlayerPath(const QString &path) override { playerPath = path; }
    PlayList *createPlayListWindow() override
    {
        auto *list = new PlayList(&m_windows);
        if (onPlayListCreated)
            onPlayListCreated(*list);
        return list;
    }
    void discardPlayListWindow(PlayList *list) override { delete list; }
    void openFileDialog(FileDialogPurpose purpose, int slot, PathChosen whenChosen) override
    {
        m_journal.append(QStringLiteral("OpenFileDialog %1 %2").arg(int(purpose)).arg(slot));
        pathChosen = std::move(whenChosen);
    }
    void openFinder(FinderMode mode) override { m_journal.append(QStringLiteral("OpenFileFinder %1").arg(int(mode))); }
    void closeFrame() override { m_journal.append(QStringLiteral("closeFrame")); }
    void showPlayListHelp() override {}
    void showFinderHelp() override {}
    void showSettingsHelp() override {}
    void showHelp(int topic) override { m_journal.append(QStringLiteral("ShowHelp %1").arg(topic)); }
    void showAbout() override {}
    /** Where the last file dialog opened hands its pick. */
    PathChosen pathChosen;

    bool frameLoaded = false;
    /** What loading the frame does besides being recorded (the first time only). */
    std::function<void()> onFirstLoad;
    std::function<void(PlayList &)> onPlayListCreated;
    QList<qint32> colours;
    QString playerPath;

private:
    Journal &m_journal;
    QObject m_windows;
};
