// SPDX-License-Identifier: MIT

// The list's work on the files its entries name: titles from their tags, and files that moved.
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QtConcurrent/QtConcurrentRun>

#include "playlist/ListEdits.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListEntry.h"
#include "playlist/RelativePath.h"
#include "playlist/TrackTags.h"

using namespace Qt::StringLiterals;

namespace {

// How often the reading of tags shows how far it has come.
constexpr int kTagProgressMs = 100;

const QString kExtendedHeader = u"#EXTM3U"_s;

// The entry's own lines with the "#EXTINF" line given: in place of the first it has, or else last, right before
// its path, where players look for it.
QList<QString> withExtinf(QList<QString> ownLines, const QString &extinf)
{
    for (QString &line : ownLines) {
        if (line.startsWith(u"#EXTINF"_s, Qt::CaseInsensitive)) {
            line = extinf;
            return ownLines;
        }
    }
    ownLines.append(extinf);
    return ownLines;
}

} // namespace

// The tags of a list's entries, read by a worker. Its results are taken only for the texts it was given.
struct PlayList::TagRead
{
    int generation = 0;
    EntryTexts texts;
    QList<EntryTexts::Ref> refs;
    QString folder;
    std::atomic<qint64> done{0};
    std::atomic<bool> stop{false};
    /** The new own lines of each entry whose file's tags were read, by its reference. */
    QHash<EntryTexts::Ref, QList<QString>> ownLines;
};

void PlayList::setUpTagWork()
{
    m_tagWorkers.setMaxThreadCount(1);
    m_tagProgress.setInterval(kTagProgressMs);
    connect(&m_tagProgress, &QTimer::timeout, this, [this] {
        if (m_tagRead && !m_tagRead->refs.isEmpty())
            emit tagProgressChanged(int(std::min<qint64>(999, m_tagRead->done * 1000 / m_tagRead->refs.size())));
    });
    connect(&m_tagWatcher, &QFutureWatcherBase::finished, this, &PlayList::takeTags);
    connect(&m_movedWatcher, &QFutureWatcherBase::finished, this, [this] {
        m_movedLook.reset();
        const MovedLook look = m_movedWatcher.result();
        emit movedFilesFound(look.generation == m_model.textsGeneration() ? look.found : QList<MovedFile>(),
                             look.stopped, look.missing);
    });
}

// On the list's end: the work on tags stops at its next file, and what it found is not taken.
void PlayList::stopTagWork()
{
    *m_tagsStopped = true;
    if (m_tagRead)
        m_tagRead->stop = true;
    if (m_movedLook)
        m_movedLook->stop = true;
}

void PlayList::titlesFromTags()
{
    if (isBusy() || isReadingTags())
        return;
    const auto read = std::make_shared<TagRead>();
    read->generation = m_model.textsGeneration();
    read->texts = m_model.texts();
    read->refs = m_model.refs();
    read->folder = folder();
    m_tagRead = read;
    m_tagWatcher.setFuture(QtConcurrent::run(&m_tagWorkers, [read] {
        for (const EntryTexts::Ref ref : std::as_const(read->refs)) {
            if (read->stop)
                return;
            const QString file = fileNamedBy(read->folder, PlayListEntry::trimBlanks(read->texts.text(ref)));
            if (!file.isEmpty()) {
                if (const QString extinf = TrackTagReader::extinfLineFor(file); !extinf.isEmpty())
                    read->ownLines.insert(ref, withExtinf(read->texts.ownTexts(ref), extinf));
            }
            ++read->done;
        }
    }));
    m_tagProgress.start();
    emit tagProgressChanged(0);
}

void PlayList::stopReadingTags()
{
    if (m_tagRead)
        m_tagRead->stop = true;
}

