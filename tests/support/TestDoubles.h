#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include "app/WindowHost.h"
#include "platform/Drives.h"
#include "platform/Folders.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramStarter.h"
#include "platform/Registry.h"
#include "platform/SingleInstance.h"

/** One record of what happened, in order, across several doubles. */
using Journal = QStringList;

/** Answers boxes from a script (OK when the script has run out) and records every box shown. */
class ScriptedMessageBoxes : public MessageBoxes
{
public:
    explicit ScriptedMessageBoxes(Journal *journal = nullptr)
        : m_journal(journal)
    {}

    MessageAnswer show(const MessageBoxRequest &request) override;
    QString BrowseForFolder(const QString &prompt) override
    {
        folderPrompts.append(prompt);
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }

    QList<MessageBoxRequest> shown;
    QList<MessageAnswer> answers;
    /** The folders the chooser answers with, in turn; cancelled when none is left. */
    QStringList folders;
    QStringList folderPrompts;
    /** Runs while a box is open, before it is answered: what may arrive meanwhile. */
    std::function<void(const MessageBoxRequest &)> whileOpen;

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

    StartResult start(const QString &program, const QStringList &arguments) override;

    QList<Call> calls;
    QString failWith;
};

/** The program's folders inside a temporary folder of the test's own. */
class TempFolders : public Folders
{
public:
    TempFolders();

    QString programFolder() const override { return m_programFolder; }
    bool ensureProgramFolder() const override;
    QString playFile() const override { return m_root.path() + QStringLiteral("/run/$TMPM3U$$.m3u"); }

    QString root() const { return m_root.path(); }
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }

private:
    QTemporaryDir m_root;
    QString m_programFolder;
};

class FixedDrives : public Drives
{
public:
    QStringList drives() const override { return list; }

    QStringList list{QStringLiteral("/")};
};

class MapRegistry : public Registry
{
public:
    bool GetKeyValue(const QString &root, const QString &keyName, const QString &valueName,
                     QString &value) const override;

    /** Keyed by root + "\" + key name + "\" + value name. */
    QHash<QString, QString> values;
};

/** Stands for the copies of the program on one desktop, inside one test. */
struct InstanceHub
{
    bool primaryTaken = false;
    int activations = 0;
    std::function<void()> handler;
};

class InProcessSingleInstance : public SingleInstance
{
public:
    explicit InProcessSingleInstance(InstanceHub &hub)
        : m_hub(hub)
    {}

    bool tryBecomePrimary() override;
    void activateRunningCopy() override;
    void setActivationHandler(std::function<void()> handler) override { m_hub.handler = std::move(handler); }

private:
    InstanceHub &m_hub;
    bool m_primary = false;
};

/** Records what the rules ask of the windows. */
class RecordingWindowHost : public WindowHost
{
public:
    explicit RecordingWindowHost(Journal *journal = nullptr)
        : m_journal(journal)
    {}

    void OpenSettings() override { note(QStringLiteral("OpenSettings")); }
    void loadFrame() override;
    void setFrameBackColour(qint32 colour) override;
    void showPlayerPath(const QString &path) override { playerPath = path; }
    PlayList *createPlayListWindow() override;
    void discardPlayListWindow(PlayList *list) override;
    void OpenFileDialog(const QString &mode, int slot) override;
    void OpenFileFinder(int mode) override { note(QStringLiteral("OpenFileFinder %1").arg(mode)); }
    void closeFrame() override { note(QStringLiteral("closeFrame")); }
    void showPlayListHelp() override { note(QStringLiteral("showPlayListHelp")); }
    void showFinderHelp() override { note(QStringLiteral("showFinderHelp")); }
    void showSettingsHelp() override { note(QStringLiteral("showSettingsHelp")); }
    void ShowHelp(int topic) override { note(QStringLiteral("ShowHelp %1").arg(topic)); }
    void showAbout() override { note(QStringLiteral("showAbout")); }
    void setSettingsBox(const QString &box, const QString &text) override
    {
        note(QStringLiteral("setSettingsBox ") + box + u' ' + text);
    }

    /** Every list window made so far that was not discarded; the host owns them. */
    QList<PlayList *> windows() const;

    QStringList calls;
    bool frameLoaded = false;
    /** What loading the frame does besides being recorded (the first time only). */
    std::function<void()> onFirstLoad;
    QList<qint32> colours;
    QString playerPath;

private:
    void note(const QString &call);

    Journal *m_journal;
    QObject m_windows;
};
