// SPDX-License-Identifier: MIT

#include "playlist/PlayList.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSemaphore>
#include <QtConcurrent/QtConcurrentRun>

#include "core/ApplicationWorker.h"
#include "core/PauseWatch.h"
#include "platform/SafeWrite.h"
#include "playlist/ListEdits.h"
#include "playlist/ListSort.h"
#include "playlist/PlayListEntry.h"

using namespace Qt::StringLiterals;

namespace {

// How often a busy list shows how far its work has come.
constexpr int kProgressMs = 50;
// The most a list read within the quiet time can hold: a few milliseconds' reading.
constexpr qint64 kQuietReadBytes = 2LL * 1024 * 1024;
// A list of more entries than this is sorted, and saved, off the interface thread: a few milliseconds' work.
constexpr int kDoneAtOnce = 10000;
// The part of the bar, in thousandths, that a sort or a play following a read takes; the read has the rest.
constexpr int kSortShare = 200;
constexpr int kPlayShare = 200;

} // namespace

// A list file read by a worker. The list takes it once finished is released, or its future has finished.
struct PlayList::Read
{
    QString path;
    M3UFile::ReadProgress progress;
    M3UContent content;
    QString fault;
    bool tooLarge = false;
    QSemaphore finished;
    QFuture<void> future;
};

namespace {

// The worker that reads list files for lists still being made, owned by the application, whose end waits for
// the read under way (told to stop when its list went).
class ListReader : public ApplicationWorker
{
public:
    static constexpr auto kName = "listReader";

    explicit ListReader(QObject *application)
        : ApplicationWorker(application, kName)
    {}

    QThreadPool &pool() { return m_pool; }
};

} // namespace

std::shared_ptr<PlayList::Read> PlayList::beginRead(const QString &path)
{
    auto read = std::make_shared<Read>();
    read->path = path;
    read->future = QtConcurrent::run(&ApplicationWorker::of<ListReader>(QCoreApplication::instance()).pool(), [read] {
        read->fault = M3UFile::read(read->path, read->content, &read->tooLarge, read->progress);
        read->finished.release();
    });
    return read;
}

// The order of a sort worked out by a worker, from the texts and references the entries had when it began.
struct PlayList::Sort
{
    EntryTexts texts;
    QList<EntryTexts::Ref> refs;
    int generation = 0;
    ListSort::Progress progress;
    std::vector<int> order;
};

// A list file written by a worker, from the entries the list had when it began.
struct PlayList::Save
{
    QString path;
    EntryTexts texts;
    QList<EntryTexts::Ref> refs;
    ListEncoding encoding = ListEncoding::EightBit;
    M3UFile::FormatOptions options;
    std::atomic<qint64> written{0};
    std::atomic<bool> stop{false};
    QString fault;
};

PlayList::PlayList(QObject *parent)
    : QObject(parent)
    , m_model(this)
{
    // One worker: a sort, a save and a look for missing files come one after another.
    m_workers.setMaxThreadCount(1);
    // Each step keeps only what it changed; a hundred of them are enough to take back a slip.
    m_undo.setUndoLimit(100);
    connect(&m_model, &PlayListModel::historyLost, this, &PlayList::forgetHistory);
    connect(&m_undo, &QUndoStack::indexChanged, this, &PlayList::updateChanged);
    connect(&m_undo, &QUndoStack::cleanChanged, this, &PlayList::updateChanged);

    m_workProgressTimer.setInterval(kProgressMs);
    connect(&m_workProgressTimer, &QTimer::timeout, this, &PlayList::showWorkProgress);
    connect(&m_readWatcher, &QFutureWatcherBase::finished, this, &PlayList::takeRead);
    connect(&m_sortWatcher, &QFutureWatcherBase::finished, this, &PlayList::takeSort);
    connect(&m_saveWatcher, &QFutureWatcherBase::finished, this, &PlayList::takeSave);
    connect(this, &PlayList::workCancelRequested, this, &PlayList::stopWork);
    connect(&m_lookWatcher, &QFutureWatcherBase::finished, this, &PlayList::takeMissingLook);
    setUpTagWork();
}

