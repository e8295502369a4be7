#include "app/MDIForm1.h"

#include <QCloseEvent>
#include <QFile>
#include <QMdiArea>

#include "app/AppContext.h"
#include "platform/Folders.h"
#include "playlist/FrmPlayList.h"

using namespace Qt::StringLiterals;

MDIForm1::MDIForm1(AppContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_area(new QMdiArea(this))
{
    setObjectName(u"MDIForm1"_s);
    setWindowTitle(u"TUNARY"_s);
    m_area->setObjectName(u"MdiArea"_s);
    m_area->setBackground(Qt::white);
    setCentralWidget(m_area);
    resize(660, 520);
}

void MDIForm1::MDIForm_Load()
{
    show();
    WindowTable &table = m_context.PlayLists;
    table.resetToOneSlot();
    // Slot 1 holds a window that is never shown, so the first list the user sees has slot 2.
    auto *hidden = new FrmPlayList(m_context, this);
    hidden->hide();
    hidden->setTag(u"1"_s);
    table.setPlayList(1, hidden);
    table.ListSlotAt(1).Changed = false;
}

void MDIForm1::setBackColour(const QColor &colour)
{
    m_area->setBackground(colour);
}

void MDIForm1::closeEvent(QCloseEvent *event)
{
    event->accept();
    MDIForm_Unload();
}

void MDIForm1::MDIForm_Unload()
{
    // A missing play file is not a fault.
    QFile::remove(m_context.platform.folders.playFile());
    emit unloaded();
}
