#include "app/MDIForm1.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "app/AppContext.h"
#include "app/CommandLine.h"
#include "app/HandOff.h"
#include "app/MenuCommands.h"
#include "app/StartUp.h"
#include "app/WindowHost.h"
#include "platform/Folders.h"
#include "playlist/EntryMime.h"
#include "playlist/FrmPlayList.h"
#include "playlist/PlayListCommands.h"

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
    buildMenus();
    connect(m_area, &QMdiArea::subWindowActivated, this, &MDIForm1::showMenusOf);
    // Lists dropped from other programs onto the frame's background open in windows of their own.
    m_area->viewport()->setAcceptDrops(true);
    m_area->viewport()->installEventFilter(this);
    shell_timer.setInterval(1000);
    connect(&shell_timer, &QTimer::timeout, this, &MDIForm1::shell_timer_Timer);
    resize(660, 520 + menuBar()->sizeHint().height());
}

MDIForm1::~MDIForm1()
{
    // The area deactivates its windows as it goes; the menus are gone by then.
    disconnect(m_area, nullptr, this, nullptr);
}

void MDIForm1::buildMenus()
{
    AppContext &context = m_context;
    QMenu *CmdFile = addNamedMenu(this, u"CmdFile"_s, u"&File"_s);
    addCommand(CmdFile, u"MnuNew"_s, u"&New Play List"_s, QKeySequence(u"Ctrl+N"_s),
               [&context] { PlayListCommands::NewPlayList(context); });
    addCommand(CmdFile, u"MnuLoad"_s, u"&Open Play List"_s, QKeySequence(u"Ctrl+O"_s),
               [&context] { context.host().OpenFileFinder(0); });
    addSeparator(CmdFile, u"sepx"_s);
    addCommand(CmdFile, u"MnuExit"_s, u"&Exit"_s, {}, [this] { close(); });

    QMenu *mnuSetting = addNamedMenu(this, u"mnuSetting"_s, u"&Settings"_s);
    addCommand(mnuSetting, u"MnuConfig"_s, u"&Configuration"_s, {}, [&context] { context.host().OpenSettings(); });

    QMenu *mnuWindow = addNamedMenu(this, u"mnuWindow"_s, u"&Window"_s);
    addCommand(mnuWindow, u"mnucas"_s, u"&Cascade"_s, {}, [this] { arrange(Cascade); });
    addCommand(mnuWindow, u"mnuhor"_s, u"Tile &Horizontally"_s, {}, [this] { arrange(TileHorizontally); });
    addCommand(mnuWindow, u"mnuver"_s, u"Tile &Vertically"_s, {}, [this] { arrange(TileVertically); });

    QMenu *MnuHelp = addNamedMenu(this, u"MnuHelp"_s, u"&Help"_s);
    addCommand(MnuHelp, u"MnuHelpme"_s, u"Help  &What do I do Next "_s, QKeySequence(Qt::Key_F1),
               [&context] { context.host().ShowHelp(10); });
    addSeparator(MnuHelp, u"sep99"_s);
    addCommand(MnuHelp, u"MNUABOUT"_s, u"About TUNARY"_s, {}, [&context] { context.host().showAbout(); });

    m_menus = {CmdFile, mnuSetting, mnuWindow, MnuHelp};
    showMenusOf(nullptr);
}

void MDIForm1::showMenusOf(QMdiSubWindow *window)
{
    const auto *child = window ? dynamic_cast<HasMenus *>(window->widget()) : nullptr;
    const QList<QMenu *> menus = child ? child->menus() : m_menus;
    menuBar()->clear();
    for (QMenu *menu : menus)
        menuBar()->addMenu(menu);
}

void MDIForm1::MDIForm_Load()
{
    show();
    PlayListCommands::setUpWindowTable(m_context);
    shell_timer.start();
}

// The timer is off while a hand-off is taken, so no hand-off is taken twice at once.
void MDIForm1::shell_timer_Timer()
{
    if (!shell_timer.isActive() || !HandOff::isWaiting(m_context.platform.folders.handOffFile()))
        return;
    shell_timer.stop();
    StartUp::TakeHandOff(m_context);
    shell_timer.start();
}

FrmPlayList *MDIForm1::addPlayListWindow()
{
    auto *list = new FrmPlayList(m_context);
    QMdiSubWindow *window = m_area->addSubWindow(list);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->hide();
    list->setSubWindow(window);
    connect(list, &FrmPlayList::arrangeRequested, this, [this](int how) { arrange(Arrangement(how)); });
    return list;
}

void MDIForm1::arrange(Arrangement how)
{
    if (how == Cascade) {
        m_area->cascadeSubWindows();
        return;
    }
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    }
    if (windows.isEmpty())
        return;
    const QRect area = m_area->viewport()->rect();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        QRect cell;
        if (how == TileHorizontally) {
            const int top = area.height() * i / count;
            cell = QRect(0, top, area.width(), area.height() * (i + 1) / count - top);
        } else {
            const int left = area.width() * i / count;
            cell = QRect(left, 0, area.width() * (i + 1) / count - left, area.height());
        }
        windows[i]->showNormal();
        windows[i]->setGeometry(cell);
    }
}

bool MDIForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_area->viewport())
        return QMainWindow::eventFilter(watched, event);
    auto listsIn = [](const QMimeData *data) {
        QStringList lists;
        for (const QString &path : EntryMime::localPaths(data)) {
            if (CommandLine::isPlayListName(path) && QFileInfo(path).isFile())
                lists.append(path);
        }
        return lists;
    };
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!EntryMime::hasEntries(drag->mimeData()) && !listsIn(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList lists = listsIn(drop->mimeData());
        drop->acceptProposedAction();
        for (const QString &list : lists)
            PlayListCommands::LoadPlayList(m_context, list);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        emit minimised();
}

void MDIForm1::setBackColour(const QColor &colour)
{
    m_area->setBackground(colour);
}

// Every shown list is asked in turn; the first that refuses keeps the frame, and the rest, open.
void MDIForm1::closeEvent(QCloseEvent *event)
{
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        auto *list = qobject_cast<FrmPlayList *>(window->widget());
        if (!window->isVisible() || !list)
            continue;
        if (!list->closeWithFrame()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    MDIForm_Unload();
}

void MDIForm1::MDIForm_Unload()
{
    // A missing play file is not a fault.
    QFile::remove(m_context.platform.folders.playFile());
    emit unloaded();
}