PlayList::~PlayList()
{
    PauseWatch::done("list closed");
    stopTagWork();
    // A save under way is finished, so the file is whole; the workers' end waits for it.
    if (m_read)
        m_read->progress.stop = true;
    if (m_sort)
        m_sort->progress.stop = true;
    m_read.reset();
    m_sort.reset();
    // Whoever waits for the read hears that it ended, though there is no list to show.
    if (const WhenRead whenRead = std::exchange(m_whenRead, {}))
        whenRead(ReadOutcome::Cancelled, nullptr);
}

void PlayList::readFile(const std::shared_ptr<Read> &read, int quietMs, AfterReads afterRead, WhenRead whenRead)
{
    m_read = read;
    m_whenRead = std::move(whenRead);
    m_afterRead = afterRead;
    m_readWatcher.setFuture(read->future);
    // A file too big to be read in the quiet time is not waited for: the window shows its progress at once. One
    // too big to be read at all is refused at once.
    const qint64 size = QFileInfo(read->path).size();
    const bool quick = size <= kQuietReadBytes || size > M3UFile::kMaxFileSize;
    if (quietMs > 0 && quick && read->finished.tryAcquire(1, quietMs)) {
        takeRead();
        return;
    }
    show();
    // Last: whoever hears the progress may cancel the read, or end the list.
    beginWork(Work::Reading);
}

std::pair<int, int> PlayList::shareOf(Work work) const
{
    const int sort = m_afterRead.testFlag(AfterRead::Sort) ? kSortShare : 0;
    const int play = m_afterRead.testFlag(AfterRead::Play) ? kPlayShare : 0;
    switch (work) {
    case Work::Reading:
    case Work::Splitting:
        return {0, 1000 - sort - play};
    case Work::Sorting:
        return sort > 0 ? std::pair(1000 - sort - play, 1000 - play) : std::pair(0, 1000);
    case Work::Playing:
        return play > 0 ? std::pair(1000 - play, 1000) : std::pair(0, 1000);
    case Work::Saving:
    case Work::None:
        break;
    }
    return {0, 1000};
}

// A new piece of work takes the bar from its start, a play shown meanwhile or not.
void PlayList::beginWork(Work work)
{
    if (m_work == Work::Playing)
        m_work = Work::None;
    m_workProgressTimer.start();
    setWorkProgress(work, shareOf(work).first);
}

void PlayList::setWorkProgress(Work work, int thousandths)
{
    // The bar only moves forward while one piece of work goes on.
    if (m_work != Work::None)
        thousandths = std::max(thousandths, m_workProgress);
    if (work == m_work && thousandths == m_workProgress)
        return;
    m_work = work;
    m_workProgress = thousandths;
    emit workChanged(work, thousandths);
}

void PlayList::endWork()
{
    m_afterRead = AfterRead::Show;
    if (m_work != Work::Playing && m_play) {
        // A play still being written shows again, from its own start.
        m_work = Work::None;
        showWorkProgress();
        return;
    }
    m_workProgressTimer.stop();
    if (m_work == Work::None)
        return;
    m_work = Work::None;
    m_workProgress = -1;
    emit workChanged(Work::None, -1);
}

void PlayList::showPlaying(std::shared_ptr<PlayProgress> progress)
{
    m_play = std::move(progress);
    // Shown from the first tick on: a play written sooner shows nothing.
    m_workProgressTimer.start();
}

void PlayList::endPlaying(const PlayProgress *progress)
{
    if (!m_play || m_play.get() != progress)
        return;
    m_play.reset();
    if (m_work == Work::Playing || m_work == Work::None)
        endWork();
}

void PlayList::showWorkProgress()
{
    const auto share = [this](Work work, qint64 done, qint64 total) {
        const auto [from, to] = shareOf(work);
        return total > 0 ? from + int(std::min<qint64>(to - from - 1, done * (to - from) / total)) : from;
    };
    if (m_read) {
        // The bytes are read first, then split into entries.
        const qint64 total = m_read->progress.total;
        const qint64 done = m_read->progress.done;
        const Work work = done * 2 < total ? Work::Reading : Work::Splitting;
        setWorkProgress(work, share(work, done, total));
    } else if (m_sort) {
        setWorkProgress(Work::Sorting, share(Work::Sorting, m_sort->progress.done, 2LL * m_sort->refs.size()));
    } else if (m_save) {
        setWorkProgress(Work::Saving, share(Work::Saving, m_save->written, std::max<qint64>(1, m_save->texts.size())));
    } else if (m_play && (m_work == Work::None || m_work == Work::Playing)) {
        setWorkProgress(Work::Playing, share(Work::Playing, m_play->written, m_play->total));
    }
}

