// SPDX-License-Identifier: MIT

#include "playlist/PlayList.h"

using namespace Qt::StringLiterals;

PlayList::PlayList(QObject *parent)
    : QObject(parent)
    , m_model(this)
{}

void PlayList::setCaption(const QString &caption)
{
    m_caption = caption;
    emit captionChanged(caption);
}

bool PlayList::isUntitled() const
{
    return m_caption.left(8) == u"Untitled"_s;
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

void PlayList::show()
{
    emit showRequested();
}

void PlayList::close()
{
    emit closeRequested();
}
