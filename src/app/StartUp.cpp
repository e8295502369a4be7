// SPDX-License-Identifier: MIT

#include "app/StartUp.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

#include "app/CommandLine.h"
#include "core/AppContext.h"
#include "core/WindowHost.h"
#include "help/ErrorMessages.h"
#include "platform/EightBitText.h"
#include "platform/Folders.h"
#include "platform/ProgramStarter.h"
#include "playlist/OpenLists.h"
#include "playlist/PlayList.h"
#include "playlist/Player.h"
#include "playlist/Recovery.h"
#include "settings/SettingsFile.h"

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcStartUp, "tunary.startup", QtInfoMsg)

namespace StartUp {

void splashUnloading(AppContext &context, const QString &commandLine)
{
    context.commandLine = commandLine;
    loadSettings(context);
    startUpSteps(context);
    startPlayer(context);
    context.startUpDone = true;
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
    context.host().showPlayerPath(context.settings.playerPath);
    // Lists an earlier run left unsaved come back before anything else opens or plays.
    Recovery::offerLeftOver(context);

    QString listToOpen;
    if (context.commandLine.isEmpty()) {
        const SettingsRecord &settings = context.settings;
        if (readsAsTrue(settings.openAndPlay) && !settings.openAndPlayFile.isEmpty())
            listToOpen = QDir(context.platform.folders.programFolder()).filePath(settings.openAndPlayFile);
    } else if (CommandLine::isPlayListName(context.commandLine)) {
        listToOpen = context.commandLine;
    } else {
        ErrorMessages::showError(context, ErrorNumber::NotAListFile, QString());
        return;
    }
    if (listToOpen.isEmpty() || Player::refuseOwnPlayFile(context, listToOpen))
        return;

    QCoreApplication::processEvents();
    // A list whose reading the user cancelled is not played, and no failure is reported for it.
    bool cancelled = false;
    const bool opened = OpenLists::openListFile(context, listToOpen, &cancelled);
    if (context.noAutoPlay || cancelled)
        return;
    if (PlayList *list = opened ? OpenLists::playListAt(context, context.loadingSlot) : nullptr)
        Player::play(context, *list, Player::PlayMode::All);
    else
        Player::reportPlayFailure(context, 0, QString()); // fails as playing an empty list would
}

void openHandedOver(AppContext &context, const QByteArray &list, bool play)
{
    const QString path = EightBitText::Path::fromBytes(list).text;
    if (Player::refuseOwnPlayFile(context, path) || !OpenLists::openListFile(context, path))
        return;
    if (!play)
        return;
    if (PlayList *opened = OpenLists::playListAt(context, context.loadingSlot))
        Player::play(context, *opened, Player::PlayMode::All);
}

void startPlayer(AppContext &context)
{
    const QString player = context.settings.playerPath;
    if (player.trimmed().isEmpty() || Player::isThisProgram(player))
        return;
    const StartResult started = context.platform.programStarter.start(player, {});
    if (started.ok())
        context.rememberPlayer(started.pid);
    else
        qCDebug(lcStartUp) << "player not started:" << started.error;
}

} // namespace StartUp
