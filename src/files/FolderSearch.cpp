#include "files/FolderSearch.h"

#include <algorithm>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>

#include "files/FileDialog.h"

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

void listFolder(const QString &folder, const std::function<bool(const QString &)> &matches, QStringList *folders,
                QStringList *files)
{
    QDirIterator entries(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        if (info.isSymLink() && info.isDir())
            continue; // a link to a folder could lead round in circles
        if (info.isDir()) {
            if (folders)
                folders->append(info.fileName());
        } else if (files && matches(info.fileName())) {
            files->append(info.fileName());
        }
    }
    if (folders)
        std::sort(folders->begin(), folders->end(), byName);
    if (files)
        std::sort(files->begin(), files->end(), byName);
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
    if (!FileDialog::endsInSeparator(folder))
        m_text.append(QDir::separator());
    m_text.append(name);
    m_ends.append(m_text.size());
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

QStringList subfolders(const QString &folder)
{
    QStringList folders;
    listFolder(folder, matcher(u"*"_s), &folders, nullptr);
    return folders;
}

QStringList matchingFiles(const QString &folder, const QString &pattern)
{
    QStringList files;
    listFolder(folder, matcher(pattern), nullptr, &files);
    return files;
}

QString join(const QString &folder, const QString &name)
{
    return FileDialog::formPath(folder, name);
}

bool search(const QString &root, const QString &pattern, const std::atomic<bool> &stop,
            const std::function<void(const PathBatch &)> &found, int batchSize)
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
        QString folder;
        bool entered = false;
        QStringList files;
    };
    std::vector<Step> stack;
    stack.push_back({root, false, {}});
    while (!stack.empty()) {
        if (stop.load(std::memory_order_relaxed)) {
            flush();
            return true;
        }
        Step step = std::move(stack.back());
        stack.pop_back();
        if (!step.entered) {
            QStringList folders;
            listFolder(step.folder, matches, &folders, &step.files);
            step.entered = true;
            const QString folder = step.folder;
            stack.push_back(std::move(step));
            // Pushed in name order, so the last subfolder by name is walked first.
            for (const QString &sub : folders)
                stack.push_back({join(folder, sub), false, {}});
            continue;
        }
        for (const QString &file : step.files) {
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
{}

FolderSearch::~FolderSearch()
{
    stop();
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void FolderSearch::start(const QString &root, const QString &pattern)
{
    startMany({root}, pattern);
}

void FolderSearch::startMany(const QStringList &roots, const QString &pattern)
{
    if (m_thread) {
        m_stop = true;
        m_thread->wait();
        delete m_thread;
    }
    m_stop = false;
    m_thread = QThread::create([this, roots, pattern] {
        const auto emitFound = [this](const PathBatch &paths) { emit found(paths); };
        bool stopped = false;
        for (const QString &root : roots) {
            const QFileInfo info(root);
            if (info.isDir()) {
                stopped = FolderWalk::search(root, pattern, m_stop, emitFound);
            } else if (FolderWalk::matches(info.fileName(), pattern)) {
                emitFound(PathBatch::fromList({root}));
            }
            if (stopped || m_stop)
                break;
        }
        emit finished(stopped || m_stop);
    });
    m_thread->start();
}

void FolderSearch::stop()
{
    m_stop = true;
}

bool FolderSearch::isRunning() const
{
    return m_thread && m_thread->isRunning();
}
