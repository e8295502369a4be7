// SPDX-License-Identifier: MIT

#include "playlist/Player.h"

#include <utility>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/AppContext.h"
#include "core/ErrorMessages.h"
#include "core/PauseWatch.h"
#include "core/PlayerCommand.h"
#include "platform/Folders.h"
#include "platform/MessageBoxes.h"
#include "platform/PlayFiles.h"
#include "platform/ProgramStarter.h"
#include "playlist/M3UFile.h"
#include "playlist/PlayList.h"

using namespace Qt::StringLiterals;

namespace Player {

void reportPlayFailure(AppContext &context, int count, const QString &fault)
{
    if (context.skipNextPlayError) {
        context.skipNextPlayError = false;
        return;
    }
    ErrorMessages::showError(context, count == 0 ? ErrorNumber::NoMp3InList : ErrorNumber::PlayerMissing, fault);
}

void play(AppContext &context, PlayList &list, PlayMode mode)
{
    const PauseWatch::Step step("writing a play file");
    if (list.isLoading())
        return;
    const PlayListModel &model = list.model();
    const int count = model.count();
    if (count == 0) {
        reportPlayFailure(context, count, QString());
        return;
    }
    if (mode == PlayMode::Current && model.currentIndex() < 0)
        return;

    // The entries to play, as references into the list's texts: playing them all shares the list's own.
    QList<EntryTexts::Ref> toPlay;
    switch (mode) {
    case PlayMode::Current:
        toPlay.append(model.refs().at(model.currentIndex()));
        break;
    case PlayMode::Selected:
        for (const int row : model.selectedRows())
            toPlay.append(model.refs().at(row));
        break;
    case PlayMode::All:
        toPlay = model.refs();
        break;
    }

    if (isThisProgram(list.playerPath)) {
        reportPlayFailure(context, count,
                          QCoreApplication::translate("PlayList", "The player is TUNARY itself: choose another one "
                                                                  "in Settings > Configuration."));
        return;
    }
    // Each play has a file of its own: a player that reads its file late still gets this play's list.
    const PlayFiles::Made playFile = PlayFiles::make(
        context.platform.folders.playFile(),
        M3UFile::format(model.texts(), toPlay, ListEncoding::EightBit, {model.head(), {}, list.folder()}));
    QString fault = playFile.fault;
    if (fault.isEmpty()) {
        const QString argument = QDir::toNativeSeparators(playFile.path);
        const PlayerCommand command = PlayerCommand::parse(list.playerPath);
        const StartResult started =
            context.platform.programStarter.start(command.program, command.argumentsFor(argument));
        fault = started.error;
        if (fault.isEmpty()) {
            context.rememberPlayer(started.pid);
            return;
        }
        QFile::remove(playFile.path); // no player will read it
    }
    reportPlayFailure(context, count, fault);
}

bool isThisProgram(const QString &player)
{
    QString path = PlayerCommand::parse(player).program;
    if (path.isEmpty())
        return false;
    if (!QFileInfo(path).isAbsolute())
        path = QStandardPaths::findExecutable(path);
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    return !path.isEmpty() && QFileInfo(path).canonicalFilePath() == self;
}

bool refuseOwnPlayFile(AppContext &context, const QString &path)
{
    if (!PlayFiles::isPlayFile(context.platform.folders.playFile(), path))
        return false;
    if (!std::exchange(context.playLoopReported, true)) {
        const QString text =
            QCoreApplication::translate("PlayList", "TUNARY was handed back one of its own play files:\r%1\r\r"
                                                    "The player in Settings > Configuration (%2) seems to give its "
                                                    "lists back to TUNARY, so they are not played again. Please "
                                                    "choose another player.")
                .arg(path, context.settings.playerPath);
        context.platform.messageBoxes.show({u"TUNARY"_s, text, MessageIcon::Warning, MessageButtons::Ok});
    }
    return true;
}

} // namespace Player
