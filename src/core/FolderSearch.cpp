// SPDX-License-Identifier: MIT

#include "core/FolderSearch.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include "core/Paths.h"

using namespace Qt::StringLiterals;

namespace FolderWalk {

namespace {

bool byName(const QString &a, const QString &b)
{
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

// Each pattern is made ready once: "*.mp3" and the like are an extension test, a plain name a comparison,
// and anything else a wildcard expression.
std::function<bool(const QString &)> matcher(const QString &pattern)
{
    QStringList extensions;
    QStringList names;
    QList<QRegularExpression> wildcards;
    bool everything = false;
    for (const QString &part : pattern.split(u';')) {
        const QString wildcard = part.trimmed();
        if (wildcard.isEmpty())
            continue;
        const bool special = wildcard.contains(u'*') || wildcard.contains(u'?') || wildcard.contains(u'[');
        const QString extension = wildcard.mid(1);
        if (wildcard == u"*"_s || wildcard == u"*.*"_s) {
            everything = true;
        } else if (!special) {
            names.append(wildcard);
        } else if (wildcard.startsWith(u"*."_s) && !extension.mid(1).contains(u'*') && !extension.contains(u'?') &&
                   !extension.contains(u'[')) {
            extensions.append(extension);
        } else {
            wildcards.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(wildcard),
                                                QRegularExpression::CaseInsensitiveOption));
        }
    }
    return [=](const QString &name) {
        if (everything)
            return true;
        for (const QString &extension : extensions) {
            if (name.endsWith(extension, Qt::CaseInsensitive))
                return true;
        }
        for (const QString &plain : names) {
            if (name.compare(plain, Qt::CaseInsensitive) == 0)
                return true;
        }
        for (const QRegularExpression &expression : wildcards) {
            if (expression.match(name).hasMatch())
                return true;
        }
        return false;
    };
}

using EightBitText::FolderItem;
using EightBitText::Path;

bool byText(const Path &a, const Path &b)
{
    return byName(a.text, b.text);
}

void listFolder(const Path &folder, const std::function<bool(const QString &)> &matches, NameBytes names,
                QList<Path> *folders, QList<Path> *files)
{
    const std::optional<QList<FolderItem>> items = EightBitText::readFolder(folder);
    if (!items)
        return;
    for (const FolderItem &item : *items) {
        if (item.kind == FolderItem::Kind::LinkToFolder)
            continue; // a link to a folder could lead round in circles
        Path name = Path::fromBytes(item.name);
        if (name.windows1252 && names == NameBytes::Utf8)
            continue;
        if (item.kind == FolderItem::Kind::Folder) {
            if (folders)
                folders->append(std::move(name));
        } else if (files && matches(name.text)) {
            files->append(std::move(name));
        }
    }
    if (folders)
        std::sort(folders->begin(), folders->end(), byText);
    if (files)
        std::sort(files->begin(), files->end(), byText);
}

} // namespace

} // namespace FolderWalk

PathBatch PathBatch::fromList(const QStringList &paths)
{
    PathBatch batch;
    for (const QString &path : paths)
        batch.append(path);
    batch.squeeze();
    return batch;
}

void PathBatch::append(QStringView folder, QStringView name)
{
    m_text.append(folder);
    if (!Paths::endsInSeparator(folder))
        m_text.append(QDir::separator());
    m_text.append(name);
    m_ends.append(m_text.size());
}

void PathBatch::append(const EightBitText::Path &folder, const EightBitText::Path &name)
{
    if (!folder.windows1252 && !name.windows1252)
        append(folder.text, name.text);
    else
        append(FolderWalk::join(folder, name));
}

void PathBatch::append(const EightBitText::Path &path)
{
    if (path.windows1252)
        m_windows1252.append(size());
    append(path.text);
}

bool PathBatch::isWindows1252(qsizetype index) const
{
    return std::binary_search(m_windows1252.cbegin(), m_windows1252.cend(), index);
}

void PathBatch::append(QStringView path)
{
    m_text.append(path);
    m_ends.append(m_text.size());
}

void PathBatch::squeeze()
{
    m_text.squeeze();
    m_ends.squeeze();
    m_windows1252.squeeze();
}

QStringView PathBatch::at(qsizetype index) const
{
    const qsizetype start = index == 0 ? 0 : m_ends.at(index - 1);
    return QStringView(m_text).sliced(start, m_ends.at(index) - start);
}

