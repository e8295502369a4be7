// SPDX-License-Identifier: MIT

#include "app/ui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>

#include "app/CommandLine.h"
#include "app/WindowPlacement.h"
#include "core/AppContext.h"
#include "core/WindowHost.h"
#include "platform/Folders.h"
#include "platform/PlayFiles.h"
#include "platform/SafeWrite.h"
#include "playlist/EntryMime.h"
#include "playlist/OpenLists.h"
#include "playlist/PlayList.h"
#include "playlist/Recovery.h"
#include "playlist/ui/PlayListWindow.h"
#include "widgets/MenuCommands.h"

using namespace Qt::StringLiterals;

MainWindow::MainWindow(AppContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_area(new QMdiArea(this))
{
    setObjectName(u"MDIForm1"_s);
    setWindowTitle(u"TUNARY"_s);
    m_area->setObjectName(u"MdiArea"_s);
    m_area->setBackground(Qt::white);
    // A window larger than a small frame can still be reached in full.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    m_menuUpdate.setSingleShot(true);
    m_menuUpdate.setInterval(0);
    connect(&m_menuUpdate, &QTimer::timeout, this, &MainWindow::updateMenuBar);
    buildMenus();
    // Windows come, go, are hidden and activated in many ways (closing, deletion, restoring the frame): the
    // bar is looked at again after each.
    connect(m_area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
        // Files come and go while the list is elsewhere: they are looked for again when it comes to the front.
        if (auto *list = window ? qobject_cast<PlayListWindow *>(window->widget()) : nullptr)
            list->playList()->checkMissing();
        updateMenuBar();
        m_menuUpdate.start();
    });
    // Lists dropped from other programs onto the frame's background open in windows of their own.
    m_area->viewport()->setAcceptDrops(true);
    m_area->viewport()->installEventFilter(this);
    resize(660, 520 + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow()
{
    // The area deactivates its windows as it goes; the menus are gone by then.
    disconnect(m_area, nullptr, this, nullptr);
    m_area->viewport()->removeEventFilter(this);
}

QSize MainWindow::cascadeMinimum()
{
    return QSize(3675 / 15, 5680 / 15);
}

void MainWindow::buildMenus()
{
    AppContext &context = m_context;
    QMenu *CmdFile = addNamedMenu(this, u"CmdFile"_s, tr("&File"));
    addCommand(CmdFile, u"MnuNew"_s, tr("&New Play List"), QKeySequence(u"Ctrl+N"_s),
               [&context] { OpenLists::newPlayList(context); });
    addCommand(CmdFile, u"MnuLoad"_s, tr("&Open Play List"), QKeySequence(u"Ctrl+O"_s),
               [&context] { context.host().openFinder(FinderMode::Lists); });
    addSeparator(CmdFile, u"sepx"_s);
    addCommand(CmdFile, u"MnuExit"_s, tr("&Exit"), {}, [this] { close(); });

    QMenu *mnuSetting = addNamedMenu(this, u"mnuSetting"_s, tr("&Settings"));
    addCommand(mnuSetting, u"MnuConfig"_s, tr("&Configuration"), {}, [&context] { context.host().openSettings(); });

    QMenu *mnuWindow = addNamedMenu(this, u"mnuWindow"_s, tr("&Window"));
    addArrangementCommands(
        mnuWindow, [this](Arrangement how) { arrange(how); }, u"mnuhor"_s);

    QMenu *MnuHelp = addNamedMenu(this, u"MnuHelp"_s, tr("&Help"));
    addCommand(MnuHelp, u"MnuHelpme"_s, tr("Help  &What do I do Next "), QKeySequence(Qt::Key_F1),
               [&context] { context.host().showHelp(10); });
    addSeparator(MnuHelp, u"sep99"_s);
    addCommand(MnuHelp, u"MNUABOUT"_s, tr("About TUNARY"), {}, [&context] { context.host().showAbout(); });

    m_menus = {CmdFile, mnuSetting, mnuWindow, MnuHelp};
    updateMenuBar();
}

void MainWindow::updateMenuBar()
{
    // A hidden window (the list in slot 1, a window on its way out) is never the one the user works in; when
    // the window in front closed, the next one down the stack takes its place.
    QMdiSubWindow *window = m_area->currentSubWindow();
    if ((!window || !window->isVisible()) && !QApplication::activeModalWidget()) {
        const QList<QMdiSubWindow *> stack = m_area->subWindowList(QMdiArea::StackingOrder);
        const auto next = std::find_if(stack.rbegin(), stack.rend(), [](QMdiSubWindow *w) { return w->isVisible(); });
        if (next != stack.rend()) {
            window = *next;
            m_area->setActiveSubWindow(window);
        }
    }
    const auto *child = window && window->isVisible() ? dynamic_cast<HasMenus *>(window->widget()) : nullptr;
    const QList<QMenu *> menus = child ? child->menus() : m_menus;
    QList<QAction *> wanted;
    for (QMenu *menu : menus)
        wanted.append(menu->menuAction());
    if (menuBar()->actions() == wanted)
        return;
    menuBar()->clear();
    for (QMenu *menu : menus)
        menuBar()->addMenu(menu);
}

void MainWindow::load()
{
    restoreFrameState();
    keepOnScreen();
    show();
    OpenLists::setUpWindowTable(m_context);
}

PlayListWindow *MainWindow::addPlayListWindow()
{
    auto *list = new PlayListWindow(m_context);
    QMdiSubWindow *window = m_area->addSubWindow(list);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->hide();
    list->setSubWindow(window);
    connect(list, &PlayListWindow::arrangeRequested, this, &MainWindow::arrange);
    connect(list->playList(), &PlayList::showRequested, this, [this, window = QPointer<QMdiSubWindow>(window)] {
        if (window)
            fitIntoArea(window);
    });
    return list;
}

void MainWindow::fitIntoArea(QMdiSubWindow *window)
{
    if (window->isMaximized() || window->isMinimized())
        return;
    const QRect area = m_area->viewport()->rect();
    const QRect fitted = WindowPlacement::fitInside(area, window->geometry());
    if (fitted != window->geometry())
        window->setGeometry(fitted);
}

// The frame, with the title bar and borders the window manager puts around it, stays inside the part of the
// screen that panels leave free, however big it was last time or on another screen.
void MainWindow::keepOnScreen()
{
    const QScreen *screen = this->screen();
    if (!screen || isMaximized() || isFullScreen())
        return;
    const int border = 4;
    const QMargins decoration(border, border + style()->pixelMetric(QStyle::PM_TitleBarHeight), border, border);
    const QRect fitted = WindowPlacement::fitInside(screen->availableGeometry().marginsRemoved(decoration), geometry());
    if (fitted != geometry())
        setGeometry(fitted);
}

void MainWindow::arrange(Arrangement how)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    }
    if (windows.isEmpty())
        return;
    const QRect area = m_area->viewport()->rect();
    if (how == Arrangement::Cascade) {
        // The active window goes last, on top of the others.
        if (QMdiSubWindow *active = m_area->currentSubWindow(); windows.removeOne(active))
            windows.append(active);
        QList<QSize> sizes;
        for (QMdiSubWindow *window : windows)
            sizes.append(window->isMaximized() ? QSize() : window->size());
        const int step = windows.first()->height() - windows.first()->contentsRect().height();
        const QList<QRect> places = WindowPlacement::cascade(area, sizes, cascadeMinimum(), std::max(step, 20));
        for (qsizetype i = 0; i < windows.size(); ++i) {
            windows[i]->showNormal();
            windows[i]->setGeometry(places[i]);
            windows[i]->raise();
        }
        return;
    }
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        QRect cell;
        if (how == Arrangement::TileHorizontally) {
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

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
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
            OpenLists::openListFile(m_context, list);
        return true;
    }
    if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved)
        m_menuUpdate.start();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange || event->type() == QEvent::ActivationChange)
        m_menuUpdate.start();
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        emit minimised();
}

