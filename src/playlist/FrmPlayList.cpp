#include "playlist/FrmPlayList.h"

#include "app/AppContext.h"

using namespace Qt::StringLiterals;

FrmPlayList::FrmPlayList(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(u"FrmPlayList"_s);
}