QStringList PathBatch::toList() const
{
    QStringList paths;
    paths.reserve(size());
    for (qsizetype index = 0; index < size(); ++index)
        paths.append(at(index).toString());
    return paths;
}

namespace FolderWalk {

bool matches(const QString &fileName, const QString &pattern)
{
    return matcher(pattern)(fileName);
}

QList<Path> subfolders(const Path &folder, NameBytes names)
{
    QList<Path> folders;
    listFolder(folder, matcher(u"*"_s), names, &folders, nullptr);
    return folders;
}

QList<Path> matchingFiles(const Path &folder, const QString &pattern, NameBytes names)
{
    QList<Path> files;
    listFolder(folder, matcher(pattern), names, nullptr, &files);
    return files;
}

QStringList matchingFiles(const QString &folder, const QString &pattern)
{
    QStringList files;
    for (const Path &file : matchingFiles(Path{folder}, pattern, NameBytes::Utf8))
        files.append(file.text);
    return files;
}

QString join(const QString &folder, const QString &name)
{
    return Paths::join(folder, name);
}

Path join(const Path &folder, const Path &name)
{
    if (!folder.windows1252 && !name.windows1252)
        return {join(folder.text, name.text), false};
    QByteArray bytes = folder.bytes();
    if (!Paths::endsInSeparator(folder.text))
        bytes += QDir::separator().toLatin1();
    bytes += name.bytes();
    return Path::fromBytes(bytes);
}

bool search(const QString &root, const QString &pattern, const std::atomic<bool> &stop,
            const std::function<void(const PathBatch &)> &found, Threads threads, int batchSize)
{
    return search(Path{root}, pattern, NameBytes::Utf8, stop, found, threads, batchSize);
}

namespace {

// The subfolders and matching files of one folder, listed by whichever thread comes to it first.
struct Listing
{
    enum class State { Waiting, Listing, Done };
    std::atomic<State> state{State::Waiting};
    QList<Path> folders;
    QList<Path> files;
};

// A second thread lists folders the walk has yet to enter, the longest known first (the walk itself takes the
// newest), so that the two rarely meet and the system's reading of folders goes on while the walk hands on
// what it found. The walk lists a folder itself when the helper has not come to it yet, and waits only for
// one the helper is listing.
class FolderLister
{
public:
    FolderLister(const QString &pattern, NameBytes names)
        : m_matches(matcher(pattern))
        , m_names(names)
    {
        m_pool.setMaxThreadCount(1);
        m_work = QtConcurrent::run(&m_pool, [this] { work(); });
    }
    ~FolderLister()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_ending = true;
        }
        m_wake.notify_all();
        m_work.waitForFinished();
    }

    /** Folders to list, the one to be entered first last. */
    void ahead(const QList<std::pair<Path, std::shared_ptr<Listing>>> &folders)
    {
        {
            const std::lock_guard lock(m_mutex);
            for (const auto &folder : folders)
                m_next.push_back(folder);
        }
        m_wake.notify_all();
    }

    /** The listing, made here if nobody has begun it. */
    void take(const Path &folder, Listing &listing, const std::function<bool(const QString &)> &matches)
    {
        auto waiting = Listing::State::Waiting;
        if (listing.state.compare_exchange_strong(waiting, Listing::State::Listing)) {
            listFolder(folder, matches, m_names, &listing.folders, &listing.files);
            listing.state = Listing::State::Done;
            return;
        }
        std::unique_lock lock(m_mutex);
        m_done.wait(lock, [&listing] { return listing.state == Listing::State::Done; });
    }

private:
    void work()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_ending || !m_next.empty(); });
            if (m_ending)
                return;
            auto [folder, listing] = std::move(m_next.front());
            m_next.pop_front();
            auto waiting = Listing::State::Waiting;
            if (!listing->state.compare_exchange_strong(waiting, Listing::State::Listing))
                continue;
            lock.unlock();
            listFolder(folder, m_matches, m_names, &listing->folders, &listing->files);
            lock.lock();
            listing->state = Listing::State::Done;
            m_done.notify_all();
        }
    }

    const std::function<bool(const QString &)> m_matches;
    const NameBytes m_names;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::deque<std::pair<Path, std::shared_ptr<Listing>>> m_next;
    bool m_ending = false;
    QThreadPool m_pool;
    QFuture<void> m_work;
};

} // namespace

