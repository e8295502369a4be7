// SPDX-License-Identifier: MIT

#include "app/StartUp.h"

#include <utility>

#include <QDir>
#include <QLoggingCategory>

#include "app/CommandLine.h"
#include "core/AppContext.h"
#include "core/ErrorMessages.h"
#include "core/PlayerCommand.h"
#include "core/WindowHost.h"
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
    // Lists handed over meanwhile wait until the start-up list has been read and played.
    startUpSteps(context, [&context] {
        startPlayer(context);
        context.startUpDone = true;
    });
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

void startUpSteps(AppContext &context, std::function<void()> done)
{
    const auto finish = [&done] {
        if (done)
            done();
    };
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
        finish();
        return;
    }
    if (listToOpen.isEmpty() || Player::refuseOwnPlayFile(context, listToOpen)) {
        finish();
        return;
    }

    OpenLists::openListFile(
        context, listToOpen,
        [&context, done = std::move(done)](OpenLists::OpenOutcome outcome, PlayList *list) {
            // A list whose reading the user cancelled is not played, and no failure is
            // reported for it.
            if (outcome != OpenLists::OpenOutcome::Cancelled && !context.noAutoPlay) {
                if (list)
                    Player::play(context, *list, Player::PlayMode::All);
                else
                    // fails as playing an empty list would
                    Player::reportPlayFailure(context, 0, QString());
            }
            if (done)
                done();
        },
        context.noAutoPlay ? OpenLists::OpenFor::Editing : OpenLists::OpenFor::Playing);
}

void openHandedOver(AppContext &context, const QByteArray &list, bool play, std::function<void()> done)
{
    const QString path = EightBitText::Path::fromBytes(list).text;
    if (Player::refuseOwnPlayFile(context, path)) {
        if (done)
            done();
        return;
    }
    OpenLists::openListFile(
        context, path,
        [&context, play, done = std::move(done)](OpenLists::OpenOutcome, PlayList *opened) {
            if (opened && play)
                Player::play(context, *opened, Player::PlayMode::All);
            if (done)
                done();
        },
        play ? OpenLists::OpenFor::Playing : OpenLists::OpenFor::Editing);
}

void startPlayer(AppContext &context)
{
    const QString player = context.settings.playerPath;
    if (player.trimmed().isEmpty() || Player::isThisProgram(player) || !context.options.startsPlayer())
        return;
    const PlayerCommand command = PlayerCommand::parse(player);
    const StartResult started = context.platform.programStarter.start(command.program, command.argumentsWithoutFile());
    if (started.ok())
        context.rememberPlayer(started.pid);
    else
        qCDebug(lcStartUp) << "player not started:" << started.error;
}

} // namespace StartUp
