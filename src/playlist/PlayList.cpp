// SPDX-License-Identifier: MIT

#include "playlist/PlayList.h"

using namespace Qt::StringLiterals;

PlayList::PlayList(QObject *parent)
    : QObject(parent)
    , m_model(this)
{
    // Each step keeps only what it changed; a hundred of them are enough to take back a slip.
    m_undo.setUndoLimit(100);
    connect(&m_model, &PlayListModel::historyLost, &m_undo, &QUndoStack::clear);
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