bool search(const Path &root, const QString &pattern, NameBytes names, const std::atomic<bool> &stop,
            const std::function<void(const PathBatch &)> &found, Threads threads, int batchSize)
{
    const auto matches = matcher(pattern);
    // Results go out in batches, and at least every tenth of a second, so a slow disk still shows progress.
    PathBatch batch;
    QElapsedTimer sinceFlush;
    sinceFlush.start();
    auto flush = [&] {
        if (!batch.isEmpty()) {
            batch.squeeze();
            found(batch);
            batch = PathBatch();
        }
        sinceFlush.restart();
    };

    // An explicit stack instead of recursion, so a very deep tree cannot exhaust the thread's stack. A folder
    // is listed when it is entered; its files go out when it is left, after everything below it.
    struct Step
    {
        Path folder;
        bool entered = false;
        std::shared_ptr<Listing> listing;
    };
    std::optional<FolderLister> lister;
    if (threads == Threads::Two)
        lister.emplace(pattern, names);
    std::vector<Step> stack;
    stack.push_back({root, false, std::make_shared<Listing>()});
    while (!stack.empty()) {
        if (stop.load(std::memory_order_relaxed)) {
            flush();
            return true;
        }
        Step step = std::move(stack.back());
        stack.pop_back();
        if (!step.entered) {
            if (lister)
                lister->take(step.folder, *step.listing, matches);
            else
                listFolder(step.folder, matches, names, &step.listing->folders, &step.listing->files);
            step.entered = true;
            const Path folder = step.folder;
            const QList<Path> folders = std::move(step.listing->folders);
            stack.push_back(std::move(step));
            // Pushed in name order, so the last subfolder by name is walked first.
            QList<std::pair<Path, std::shared_ptr<Listing>>> ahead;
            ahead.reserve(folders.size());
            for (const Path &sub : folders) {
                stack.push_back({join(folder, sub), false, std::make_shared<Listing>()});
                ahead.append({stack.back().folder, stack.back().listing});
            }
            if (lister)
                lister->ahead(ahead);
            continue;
        }
        for (const Path &file : std::as_const(step.listing->files)) {
            batch.append(step.folder, file);
            if (batch.size() >= batchSize || sinceFlush.elapsed() >= 100)
                flush();
        }
    }
    flush();
    return false;
}

} // namespace FolderWalk

FolderSearch::FolderSearch(QObject *parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

FolderSearch::~FolderSearch()
{
    stop();
    m_walk.waitForFinished();
}

void FolderSearch::start(const EightBitText::Path &root, const QString &pattern, FolderWalk::NameBytes names)
{
    run({root}, pattern, names);
}

void FolderSearch::start(const QString &root, const QString &pattern, FolderWalk::Threads threads)
{
    run({EightBitText::Path{root}}, pattern, FolderWalk::NameBytes::Utf8, threads);
}

void FolderSearch::startMany(const QStringList &roots, const QString &pattern)
{
    QList<EightBitText::Path> paths;
    for (const QString &root : roots)
        paths.append({root, false});
    run(paths, pattern, FolderWalk::NameBytes::Utf8);
}

void FolderSearch::run(const QList<EightBitText::Path> &roots, const QString &pattern, FolderWalk::NameBytes names,
                       FolderWalk::Threads threads)
{
    m_stop = true;
    m_walk.waitForFinished();
    m_stop = false;
    m_walk = QtConcurrent::run(&m_pool, [this, roots, pattern, names, threads] {
        const auto emitFound = [this](const PathBatch &paths) { emit found(paths); };
        bool stopped = false;
        for (const EightBitText::Path &root : roots) {
            const EightBitText::FolderState state = EightBitText::folderState(root);
            if (state == EightBitText::FolderState::Readable || state == EightBitText::FolderState::Unreadable) {
                stopped = FolderWalk::search(root, pattern, names, m_stop, emitFound, threads);
            } else if (FolderWalk::matches(QFileInfo(root.text).fileName(), pattern)) {
                PathBatch file;
                file.append(root);
                emitFound(file);
            }
            if (stopped || m_stop)
                break;
        }
        emit finished(stopped || m_stop);
    });
}

void FolderSearch::stop()
{
    m_stop = true;
}

bool FolderSearch::isRunning() const
{
    return m_walk.isRunning();
}
