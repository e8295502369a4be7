// SPDX-License-Identifier: MIT

#include "app/StartUp.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

#include "app/CommandLine.h"
#include "app/HandOff.h"
#include "core/AppContext.h"
#include "core/WindowHost.h"
#include "help/Mod_Error.h"
#include "platform/Folders.h"
#include "platform/ProgramStarter.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "settings/SettingsFile.h"

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcStartUp, "tunary.startup", QtInfoMsg)

namespace StartUp {

void splashUnloading(AppContext &context, const QString &commandLine)
{
    context.CommandLine = commandLine;
    LoadSettings(context);
    startUpSteps(context);
    startPlayer(context);
}

namespace {

// "True" in any letter case, or a number other than 0.
bool readsAsTrue(const QString &text)
{
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    return isNumber ? number != 0 : text.compare(u"True"_s, Qt::CaseInsensitive) == 0;
}

} // namespace

void startUpSteps(AppContext &context)
{
    context.host().showPlayerPath(context.Settings.WinampPath);

    QString listToOpen;
    if (context.CommandLine.isEmpty()) {
        const SettingsRecord &settings = context.Settings;
        if (readsAsTrue(settings.OpenAndPlay) && !settings.OpenAndPlayFile.isEmpty())
            listToOpen = QDir(context.platform.folders.programFolder()).filePath(settings.OpenAndPlayFile);
    } else if (CommandLine::isPlayListName(context.CommandLine)) {
        listToOpen = context.CommandLine;
    } else {
        Mod_Error::ShowError(context, 10, QString());
        return;
    }
    if (listToOpen.isEmpty() || PlayListCommands::refuseOwnPlayFile(context, listToOpen))
        return;

    QCoreApplication::processEvents();
    const bool opened = PlayListCommands::LoadPlayList(context, listToOpen);
    if (context.NoAutoPlay)
        return;
    if (PlayList *list = opened ? PlayListCommands::playListAt(context, context.LoadingSlot) : nullptr)
        PlayListCommands::playsong(context, *list, 3);
    else
        PlayListCommands::reportPlayFailure(context, 0, QString()); // fails as playing an empty list would
}

void TakeHandOff(AppContext &context)
{
    const QStringList commandLines = HandOff::take(context.platform.folders.handOffFile());
    for (const QString &commandLine : commandLines) {
        QCoreApplication::processEvents();
        if (PlayListCommands::refuseOwnPlayFile(context, commandLine) ||
            !PlayListCommands::LoadPlayList(context, commandLine))
            continue;
        if (PlayList *list = PlayListCommands::playListAt(context, context.LoadingSlot))
            PlayListCommands::playsong(context, *list, 3);
    }
}

void startPlayer(AppContext &context)
{
    const QString player = context.Settings.WinampPath;
    if (player.trimmed().isEmpty() || PlayListCommands::isThisProgram(player))
        return;
    const StartResult started = context.platform.programStarter.start(player, {});
    if (!started.ok())
        qCDebug(lcStartUp) << "player not started:" << started.error;
}

} // namespace StartUp
