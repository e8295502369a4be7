#include "files/FolderSearch.h"

#include <algorithm>

#include <QDirIterator>
#include <QFileInfo>

#include "files/FileDialog.h"

using namespace Qt::StringLiterals;

namespace FolderWalk {

namespace {

bool byName(const QString &a, const QString &b)
{
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

// "*.mp3" and the like are an extension test; anything else goes through the wildcard rules.
std::function<bool(const QString &)> matcher(const QString &pattern)
{
    QStringList extensions;
    for (const QString &part : pattern.split(u';')) {
        const QString wildcard = part.trimmed();
        if (wildcard.isEmpty())
            continue;
        const QString extension = wildcard.mid(1);
        if (!wildcard.startsWith(u"*."_s) || extension.size() < 2 || extension.mid(1).contains(u'*') ||
            extension.contains(u'?') || extension.contains(u'['))
            return [pattern](const QString &name) { return FileDialog::matches(name, pattern); };
        extensions.append(extension);
    }
    return [extensions](const QString &name) {
        return std::any_of(extensions.begin(), extensions.end(), [&name](const QString &extension) {
            return extension == u".*"_s || name.endsWith(extension, Qt::CaseInsensitive);
        });
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
            const std::function<void(const QStringList &)> &found, int batchSize)
{
    const auto matches = matcher(pattern);
    QStringList batch;
    auto flush = [&] {
        if (!batch.isEmpty()) {
            found(batch);
            batch.clear();
        }
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
            batch.append(join(step.folder, file));
            if (batch.size() >= batchSize)
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
        const auto emitFound = [this](const QStringList &paths) { emit found(paths); };
        bool stopped = false;
        for (const QString &root : roots) {
            const QFileInfo info(root);
            if (info.isDir()) {
                stopped = FolderWalk::search(root, pattern, m_stop, emitFound);
            } else if (FileDialog::matches(info.fileName(), pattern)) {
                emitFound({root});
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
