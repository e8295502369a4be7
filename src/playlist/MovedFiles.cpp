// SPDX-License-Identifier: MIT

#include "playlist/MovedFiles.h"

#include <algorithm>
#include <tuple>

#include <QDir>
#include <QHash>
#include <QSet>
#include <QVarLengthArray>

#include "core/FolderSearch.h"

using namespace Qt::StringLiterals;

namespace MovedFiles {

namespace {

// More extensions than this and the walk takes every file: testing each name against a long list of extensions
// costs more than looking it up.
constexpr qsizetype kMostExtensions = 16;

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

// The name after the last folder of an entry's path, which may come from any system.
QStringView entryName(QStringView path)
{
    qsizetype start = path.size();
    while (start > 0 && !isSeparator(path[start - 1]))
        --start;
    return path.sliced(start);
}

// The name after the last folder of a path the walk found, which names its folders the way this system does.
QStringView foundName(QStringView path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(QDir::separator()));
    return path.sliced(slash + 1);
}

// A name with its letter case folded, as toCaseFolded() does, into the memory `key` already has: the walk folds
// the name of every file it finds.
void foldInto(QString &key, QStringView name)
{
    key.resize(name.size());
    QChar *folded = key.data();
    bool ascii = true;
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t c = name[at].unicode();
        ascii = ascii && c < 0x80;
        folded[at] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c);
    }
    if (!ascii)
        key = std::move(key).toCaseFolded();
}

// Folder names as numbers, letter case folded, so that comparing two paths' folders is comparing numbers.
class FolderNumbers
{
public:
    /** A path's folders: in the path's order, and sorted for counting those shared anywhere. */
    struct Folders
    {
        QVarLengthArray<int, 8> inOrder;
        QVarLengthArray<int, 8> sorted;
    };

    Folders of(QStringView path)
    {
        Folders folders;
        qsizetype start = 0;
        for (qsizetype at = 0; at < path.size(); ++at) {
            if (!isSeparator(path[at]))
                continue;
            if (at > start) {
                const QString name = path.sliced(start, at - start).toString().toCaseFolded();
                auto number = m_numbers.constFind(name);
                if (number == m_numbers.cend())
                    number = m_numbers.insert(name, int(m_numbers.size()));
                folders.inOrder.append(*number);
            }
            start = at + 1;
        }
        folders.sorted = folders.inOrder;
        std::sort(folders.sorted.begin(), folders.sorted.end());
        return folders;
    }

private:
    QHash<QString, int> m_numbers;
};

Likeness compare(const FolderNumbers::Folders &from, const FolderNumbers::Folders &to)
{
    Likeness result;
    for (auto a = from.inOrder.crbegin(), b = to.inOrder.crbegin();
         a != from.inOrder.crend() && b != to.inOrder.crend() && *a == *b; ++a, ++b)
        ++result.fromEnd;
    // Each folder of one path is shared with one folder of the other at most.
    for (auto a = from.sorted.cbegin(), b = to.sorted.cbegin(); a != from.sorted.cend() && b != to.sorted.cend();) {
        if (*a < *b) {
            ++a;
        } else if (*b < *a) {
            ++b;
        } else {
            ++result.anywhere;
            ++a;
            ++b;
        }
    }
    return result;
}

// A file found, made ready to be ranked for every entry of its name.
struct Candidate
{
    const EightBitText::Path *path;
    QStringView name;
    FolderNumbers::Folders folders;
};

// The files found for each name looked for (letter case folded), in the walk's order.
using Wanted = QHash<QString, QList<EightBitText::Path>>;

