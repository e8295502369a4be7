// SPDX-License-Identifier: MIT

#include "playlist/PlayList.h"

#include <algorithm>

#include "playlist/ListEdits.h"

using namespace Qt::StringLiterals;

PlayList::PlayList(QObject *parent)
    : QObject(parent)
    , m_model(this)
{
    // Each step keeps only what it changed; a hundred of them are enough to take back a slip.
    m_undo.setUndoLimit(100);
    connect(&m_model, &PlayListModel::historyLost, this, &PlayList::forgetHistory);
    connect(&m_undo, &QUndoStack::indexChanged, this, &PlayList::updateChanged);
    connect(&m_undo, &QUndoStack::cleanChanged, this, &PlayList::updateChanged);
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
    return isUntitled() ? u"Untitled "_s + QString::number(m_slot - 1) : m_path;
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
