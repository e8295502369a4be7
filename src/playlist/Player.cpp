// SPDX-License-Identifier: MIT

#include "playlist/Player.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

#include "core/AppContext.h"
#include "core/ApplicationWorker.h"
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

namespace {

// A play of more entries than this has its file written off the interface thread.
constexpr qsizetype kWrittenAtOnce = 20000;

// The worker that writes big play files, owned by the application, whose end waits for the file being written.
// One thread, so that play files are ready in the order the plays were asked for.
class PlayWriter : public ApplicationWorker
{
public:
    static constexpr auto kName = "playWriter";

    explicit PlayWriter(QObject *application)
        : ApplicationWorker(application, kName)
    {}
    ~PlayWriter() override
    {
        m_stop = true;
        m_pool.waitForDone();
    }

    /** Writes the play file on the worker; done hears what was made, on this object's thread. */
    template <typename Done>
    void write(QString namedAfter, EntryTexts texts, QList<EntryTexts::Ref> refs, M3UFile::FormatOptions options,
               std::shared_ptr<PlayProgress> progress, Done done)
    {
        QtConcurrent::run(&m_pool, [this, namedAfter = std::move(namedAfter), texts = std::move(texts),
                                    refs = std::move(refs), options = std::move(options), progress] {
            PlayFiles::Writer file(namedAfter);
            const bool written = M3UFile::formatInPieces(texts, refs, ListEncoding::EightBit, options,
                                                         [this, &file, &progress](QByteArrayView piece) {
                                                             progress->written += piece.size();
                                                             return !m_stop && !progress->stop && file.write(piece);
                                                         });
            if (!written && file.fault().isEmpty())
                return PlayFiles::Made{{}, QCoreApplication::translate("PlayList", "Stopped.")};
            return file.finish();
        }).then(this, [this, done = std::move(done)](const PlayFiles::Made &made) {
            // Heard from the event loop, never from within the play that asked for it, though the file may be
            // written before that play is done asking: what the user asks next comes first.
            QMetaObject::invokeMethod(
                this, [done, made] { done(made); }, Qt::QueuedConnection);
        });
    }

private:
    std::atomic<bool> m_stop{false};
};

// Starts the player on a play file made for the play numbered so; a file made after a later play started is
// dropped, as the player has the later list already.
void startPlayer(AppContext &context, const QString &playerCommand, quint64 number, qsizetype count,
                 const PlayFiles::Made &playFile)
{
    if (number < context.lastPlayStarted) {
        if (!playFile.path.isEmpty())
            QFile::remove(playFile.path);
        return;
    }
    context.lastPlayStarted = number;
    QString fault = playFile.fault;
    if (fault.isEmpty()) {
        const QString argument = QDir::toNativeSeparators(playFile.path);
        const PlayerCommand command = PlayerCommand::parse(playerCommand);
        const StartResult started =
            context.platform.programStarter.start(command.program, command.argumentsFor(argument));
        fault = started.error;
        if (fault.isEmpty()) {
            context.rememberPlayer(started.pid);
            PauseWatch::done("player started");
            return;
        }
        QFile::remove(playFile.path); // no player will read it
    }
    reportPlayFailure(context, int(count), fault);
}

} // namespace

void play(AppContext &context, PlayList &list, PlayMode mode)
{
    const PauseWatch::Step step("writing a play file");
    if (list.isBusy())
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
    // Each play has a file of its own: a player that reads its file late still gets this play's list. A big one
    // is written by the worker from the list's own texts, shared, never held whole in memory a second time; the
    // list may change meanwhile, and the play plays the entries as they were.
    const quint64 number = ++context.playsAsked;
    M3UFile::FormatOptions options{model.head(), {}, list.folder()};
    const QString namedAfter = context.platform.folders.playFile();
    if (toPlay.size() <= kWrittenAtOnce) {
        startPlayer(
            context, list.playerPath, number, count,
            PlayFiles::make(namedAfter, M3UFile::format(model.texts(), toPlay, ListEncoding::EightBit, options)));
        return;
    }
    // The list shows how far its play has come, by the bytes of its texts, which the play file takes about as many of.
    auto progress = std::make_shared<PlayProgress>();
    progress->total = model.texts().size() * toPlay.size() / std::max(1, count);
    list.showPlaying(progress);
    ApplicationWorker::of<PlayWriter>(QCoreApplication::instance())
        .write(namedAfter, model.texts(), std::move(toPlay), std::move(options), progress,
               [&context, list = QPointer<PlayList>(&list), number, count, progress](const PlayFiles::Made &made) {
                   if (list)
                       list->endPlaying(progress.get());
                   // The list went meanwhile, or the user cancelled the play: it goes, and nothing is said.
                   if (!list || progress->stop) {
                       if (!made.path.isEmpty())
                           QFile::remove(made.path);
                       return;
                   }
                   startPlayer(context, list->playerPath, number, count, made);
               });
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
