// SPDX-License-Identifier: MIT

#include "playlist/PlayList.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QFileInfo>
#include <QSemaphore>
#include <QtConcurrent/QtConcurrentRun>

#include "core/PauseWatch.h"
#include "playlist/ListEdits.h"

using namespace Qt::StringLiterals;

namespace {

// How often a list being read shows how far it has come.
constexpr int kReadProgressMs = 50;
// The most a list read within the quiet time can hold: a few milliseconds' reading.
constexpr qint64 kQuietReadBytes = 2LL * 1024 * 1024;

} // namespace

// A list file read by a worker. The list takes it once finished is released, or its future has finished.
struct PlayList::Read
{
    M3UFile::ReadProgress progress;
    M3UContent content;
    QString fault;
    bool tooLarge = false;
    QSemaphore finished;
};

PlayList::PlayList(QObject *parent)
    : QObject(parent)
    , m_model(this)
{
    // One worker: a look for missing files comes after the read, and a new look after the old one stopped.
    m_workers.setMaxThreadCount(1);
    // Each step keeps only what it changed; a hundred of them are enough to take back a slip.
    m_undo.setUndoLimit(100);
    connect(&m_model, &PlayListModel::historyLost, this, &PlayList::forgetHistory);
    connect(&m_undo, &QUndoStack::indexChanged, this, &PlayList::updateChanged);
    connect(&m_undo, &QUndoStack::cleanChanged, this, &PlayList::updateChanged);

    m_readProgress.setInterval(kReadProgressMs);
    connect(&m_readProgress, &QTimer::timeout, this, &PlayList::showReadProgress);
    connect(&m_readWatcher, &QFutureWatcherBase::finished, this, &PlayList::takeRead);
    connect(this, &PlayList::loadCancelRequested, this, [this] {
        if (!m_read)
            return;
        m_read->progress.stop = true;
        endReading(ReadOutcome::Cancelled);
    });
    connect(&m_lookWatcher, &QFutureWatcherBase::finished, this, &PlayList::takeMissingLook);
    setUpTagWork();
}

PlayList::~PlayList()
{
    PauseWatch::done("list closed");
    stopTagWork();
    if (!m_read)
        return;
    // Whoever waits for the read hears that it ended, though there is no list to show.
    m_read->progress.stop = true;
    m_read.reset();
    if (const WhenRead whenRead = std::exchange(m_whenRead, {}))
        whenRead(ReadOutcome::Cancelled, nullptr);
}

void PlayList::readFile(int quietMs, WhenRead whenRead)
{
    const auto read = std::make_shared<Read>();
    m_read = read;
    m_whenRead = std::move(whenRead);
    m_readWatcher.setFuture(QtConcurrent::run(&m_workers, [read, path = m_path] {
        read->fault = M3UFile::read(path, read->content, &read->tooLarge, read->progress);
        read->finished.release();
    }));
    // A file too big to be read in the quiet time is not waited for: the window shows its progress at once. One
    // too big to be read at all is refused at once.
    const qint64 size = QFileInfo(m_path).size();
    const bool quick = size <= kQuietReadBytes || size > M3UFile::kMaxFileSize;
    if (quietMs > 0 && quick && read->finished.tryAcquire(1, quietMs)) {
        takeRead();
        return;
    }
    m_readProgress.start();
    show();
    // Last: whoever hears the progress may cancel the read, or end the list.
    setLoadProgress(0);
}

void PlayList::showReadProgress()
{
    const qint64 total = m_read ? m_read->progress.total.load() : 0;
    if (total > 0)
        setLoadProgress(int(std::min<qint64>(999, m_read->progress.done * 1000 / total)));
}

void PlayList::takeRead()
{
    const PauseWatch::Step step("showing a list read");
    // A read already taken, or cancelled, has nothing more to give.
    if (!m_read)
        return;
    Read &read = *m_read;
    ReadOutcome outcome = ReadOutcome::Read;
    if (!read.fault.isEmpty()) {
        outcome = read.tooLarge ? ReadOutcome::TooLarge : ReadOutcome::Failed;
    } else {
        encoding = read.content.encoding;
        m_model.setContent(std::move(read.content.texts), std::move(read.content.refs), std::move(read.content.head),
                           std::move(read.content.tail));
    }
    endReading(outcome);
}

// Whoever hears the outcome may end the list: nothing is done after telling it.
void PlayList::endReading(ReadOutcome outcome)
{
    m_read.reset();
    m_readProgress.stop();
    setLoadProgress(-1);
    if (outcome == ReadOutcome::Read)
        PauseWatch::done("list read");
    if (const WhenRead whenRead = std::exchange(m_whenRead, {}))
        whenRead(outcome, this);
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

void PlayList::setLoadProgress(int thousandths)
{
    if (thousandths == m_loadProgress)
        return;
    m_loadProgress = thousandths;
    emit loadProgressChanged(thousandths);
}

void PlayList::show()
{
    emit showRequested();
}

void PlayList::close()
{
    emit closeRequested();
}
