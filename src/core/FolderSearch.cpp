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

// Letter case ignored, as QString::compare() ignores it; ASCII letters, the most of most names, are folded
// here, and the rest of a name from its first other character on is left to Qt.
int compareIgnoringCase(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= 0x80 || y >= 0x80)
            return a.sliced(i).compare(b.sliced(i), Qt::CaseInsensitive);
        if (x == y)
            continue;
        x = (x >= u'A' && x <= u'Z') ? char16_t(x + 32) : x;
        y = (y >= u'A' && y <= u'Z') ? char16_t(y + 32) : y;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool byName(const QString &a, const QString &b)
{
    const int order = compareIgnoringCase(a, b);
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
    EightBitText::readFolder(folder, [&](QByteArrayView bytes, FolderItem kind) {
        // A link to a folder could lead round in circles.
        if (kind == FolderItem::LinkToFolder || (kind == FolderItem::Folder ? !folders : !files))
            return;
        Path name = Path::fromBytes(bytes);
        if (name.windows1252 && names == NameBytes::Utf8)
            return;
        if (kind == FolderItem::Folder)
            folders->append(std::move(name));
        else if (matches(name.text))
            files->append(std::move(name));
    });
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

// One folder of the walk: its subfolders and matching files, listed by whichever thread comes to it first.
// Whoever lists it makes its subfolders' listings too, in name order.
struct Listing
{
    enum class State { Waiting, Listing, Done };

    explicit Listing(Path path)
        : folder(std::move(path))
    {}

    const Path folder;
    std::atomic<State> state{State::Waiting};
    QList<Path> files;
    std::vector<std::shared_ptr<Listing>> subfolders;
};

// Lists a folder that was waiting, and makes its subfolders' listings.
void list(Listing &listing, const std::function<bool(const QString &)> &matches, NameBytes names)
{
    QList<Path> folders;
    listFolder(listing.folder, matches, names, &folders, &listing.files);
    listing.subfolders.reserve(folders.size());
    for (const Path &sub : std::as_const(folders))
        listing.subfolders.push_back(std::make_shared<Listing>(join(listing.folder, sub)));
}

// A second thread that walks the tree from its other end: the walk enters the last subfolder by name first,
// this thread lists the first one, and then that one's subfolders, so that the two meet in the middle and each
// reads half of the folders from the system. The walk lists a folder itself when this thread has not come to it,
// and waits only for one it is listing; folders the walk listed itself are listed here once this thread's own
// end is done.
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

    /** The listing, made here if nobody has begun it; the folders the walk will come to later are handed on. */
    void take(Listing &listing, const std::function<bool(const QString &)> &matches)
    {
        auto waiting = Listing::State::Waiting;
        if (listing.state.compare_exchange_strong(waiting, Listing::State::Listing)) {
            list(listing, matches, m_names);
            listing.state = Listing::State::Done;
            {
                const std::lock_guard lock(m_mutex);
                m_next.insert(m_next.end(), listing.subfolders.cbegin(), listing.subfolders.cend());
                // Waking a thread that is busy anyway would cost a system call per folder.
                if (!m_listerIdle || listing.subfolders.empty())
                    return;
            }
            m_wake.notify_one();
            return;
        }
        std::unique_lock lock(m_mutex);
        m_walkWaits = true;
        m_done.wait(lock, [&listing] { return listing.state == Listing::State::Done; });
        m_walkWaits = false;
    }

private:
    void work()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_listerIdle = true;
            m_wake.wait(lock, [this] { return m_ending || !m_next.empty(); });
            m_listerIdle = false;
            if (m_ending)
                return;
            const std::shared_ptr<Listing> listing = std::move(m_next.front());
            m_next.pop_front();
            auto waiting = Listing::State::Waiting;
            if (!listing->state.compare_exchange_strong(waiting, Listing::State::Listing))
                continue;
            lock.unlock();
            list(*listing, m_matches, m_names);
            lock.lock();
            listing->state = Listing::State::Done;
            // The first subfolder by name next: the walk comes to it last.
            m_next.insert(m_next.begin(), listing->subfolders.cbegin(), listing->subfolders.cend());
            if (m_walkWaits)
                m_done.notify_one();
        }
    }

    const std::function<bool(const QString &)> m_matches;
    const NameBytes m_names;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::deque<std::shared_ptr<Listing>> m_next;
    bool m_ending = false;
    bool m_listerIdle = false; // the lister waits for folders to list
    bool m_walkWaits = false;  // the walk waits for a listing the lister is making
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
        std::shared_ptr<Listing> listing;
        bool entered = false;
    };
    std::optional<FolderLister> lister;
    if (threads == Threads::Two)
        lister.emplace(pattern, names);
    std::vector<Step> stack;
    stack.push_back({std::make_shared<Listing>(root), false});
    while (!stack.empty()) {
        if (stop.load(std::memory_order_relaxed)) {
            flush();
            return true;
        }
        Step &step = stack.back();
        if (!step.entered) {
            step.entered = true;
            const std::shared_ptr<Listing> listing = step.listing;
            if (lister) {
                lister->take(*listing, matches);
            } else {
                list(*listing, matches, names);
                listing->state = Listing::State::Done;
            }
            // Pushed in name order, so the last subfolder by name is walked first.
            for (std::shared_ptr<Listing> &sub : listing->subfolders)
                stack.push_back({std::move(sub), false});
            listing->subfolders.clear();
            continue;
        }
        const std::shared_ptr<Listing> listing = std::move(step.listing);
        stack.pop_back();
        for (const Path &file : std::as_const(listing->files)) {
            batch.append(listing->folder, file);
            if (batch.size() >= batchSize)
                flush();
        }
        if (sinceFlush.elapsed() >= 100)
            flush();
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

void FolderSearch::start(const EightBitText::Path &root, const QString &pattern, FolderWalk::NameBytes names,
                         FolderWalk::Threads threads)
{
    run({root}, pattern, names, threads);
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
