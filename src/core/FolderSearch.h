// SPDX-License-Identifier: MIT

#pragma once

#include <atomic>
#include <functional>

#include <QFuture>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QThreadPool>

#include "platform/EightBitText.h"

/**
 * Paths found together, kept in one block of text: a search of a big tree hands over a few blocks instead of
 * one string per path, so the interface keeps and later frees them cheaply while another walk is running.
 */
class PathBatch
{
public:
    PathBatch() = default;
    /** The paths of a list, in order. */
    static PathBatch fromList(const QStringList &paths);

    /** Adds the folder and the name joined as FolderWalk::join joins them. */
    void append(QStringView folder, QStringView name);
    void append(const EightBitText::Path &folder, const EightBitText::Path &name);
    void append(QStringView path);
    void append(const EightBitText::Path &path);
    /** Gives back memory kept for growing; done before a batch is handed over. */
    void squeeze();

    qsizetype size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }
    QStringView at(qsizetype index) const;
    QString last() const { return isEmpty() ? QString() : at(size() - 1).toString(); }
    QStringList toList() const;
    /** True when the path's text is its bytes read as Windows-1252. */
    bool isWindows1252(qsizetype index) const;
    EightBitText::Path pathAt(qsizetype index) const { return {at(index).toString(), isWindows1252(index)}; }

private:
    QString m_text;
    QList<qsizetype> m_ends;        // where each path ends in m_text
    QList<qsizetype> m_windows1252; // the few paths whose text is Windows-1252, in order
};

/** The folder walks of the finder and of dropped folders. */
namespace FolderWalk {

/**
 * Which names a listing gives. A path held as text alone names only UTF-8 names; one that keeps its Windows-1252
 * flag (a play list entry does) can name them all.
 */
enum class NameBytes { Utf8, Any };

/** The subfolders of a folder in the folder list's order (by name, letter case ignored); links are left out. */
QList<EightBitText::Path> subfolders(const EightBitText::Path &folder, NameBytes names);

/**
 * True when a bare file name matches one of the ";"-separated patterns ("*.mp3", "winamp.exe", "*.*"), letter
 * case ignored.
 */
bool matches(const QString &fileName, const QString &pattern);

/** The files of a folder matching a pattern ("*.MP3"; ";" separates several), in name order. */
QList<EightBitText::Path> matchingFiles(const EightBitText::Path &folder, const QString &pattern, NameBytes names);
/** As above, for UTF-8 names. */
QStringList matchingFiles(const QString &folder, const QString &pattern);

/** The folder and a name joined; a root does not double its separator. */
QString join(const QString &folder, const QString &name);
EightBitText::Path join(const EightBitText::Path &folder, const EightBitText::Path &name);

/**
 * Walks a tree depth first: the subfolders of a folder from the last to the first in name order, and a
 * folder's own matching files after those of all its subfolders. Links to folders are not followed and
 * folders that cannot be read are passed over. `found` gets the results in that order, in batches (full, or
 * a tenth of a second old); the walk checks `stop` before each folder and then ends, keeping what it found.
 * Returns true when it was stopped. With Threads::Two a second thread lists folders from the tree's other
 * end, so that the system's reading of folders, most of a search's time, goes on two cores; the walk that
 * fills a play list leaves the second core to the interface instead.
 */
enum class Threads { One, Two };
bool search(const EightBitText::Path &root, const QString &pattern, NameBytes names, const std::atomic<bool> &stop,
            const std::function<void(const PathBatch &)> &found, Threads threads = Threads::One, int batchSize = 2048);
/** As above, for UTF-8 names. */
bool search(const QString &root, const QString &pattern, const std::atomic<bool> &stop,
            const std::function<void(const PathBatch &)> &found, Threads threads = Threads::One, int batchSize = 2048);

} // namespace FolderWalk

/**
 * A folder search running beside the user interface: results arrive as signals, in the walk's order, and
 * Stop ends it at the next folder.
 */
class FolderSearch : public QObject
{
    Q_OBJECT

public:
    explicit FolderSearch(QObject *parent = nullptr);
    ~FolderSearch() override;

    void start(const EightBitText::Path &root, const QString &pattern, FolderWalk::NameBytes names,
               FolderWalk::Threads threads = FolderWalk::Threads::One);
    /** As above, for UTF-8 names. */
    void start(const QString &root, const QString &pattern, FolderWalk::Threads threads = FolderWalk::Threads::One);
    /** Several roots in turn: a folder is searched, a file is taken when it matches. UTF-8 names only. */
    void startMany(const QStringList &roots, const QString &pattern);
    void stop();
    bool isRunning() const;

signals:
    void found(const PathBatch &paths);
    void finished(bool stopped);

private:
    void run(const QList<EightBitText::Path> &roots, const QString &pattern, FolderWalk::NameBytes names,
             FolderWalk::Threads threads = FolderWalk::Threads::One);

    // The walk runs on a thread of this search's own, so it never waits behind other work.
    QThreadPool m_pool;
    QFuture<void> m_walk;
    std::atomic<bool> m_stop{false};
};