// The walk's pattern: the extensions of the names looked for ("*.mp3;*.flac"), or every file where a name has
// no extension a pattern can say plainly.
QString patternFor(const Wanted &wanted)
{
    QSet<QString> extensions;
    for (auto name = wanted.keyBegin(); name != wanted.keyEnd(); ++name) {
        const qsizetype dot = name->lastIndexOf(u'.');
        const QStringView extension = QStringView(*name).sliced(dot + 1);
        if (dot < 0 || extension.isEmpty() ||
            !std::all_of(extension.begin(), extension.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            return u"*"_s;
        extensions.insert(u"*."_s + extension);
        if (extensions.size() > kMostExtensions)
            return u"*"_s;
    }
    QStringList patterns(extensions.cbegin(), extensions.cend());
    patterns.sort();
    return patterns.join(u';');
}

// The best files found for one entry, best first: the most alike folders, then a name in the entry's letter case,
// then the shorter path, then the walk's order.
QList<const EightBitText::Path *> ranked(const QString &oldPath, FolderNumbers &numbers,
                                         const QList<Candidate> &candidates)
{
    const FolderNumbers::Folders oldFolders = numbers.of(oldPath);
    const QStringView oldName = entryName(oldPath);
    struct Rank
    {
        Likeness likeness;
        bool sameCase;
        qsizetype length;
        qsizetype index;
    };
    QList<Rank> ranks;
    ranks.reserve(candidates.size());
    for (qsizetype index = 0; index < candidates.size(); ++index) {
        const Candidate &candidate = candidates[index];
        ranks.append(
            {compare(oldFolders, candidate.folders), candidate.name == oldName, candidate.path->text.size(), index});
    }
    const auto kept = ranks.begin() + std::min(ranks.size(), kMostOthers + 1);
    std::partial_sort(ranks.begin(), kept, ranks.end(), [](const Rank &a, const Rank &b) {
        return std::tie(b.likeness.fromEnd, b.likeness.anywhere, b.sameCase, a.length, a.index) <
               std::tie(a.likeness.fromEnd, a.likeness.anywhere, a.sameCase, b.length, b.index);
    });
    QList<const EightBitText::Path *> best;
    for (auto rank = ranks.begin(); rank != kept; ++rank)
        best.append(candidates[rank->index].path);
    return best;
}

} // namespace

Likeness likeness(QStringView oldPath, QStringView newPath)
{
    FolderNumbers numbers;
    return compare(numbers.of(oldPath), numbers.of(newPath));
}

QList<MovedFile> find(const QList<MissingEntry> &missing, const EightBitText::Path &root, MovedFileProgress &progress)
{
    Wanted wanted;
    wanted.reserve(missing.size());
    QStringList keys;
    keys.reserve(missing.size());
    for (const MissingEntry &entry : missing) {
        keys.append(entryName(entry.file).toString().toCaseFolded());
        if (!keys.back().isEmpty())
            wanted.insert(keys.back(), {});
    }
    if (wanted.isEmpty())
        return {};

    QString lastFolder;
    QString key;
    const auto take = [&](const PathBatch &batch) {
        qint64 folders = 0;
        qint64 found = 0;
        for (qsizetype index = 0; index < batch.size(); ++index) {
            const QStringView path = batch.at(index);
            const QStringView name = foundName(path);
            const QStringView folder = path.first(path.size() - name.size());
            if (folder != lastFolder) {
                lastFolder = folder.toString();
                ++folders;
            }
            foldInto(key, name);
            const auto match = wanted.find(key);
            if (match != wanted.end()) {
                match->append(batch.pathAt(index));
                ++found;
            }
        }
        progress.folders += folders;
        progress.files += batch.size();
        progress.found += found;
    };
    FolderWalk::search(root, patternFor(wanted), FolderWalk::NameBytes::Any, progress.stop, take,
                       FolderWalk::Threads::Two);

    QList<MovedFile> results;
    FolderNumbers numbers;
    // The files found are made ready for ranking once for all the entries of their name; most names need none.
    QHash<QString, QList<Candidate>> candidatesOf;
    for (qsizetype index = 0; index < missing.size(); ++index) {
        const MissingEntry &entry = missing[index];
        const QString &name = keys[index];
        const auto match = wanted.constFind(name);
        if (match == wanted.cend() || match->isEmpty())
            continue;
        if (match->size() == 1) {
            results.append({entry.ref, entry.file, match->first().text, match->first().windows1252, {}});
            continue;
        }
        QList<Candidate> &candidates = candidatesOf[name];
        if (candidates.isEmpty()) {
            for (const EightBitText::Path &path : *match)
                candidates.append({&path, foundName(path.text), numbers.of(path.text)});
        }
        const QList<const EightBitText::Path *> best = ranked(entry.file, numbers, candidates);
        MovedFile moved{entry.ref, entry.file, best.first()->text, best.first()->windows1252, {}};
        for (qsizetype rank = 1; rank < best.size(); ++rank)
            moved.others.append(best[rank]->text);
        results.append(std::move(moved));
    }
    return results;
}

} // namespace MovedFiles