void MainWindow::setBackColour(const QColor &colour)
{
    m_area->setBackground(colour);
}

// Every shown list is asked in turn; the first that refuses keeps the frame, and the rest, open.
void MainWindow::closeEvent(QCloseEvent *event)
{
    const QScopedValueRollback closing(m_closing, true);
    if (!closeListWindows()) {
        event->ignore();
        return;
    }
    event->accept();
    saveFrameState();
    unload();
}

// Boxes are shown on the way, and anything may arrive while one is open: windows are held by guarded pointers.
// The frame itself may be hidden behind its notification icon: its lists are asked all the same.
bool MainWindow::closeListWindows()
{
    QList<QPointer<PlayListWindow>> lists;
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        if (auto *list = qobject_cast<PlayListWindow *>(window->widget()); list && window->isVisibleTo(this))
            lists.append(list);
    }
    QList<QPointer<PlayListWindow>> agreed;
    for (const QPointer<PlayListWindow> &list : std::as_const(lists)) {
        if (!list)
            continue;
        const int slot = list->playList()->slot();
        if (!OpenLists::queryClose(m_context, *list->playList(), true))
            return false;
        // A list whose changes were given up is closed at once, as its slot is free now.
        if (m_context.lists.slotAt(slot).isFree)
            list->closeWithFrame();
        else
            agreed.append(list);
    }
    for (const QPointer<PlayListWindow> &list : std::as_const(agreed)) {
        if (list && !list->closeWithFrame())
            return false;
    }
    return true;
}

void MainWindow::restoreFrameState()
{
    const QString path = m_context.platform.folders.frameStateFile();
    const QFileInfo info(path);
    // Only a small regular file is read: never a pipe or a device standing in its place.
    if (!info.isFile() || info.size() > 64LL * 1024)
        return;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        restoreGeometry(QByteArray::fromBase64(file.readAll().trimmed()));
}

void MainWindow::saveFrameState() const
{
    // Remembering the frame's place is a convenience: a failure here is not worth a message at the end.
    const QString path = m_context.platform.folders.frameStateFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeFileAtomically(path, saveGeometry().toBase64() + '\n');
}

void MainWindow::unload()
{
    PlayFiles::removeAll(m_context.platform.folders.playFile());
    // Every list was saved or its changes refused by now: the removals of their kept copies finish first.
    Recovery::finishWriting();
    emit unloaded();
}