void PlayList::stopWork()
{
    if (m_read) {
        m_read->progress.stop = true;
        endReading(ReadOutcome::Cancelled);
    } else if (m_sort) {
        // The list stays in the order it had; a list just read shows unsorted.
        m_sort->progress.stop = true;
        m_sort.reset();
        endSort();
    } else if (m_save) {
        // The worker stops at its next piece, and the file stays as it was.
        m_save->stop = true;
    } else if (m_play) {
        m_play->stop = true;
    }
}

void PlayList::takeRead()
{
    const PauseWatch::Step step("showing a list read");
    // A read already taken, or cancelled, has nothing more to give.
    if (!m_read)
        return;
    const std::shared_ptr<Read> read = std::exchange(m_read, {});
    if (!read->fault.isEmpty()) {
        endReading(read->tooLarge ? ReadOutcome::TooLarge : ReadOutcome::Failed);
        return;
    }
    encoding = read->content.encoding;
    m_model.setContent(std::move(read->content.texts), std::move(read->content.refs), std::move(read->content.head),
                       std::move(read->content.tail));
    if (m_afterRead.testFlag(AfterRead::Sort)) {
        // The list as opened, sorted, is where undoing stops; a big one is shown while it is sorted.
        PauseWatch::done("list read");
        if (!sortEntries()) {
            show();
            return;
        }
        resetHistory();
    }
    endReading(ReadOutcome::Read);
}

// Whoever hears the outcome may end the list.
void PlayList::endReading(ReadOutcome outcome)
{
    m_read.reset();
    const bool sorted = m_afterRead.testFlag(AfterRead::Sort);
    // A list read to be played hands the bar on to its play; it goes if the play is written at once, or fails.
    if (outcome == ReadOutcome::Read && m_afterRead.testFlag(AfterRead::Play) && m_work != Work::None)
        setWorkProgress(Work::Playing, shareOf(Work::Playing).first);
    else
        endWork();
    if (outcome == ReadOutcome::Read && !sorted)
        PauseWatch::done("list read");
    const QPointer<PlayList> self(this);
    if (const WhenRead whenRead = std::exchange(m_whenRead, {}))
        whenRead(outcome, this);
    if (self && m_work == Work::Playing && !m_play)
        endWork();
}

bool PlayList::sortEntries()
{
    if (m_model.count() <= kDoneAtOnce) {
        push(new ListEdits::SortCommand(m_model, QCoreApplication::translate("PlayList", "Sort"),
                                        ListSort::order(m_model.texts(), m_model.refs(), ListSort::listCollator())));
        PauseWatch::done("list sorted");
        return true;
    }
    startSort();
    return false;
}

void PlayList::startSort()
{
    const auto sort = std::make_shared<Sort>();
    sort->texts = m_model.texts();
    sort->refs = m_model.refs();
    sort->generation = m_model.textsGeneration();
    m_sort = sort;
    m_sortWatcher.setFuture(QtConcurrent::run(&m_workers, [sort, collator = ListSort::listCollator()] {
        sort->order = ListSort::order(sort->texts, sort->refs, collator, sort->progress);
    }));
    if (m_work == Work::None || m_work == Work::Playing)
        beginWork(Work::Sorting);
    else
        showWorkProgress();
}

void PlayList::takeSort()
{
    // A sort cancelled, or given up for a newer one, has nothing to give.
    if (!m_sort || !m_sortWatcher.isFinished())
        return;
    const std::shared_ptr<Sort> sort = std::exchange(m_sort, {});
    // Entries that came meanwhile (tags read, a drop begun before) are sorted with the rest.
    if (!sort->refs.isSharedWith(m_model.refs()) || sort->generation != m_model.textsGeneration()) {
        startSort();
        return;
    }
    const PauseWatch::Step step("ordering a sorted list");
    push(new ListEdits::SortCommand(m_model, QCoreApplication::translate("PlayList", "Sort"), std::move(sort->order)));
    PauseWatch::done("list sorted");
    endSort();
}

void PlayList::endSort()
{
    if (m_whenRead) {
        resetHistory();
        endReading(ReadOutcome::Read);
    } else {
        endWork();
    }
}

