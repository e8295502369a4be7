// SPDX-License-Identifier: MIT

// The editing commands of a list, and the look for the files its entries name.
#include <memory>
#include <numeric>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include "core/PauseWatch.h"
#include "playlist/ListEdits.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListEntry.h"
#include "playlist/RelativePath.h"

using namespace Qt::StringLiterals;

namespace {

// How long after a list opens or comes to the front its files are looked for.
constexpr int kMissingCheckDelayMs = 300;

using ListEdits::EntriesCommand;

// The name of a step, as the undo stack shows it.
QString stepText(const char *text)
{
    return QCoreApplication::translate("PlayList", text);
}

// Comments and directives ("#...") and addresses of streams ("scheme://...") name no file of this system.
bool namesAFile(const QString &path)
{
    return !path.startsWith(u'#') && !path.contains(u"://"_s);
}

// Two entries name the same file when their resolved paths match; a Windows path with a drive letter in any
// letter case, as that system does.
QString sameFileKey(const QString &file)
{
    QString key = QDir::cleanPath(QString(file).replace(u'\\', u'/'));
    const bool drivePath = key.size() >= 2 && key[1] == u':' && key[0].isLetter();
    if (!drivePath)
        return key;
    // Most paths are plain ASCII, lowered here without the Unicode tables; the others are lowered in full.
    for (QChar &c : key) {
        if (c.unicode() >= 128)
            return key.toLower();
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return key;
}

std::vector<int> missingRows(const PlayList &list)
{
    std::vector<int> rows;
    const QString folder = list.folder();
    for (int row = 0; row < list.model().count(); ++row) {
        const QString file = fileNamedBy(folder, list.model().entryPath(row));
        if (!file.isEmpty() && !QFileInfo::exists(file))
            rows.push_back(row);
    }
    return rows;
}

std::vector<int> duplicateRows(const PlayList &list)
{
    std::vector<int> rows;
    QSet<QString> seen;
    const QString folder = list.folder();
    for (int row = 0; row < list.model().count(); ++row) {
        const QString path = list.model().entryPath(row);
        if (path.startsWith(u'#'))
            continue;
        const QString file = fileNamedBy(folder, path);
        const qsizetype before = seen.size();
        seen.insert(file.isEmpty() ? path : sameFileKey(file));
        if (seen.size() == before)
            rows.push_back(row);
    }
    return rows;
}

// Rewrites entries between relative and absolute; a named list only, as relative paths need its folder.
std::unique_ptr<QUndoCommand> changePaths(PlayList &list, bool relative)
{
    PlayListModel &model = list.model();
    if (list.isUntitled())
        return nullptr;
    const QString listFolder = list.folder();
    const QDir folder(listFolder);
    std::vector<int> rows;
    QList<PlayListModel::Entry> after;
    for (int row = 0; row < model.count(); ++row) {
        const QString path = model.entryPath(row);
        if (!namesAFile(path) || isRelativeEntry(path) == relative)
            continue;
        QString changed;
        if (relative) {
            const QString inside = folder.relativeFilePath(QDir::fromNativeSeparators(path));
            if (inside.startsWith(u"../"_s) || inside == u".."_s || QDir::isAbsolutePath(inside))
                continue;
            changed = QDir::toNativeSeparators(inside);
        } else {
            changed = fileNamedBy(listFolder, path);
        }
        rows.push_back(row);
        const EntryTexts::Ref ref = model.refs().at(row);
        after.append({changed, EntryTexts::writtenAsWindows1252(ref), model.texts().ownTexts(ref)});
    }
    if (rows.empty())
        return nullptr;
    // Keeping the new texts may renumber the old ones: the old references are taken after it.
    const QList<EntryTexts::Ref> added = model.addTexts(after);
    if (added.isEmpty())
        return nullptr;
    std::vector<EntryTexts::Ref> before = model.refsAt(rows);
    std::vector<EntryTexts::Ref> newRefs(added.cbegin(), added.cend());
    const char *text =
        relative ? QT_TRANSLATE_NOOP("PlayList", "Relative Paths") : QT_TRANSLATE_NOOP("PlayList", "Absolute Paths");
    return std::make_unique<ListEdits::ChangeCommand>(model, stepText(text), std::move(rows), std::move(before),
                                                      std::move(newRefs));
}

} // namespace

QString PlayList::folder() const
{
    return isUntitled() ? QString() : QFileInfo(PlayListEntry::trimBlanks(m_path)).absolutePath();
}

// The files are looked for a little after the list shows or comes to the front, so that showing it and
// working in it come first; a list closed by then is not looked at.
void PlayList::checkMissing()
{
    QTimer::singleShot(kMissingCheckDelayMs, this, [this] { lookForMissing(); });
}

void PlayList::lookForMissing()
{
    // The worker is given the texts and references, which it shares with the list rather than copies; the
    // marks are taken only if the entries are still those looked at.
    m_lookWatcher.setFuture(QtConcurrent::run(
        &m_workers, [texts = m_model.texts(), refs = m_model.refs(), folder = folder(), stopped = m_model.beginLook()] {
            MissingLook look{texts.size(), refs, std::vector<bool>(size_t(refs.size()), false)};
            for (qsizetype i = 0; i < refs.size(); ++i) {
                if (*stopped) {
                    look.missing.reset();
                    break;
                }
                const QString file = fileNamedBy(folder, PlayListEntry::trimBlanks(texts.text(refs[i])));
                (*look.missing)[size_t(i)] = !file.isEmpty() && !QFileInfo::exists(file);
            }
            return look;
        }));
}

void PlayList::takeMissingLook()
{
    MissingLook look = m_lookWatcher.result();
    if (look.missing && m_model.texts().size() == look.textsSize && m_model.refs() == look.refs)
        m_model.setMissing(std::move(*look.missing));
}

void PlayList::edit(Edit edit)
{
    const PauseWatch::Step step("editing a list");
    // A list being read takes its entries from its file alone.
    if (isBusy())
        return;
    // Deleting, moving and clearing count as changes even where they find nothing to do, as a drop of nothing
    // does; the other commands change the list only when they change its entries.
    PlayListModel &model = m_model;
    const auto remove = [this, &model](const char *text, PlayListModel::RemovalPlan plan) {
        if (plan.rows.empty())
            return false;
        push(new EntriesCommand(model, stepText(text), std::move(plan)));
        return true;
    };
    switch (edit) {
    case Edit::RemoveOne:
        remove(QT_TRANSLATE_NOOP("PlayList", "Remove an Entry"), model.removeOnePlan());
        break;
    case Edit::RemoveSelected:
    case Edit::DeleteKey: {
        PlayListModel::RemovalPlan plan = model.removeSelectedPlan();
        if (plan.rows.empty()) {
            // Nothing to remove still selects around the caret.
            model.select(plan.after);
            markChanged();
        } else {
            remove(QT_TRANSLATE_NOOP("PlayList", "Remove the Selected Entries"), std::move(plan));
        }
        break;
    }
    case Edit::MoveUp:
    case Edit::MoveDown: {
        const int caret = model.currentIndex();
        const int to = edit == Edit::MoveUp ? caret - 1 : caret + 1;
        if (caret >= 0 && to >= 0 && to < model.count())
            push(new ListEdits::MoveCommand(model, stepText(QT_TRANSLATE_NOOP("PlayList", "Move")), caret, to));
        else
            markChanged();
        break;
    }
    case Edit::Clear:
        if (!remove(QT_TRANSLATE_NOOP("PlayList", "Clear"), model.clearPlan()))
            markChanged();
        break;
    case Edit::SelectAll:
        model.selectAll();
        break;
    case Edit::Sort:
        sortEntries();
        break;
    case Edit::RemoveMissing:
        remove(QT_TRANSLATE_NOOP("PlayList", "Remove Missing"), model.rowsPlan(missingRows(*this)));
        break;
    case Edit::RemoveDuplicates:
        remove(QT_TRANSLATE_NOOP("PlayList", "Remove Duplicates"), model.rowsPlan(duplicateRows(*this)));
        break;
    case Edit::MakeRelative:
    case Edit::MakeAbsolute:
        if (std::unique_ptr<QUndoCommand> change = changePaths(*this, edit == Edit::MakeRelative))
            push(change.release());
        break;
    }
}

void PlayList::appendNow(const QList<PlayListModel::Entry> &entries, int dropBatch)
{
    if (entries.isEmpty())
        return;
    const QList<EntryTexts::Ref> refs = m_model.addTexts(entries);
    if (refs.isEmpty())
        return;
    PlayListModel::Removal added{std::vector<int>(size_t(refs.size())), {refs.cbegin(), refs.cend()}};
    std::iota(added.rows.begin(), added.rows.end(), m_model.count());
    push(new EntriesCommand(m_model, stepText(QT_TRANSLATE_NOOP("PlayList", "Add")), std::move(added), dropBatch));
}

bool PlayList::drop(const QList<PlayListModel::Entry> &entries)
{
    if (!m_takesDrops || isBusy())
        return false;
    if (entries.isEmpty())
        markChanged();
    else
        append(entries);
    return true;
}

void PlayList::undo()
{
    m_undo.undo();
    // Entries that come back are looked for again, as their marks went with them.
    checkMissing();
}

void PlayList::redo()
{
    m_undo.redo();
    checkMissing();
}