void PlayList::takeTags()
{
    m_tagProgress.stop();
    const std::shared_ptr<TagRead> read = std::exchange(m_tagRead, {});
    emit tagProgressChanged(-1);
    // Texts made afresh meanwhile no longer answer to the references the worker was given.
    if (!read || read->stop || read->generation != m_model.textsGeneration())
        return;
    std::vector<int> rows;
    QList<PlayListModel::Entry> after;
    for (int row = 0; row < m_model.count(); ++row) {
        const EntryTexts::Ref ref = m_model.refs().at(row);
        const auto found = read->ownLines.constFind(ref);
        if (found == read->ownLines.cend() || *found == m_model.texts().ownTexts(ref))
            continue;
        rows.push_back(row);
        after.append({m_model.texts().text(ref), EntryTexts::writtenAsWindows1252(ref), *found});
    }
    if (rows.empty())
        return;
    const bool extend = !m_model.isExtended();
    if (extend)
        after.append({kExtendedHeader, false, {}});
    // Keeping the new texts may renumber the old ones: the old references are taken after it.
    QList<EntryTexts::Ref> added = m_model.addTexts(after);
    if (added.isEmpty())
        return;
    std::vector<EntryTexts::Ref> before = m_model.refsAt(rows);
    QList<EntryTexts::Ref> headBefore = m_model.head();
    QList<EntryTexts::Ref> headAfter = headBefore;
    if (extend)
        headAfter.prepend(added.takeLast());
    auto *change = new ListEdits::ChangeCommand(m_model, QCoreApplication::translate("PlayList", "Titles from Tags"),
                                                std::move(rows), std::move(before), {added.cbegin(), added.cend()});
    if (extend)
        change->changeHead(std::move(headBefore), std::move(headAfter));
    push(change);
}

void PlayList::append(const QList<PlayListModel::Entry> &entries, int dropBatch)
{
    if (!m_model.isExtended() && m_tagJobs == 0) {
        appendNow(entries, dropBatch);
        return;
    }
    // Entries that bring lines of their own (from another list) keep them.
    const bool tagged = m_model.isExtended();
    ++m_tagJobs;
    QtConcurrent::run(&m_tagWorkers, [given = entries, tagged, folder = folder(), stopped = m_tagsStopped] {
        QList<PlayListModel::Entry> entries = given;
        for (PlayListModel::Entry &entry : entries) {
            if (!tagged || *stopped || !entry.ownLines.isEmpty())
                continue;
            const QString file = fileNamedBy(folder, PlayListEntry::trimBlanks(entry.line));
            if (file.isEmpty())
                continue;
            if (const QString extinf = TrackTagReader::extinfLineFor(file); !extinf.isEmpty())
                entry.ownLines = {extinf};
        }
        return entries;
    }).then(this, [this, dropBatch](const QList<PlayListModel::Entry> &tagged) {
        --m_tagJobs;
        appendNow(tagged, dropBatch);
    });
}

std::shared_ptr<MovedFileProgress> PlayList::findMovedFiles(const EightBitText::Path &root)
{
    if (m_movedLook)
        m_movedLook->stop = true;
    auto progress = std::make_shared<MovedFileProgress>();
    m_movedLook = progress;
    m_movedWatcher.setFuture(
        QtConcurrent::run(&m_tagWorkers, [progress, root, generation = m_model.textsGeneration(),
                                          texts = m_model.texts(), refs = m_model.refs(), folder = folder()] {
            MovedLook look{generation, {}, 0, false};
            QList<MissingEntry> missing;
            for (const EntryTexts::Ref ref : refs) {
                if (progress->stop)
                    break;
                const QString file = fileNamedBy(folder, PlayListEntry::trimBlanks(texts.text(ref)));
                if (!file.isEmpty() && !QFileInfo::exists(file))
                    missing.append({ref, file});
            }
            look.missing = int(missing.size());
            if (!missing.isEmpty() && !progress->stop)
                look.found = MovedFiles::find(missing, root, *progress);
            look.stopped = progress->stop;
            return look;
        }));
    return progress;
}

void PlayList::pointAtMovedFiles(const QList<MovedFile> &chosen)
{
    if (isBusy())
        return;
    QHash<EntryTexts::Ref, const MovedFile *> byRef;
    for (const MovedFile &moved : chosen)
        byRef.insert(moved.ref, &moved);
    std::vector<int> rows;
    QList<PlayListModel::Entry> after;
    const QString listFolder = folder();
    for (int row = 0; row < m_model.count(); ++row) {
        const EntryTexts::Ref ref = m_model.refs().at(row);
        const MovedFile *moved = byRef.value(ref);
        // An entry that is not the one looked at any more keeps its path.
        if (!moved || fileNamedBy(listFolder, m_model.entryPath(row)) != moved->oldPath)
            continue;
        rows.push_back(row);
        after.append({moved->newPath, moved->newPathWindows1252, m_model.texts().ownTexts(ref)});
    }
    if (rows.empty())
        return;
    // Keeping the new texts may renumber the old ones: the old references are taken after it.
    const QList<EntryTexts::Ref> added = m_model.addTexts(after);
    if (added.isEmpty())
        return;
    std::vector<EntryTexts::Ref> before = m_model.refsAt(rows);
    push(new ListEdits::ChangeCommand(m_model, QCoreApplication::translate("PlayList", "Find Moved Files"),
                                      std::move(rows), std::move(before), {added.cbegin(), added.cend()}));
    checkMissing();
}