void PlayList::saveFile(WhenSaved whenSaved)
{
    const QString fileName = PlayListEntry::trimBlanks(m_path);
    M3UFile::FormatOptions options{m_model.head(), m_model.tail(), {}, M3UFile::isUtf8ListName(fileName)};
    if (m_model.count() <= kDoneAtOnce) {
        whenSaved(writeFileAtomically(fileName, M3UFile::format(m_model.texts(), m_model.refs(), encoding, options)),
                  false);
        return;
    }
    const auto save = std::make_shared<Save>();
    save->path = fileName;
    save->texts = m_model.texts();
    save->refs = m_model.refs();
    save->encoding = encoding;
    save->options = std::move(options);
    m_save = save;
    m_whenSaved = std::move(whenSaved);
    m_saveWatcher.setFuture(QtConcurrent::run(&m_workers, [save] {
        // The file is written as it is made, a piece at a time: the list is never held a second time.
        save->fault = writeFileAtomically(save->path, [&save](const PieceWriter &write) {
            return M3UFile::formatInPieces(save->texts, save->refs, save->encoding, save->options,
                                           [&save, &write](QByteArrayView piece) {
                                               save->written += piece.size();
                                               return !save->stop && write(piece);
                                           });
        });
    }));
    beginWork(Work::Saving);
}

void PlayList::takeSave()
{
    const std::shared_ptr<Save> save = std::exchange(m_save, {});
    if (!save)
        return;
    endWork();
    // A Cancel that came once the file was whole stopped nothing.
    const bool cancelled = save->stop && !save->fault.isEmpty();
    if (const WhenSaved whenSaved = std::exchange(m_whenSaved, {}))
        whenSaved(cancelled ? QString() : save->fault, cancelled);
}

// The one place that tells whether the list is changed. A sort is no change: steps that only sort lie
// between a list and its saved form without making it changed.
bool PlayList::unsavedStepsLie() const
{
    if (m_markedChanged)
        return true;
    const int clean = m_undo.cleanIndex();
    if (clean < 0)
        return true;
    const int now = m_undo.index();
    for (int step = std::min(clean, now); step < std::max(clean, now); ++step) {
        if (!ListEdits::isSort(m_undo.command(step)))
            return true;
    }
    return false;
}

void PlayList::updateChanged()
{
    const bool changed = unsavedStepsLie();
    if (changed == m_changed)
        return;
    m_changed = changed;
    emit changedStateChanged(changed);
}

void PlayList::push(QUndoCommand *command)
{
    // A step pushed where saved steps were undone takes their place, and the stack forgets where the list was
    // saved: it stays changed until saved again. But when those steps only sorted, the list here is the saved
    // one in another order, which counts as unchanged: it is where the list was saved from now on.
    if (m_undo.cleanIndex() > m_undo.index()) {
        bool onlySorts = true;
        for (int step = m_undo.index(); step < m_undo.cleanIndex(); ++step)
            onlySorts = onlySorts && ListEdits::isSort(m_undo.command(step));
        if (onlySorts)
            m_undo.setClean();
    }
    m_undo.push(command);
    updateChanged();
}

void PlayList::forgetHistory()
{
    m_markedChanged = m_changed;
    m_undo.clear();
    updateChanged();
}

void PlayList::markChanged()
{
    m_markedChanged = true;
    updateChanged();
}

void PlayList::markClean()
{
    m_markedChanged = false;
    m_undo.setClean();
    updateChanged();
}

void PlayList::resetHistory()
{
    m_markedChanged = false;
    m_undo.clear();
    updateChanged();
}

void PlayList::setPath(const QString &path)
{
    m_path = path;
    emit captionChanged(caption());
}

QString PlayList::caption() const
{
    return isUntitled() ? QCoreApplication::translate("PlayList", "Untitled %1").arg(m_slot - 1) : m_path;
}

void PlayList::setListFont(const QString &font)
{
    m_listFont = font;
    emit listFontChanged(font);
}

void PlayList::setSizeTwips(int width, int height)
{
    m_size = QSize(width / 15, height / 15);
    emit sizeRequested(m_size);
}

void PlayList::show()
{
    emit showRequested();
}

void PlayList::close()
{
    emit closeRequested();
}
