// SPDX-License-Identifier: MIT

#include "playlist/FrmPlayList.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QListView>
#include <QLoggingCategory>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScopedValueRollback>

#include "core/AppContext.h"
#include "core/FolderSearch.h"
#include "core/MenuCommands.h"
#include "core/WindowHost.h"
#include "platform/MessageBoxes.h"
#include "playlist/EntryMime.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"

using namespace Qt::StringLiterals;
using PlayListCommands::Edit;

Q_LOGGING_CATEGORY(lcPlayList, "tunary.playlist", QtInfoMsg)

FrmPlayList::FrmPlayList(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_list(new PlayList(this))
    , Lst1(new QListView(this))
{
    setObjectName(u"FrmPlayList"_s);
    Lst1->setObjectName(u"Lst1"_s);
    Lst1->setModel(&m_list->model());
    Lst1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Lst1->setUniformItemSizes(true);
    Lst1->setLayoutMode(QListView::Batched);
    Lst1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lst1->setContextMenuPolicy(Qt::NoContextMenu);
    Lst1->setFont(QFont(u"Courier New"_s, 8));
    Lst1->setDragEnabled(true);
    Lst1->setAcceptDrops(true);
    Lst1->viewport()->setAcceptDrops(true);
    Lst1->setDragDropMode(QAbstractItemView::DragDrop);
    Lst1->setDefaultDropAction(Qt::CopyAction);
    Lst1->installEventFilter(this);
    Lst1->viewport()->installEventFilter(this);
    droptime.setInterval(1000);
    droptime.setSingleShot(true);
    connect(&droptime, &QTimer::timeout, this, [this] { PlayListCommands::droptime_Timer(m_context, *m_list); });
    m_dropSearch = new FolderSearch(this);
    connect(m_dropSearch, &FolderSearch::found, this, [this](const PathBatch &paths) {
        QList<PlayListModel::Entry> entries;
        entries.reserve(paths.size());
        for (qsizetype index = 0; index < paths.size(); ++index)
            entries.append({paths.at(index).toString(), false});
        m_list->model().appendEntries(entries);
    });

    PlayListModel &model = m_list->model();
    connect(Lst1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, &model](const QItemSelection &selected, const QItemSelection &deselected) {
                if (!m_syncingSelection)
                    model.applyViewSelection(selected, deselected);
            });
    connect(Lst1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, &model](const QModelIndex &current) {
                if (!m_syncingSelection)
                    model.applyViewCurrent(current.row());
            });
    connect(&model, &PlayListModel::selectionReplaced, this, &FrmPlayList::takeSelectionFromModel);
    connect(&model, &PlayListModel::currentIndexMoved, this, [this, &model](int row) {
        const QScopedValueRollback<bool> syncing(m_syncingSelection, true);
        Lst1->selectionModel()->setCurrentIndex(model.index(row), QItemSelectionModel::NoUpdate);
    });

    connect(m_list, &PlayList::captionChanged, this, [this](const QString &caption) {
        setWindowTitle(caption);
        qCDebug(lcPlayList) << "caption:" << caption;
    });
    connect(m_list, &PlayList::listFontChanged, this, [this](const QString &family) {
        QFont font = Lst1->font();
        font.setFamily(family);
        Lst1->setFont(font);
    });
    connect(m_list, &PlayList::sizeRequested, this, [this](const QSize &size) {
        if (m_subWindow)
            m_subWindow->resize(size);
        else
            resize(size);
    });
    connect(m_list, &PlayList::showRequested, this, [this] {
        QWidget *window = m_subWindow ? static_cast<QWidget *>(m_subWindow) : this;
        window->show();
        show();
        if (m_subWindow && m_subWindow->mdiArea())
            m_subWindow->mdiArea()->setActiveSubWindow(m_subWindow);
        Lst1->setFocus();
    });
    connect(m_list, &PlayList::closeRequested, this, [this] {
        if (m_subWindow)
            m_subWindow->close();
        else
            close();
    });

    buildMenus();
}

void FrmPlayList::buildMenus()
{
    AppContext &context = m_context;
    PlayList &list = *m_list;
    auto edit = [&context, &list](Edit command) {
        return [&context, &list, command] { runEdit(context, list, command); };
    };
    auto play = [&context, &list](int mode) {
        return [&context, &list, mode] { PlayListCommands::playsong(context, list, mode); };
    };

    QMenu *MnuFile = addNamedMenu(this, u"MnuFile"_s, u"&File"_s);
    addCommand(MnuFile, u"MnuNew"_s, u"&New Play List"_s, QKeySequence(u"Ctrl+N"_s),
               [&context] { PlayListCommands::NewPlayList(context); });
    addCommand(MnuFile, u"MnuLoad"_s, u"&Open Play List"_s, {}, [&context] { context.host().OpenFileFinder(0); });
    addCommand(MnuFile, u"MnuSave"_s, u"&Save"_s, QKeySequence(u"Ctrl+S"_s),
               [&context, &list] { PlayListCommands::MnuSave_Click(context, list); });
    addCommand(MnuFile, u"MnuSaveAs"_s, u"Save &As"_s, {},
               [&context, &list] { PlayListCommands::MnuSaveAs_Click(context, list); });
    addSeparator(MnuFile, u"mnusep3"_s);
    addCommand(MnuFile, u"MnuExit"_s, u"&Exit"_s, {}, [&context] { context.host().closeFrame(); });

    MnuList = addNamedMenu(this, u"MnuList"_s, u"&Play List"_s);
    QMenu *MnuAdd = MnuList->addMenu(u"&Add"_s);
    MnuAdd->setObjectName(u"MnuAdd"_s);
    addCommand(MnuAdd, u"MnuAddfile"_s, u"Add &Mp3"_s, QKeySequence(u"Ctrl+A"_s),
               [&context] { context.host().OpenFileFinder(1); });
    addSeparator(MnuList, u"mnsep2"_s);
    QMenu *mnuRemove = MnuList->addMenu(u"&Remove "_s);
    mnuRemove->setObjectName(u"mnuRemove"_s);
    addCommand(mnuRemove, u"mnuRemoveone"_s, u"Remove Mp3"_s, {}, edit(Edit::RemoveOne));
    addCommand(mnuRemove, u"mnuRemoveSelected"_s, u"Remove selected Mp3s"_s, {}, edit(Edit::RemoveSelected));
    QMenu *mnuplay = MnuList->addMenu(u"&Play"_s);
    mnuplay->setObjectName(u"mnuplay"_s);
    addCommand(mnuplay, u"MnuPlaySS"_s, u"Play &Single Mp3"_s, {}, play(1));
    addCommand(mnuplay, u"MnuPlaySelect"_s, u"Play S&elected Mp3s"_s, QKeySequence(u"Ctrl+E"_s), play(2));
    addCommand(mnuplay, u"MnuPlayWhole"_s, u"Play whole &List"_s, QKeySequence(u"Ctrl+P"_s), play(3));
    addCommand(MnuList, u"mnusort"_s, u"S&ort List "_s, QKeySequence(u"Ctrl+O"_s), edit(Edit::Sort));
    addSeparator(MnuList, u"MnuSep1"_s);
    addCommand(MnuList, u"mnusel"_s, u"Select A&ll"_s, QKeySequence(u"Ctrl+L"_s), edit(Edit::SelectAll));
    addSeparator(MnuList, u"mnusep4"_s);
    addCommand(MnuList, u"MnuClear"_s, u"Clea&r list"_s, QKeySequence(u"Ctrl+R"_s), edit(Edit::Clear));
    addCommand(MnuList, u"MnuClose"_s, u"&Close List"_s, QKeySequence(u"Ctrl+Z"_s), [&list] { list.close(); });

    QMenu *mnuSettings = addNamedMenu(this, u"mnuSettings"_s, u"&Settings"_s);
    addCommand(mnuSettings, u"mnuSet"_s, u"&Configuration"_s, {}, [&context] { context.host().OpenSettings(); });

    mnuWindow = addNamedMenu(this, u"mnuWindow"_s, u"&Window"_s);
    connect(mnuWindow, &QMenu::aboutToShow, this, &FrmPlayList::fillWindowMenu);
    fillWindowMenu();

    QMenu *MnuHelp = addNamedMenu(this, u"MnuHelp"_s, u"&Help"_s);
    addCommand(MnuHelp, u"mnuplayhelp"_s, u"Help for &Playlists"_s, {},
               [&context] { context.host().showPlayListHelp(); });
    addSeparator(MnuHelp, u"mnusep2"_s);
    addCommand(MnuHelp, u"MNUABOUT"_s, u"About TUNARY"_s, {}, [&context] { context.host().showAbout(); });

    m_menus = {MnuFile, MnuList, mnuSettings, mnuWindow, MnuHelp};
}

// The arrangement commands, then one entry per open list window, the active one checked.
void FrmPlayList::fillWindowMenu()
{
    mnuWindow->clear();
    addCommand(mnuWindow, u"mnucas"_s, u"&Cascade"_s, {}, [this] { emit arrangeRequested(0); });
    addCommand(mnuWindow, u"mnuh"_s, u"Tile &Horizontally"_s, {}, [this] { emit arrangeRequested(1); });
    addCommand(mnuWindow, u"mnuver"_s, u"Tile &Vertically"_s, {}, [this] { emit arrangeRequested(2); });
    addWindowList(mnuWindow, m_subWindow ? m_subWindow->mdiArea() : nullptr);
}

void FrmPlayList::takeSelectionFromModel()
{
    const PlayListModel &model = m_list->model();
    QItemSelection selection;
    int runStart = -1;
    for (int row = 0; row <= model.count(); ++row) {
        const bool selected = row < model.count() && model.isSelected(row);
        if (selected && runStart < 0) {
            runStart = row;
        } else if (!selected && runStart >= 0) {
            selection.select(model.index(runStart), model.index(row - 1));
            runStart = -1;
        }
    }
    const QScopedValueRollback<bool> syncing(m_syncingSelection, true);
    Lst1->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

bool FrmPlayList::closeWithFrame()
{
    m_closingWithFrame = true;
    const bool closed = m_subWindow ? m_subWindow->close() : close();
    m_closingWithFrame = false;
    return closed;
}

void FrmPlayList::closeEvent(QCloseEvent *event)
{
    if (!PlayListCommands::Form_QueryUnload(m_context, *m_list, m_closingWithFrame)) {
        event->ignore();
        return;
    }
    event->accept();
    // The window is on its way out: the next list of its slot gets a window of its own.
    if (m_context.PlayLists.PlayListAt(m_list->slot()) == m_list)
        m_context.PlayLists.setPlayList(m_list->slot(), nullptr);
}

void FrmPlayList::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

// The list fills the window inside a margin; a window too low for it keeps the list's last height.
void FrmPlayList::Form_Resize()
{
    constexpr int margin = 8;
    int listHeight = Lst1->height();
    if (height() > 2 * margin)
        listHeight = height() - 2 * margin;
    Lst1->setGeometry(margin, margin, std::max(width() - 2 * margin, 0), listHeight);
}

bool FrmPlayList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Lst1 && event->type() == QEvent::KeyPress)
        return Lst1_KeyDown(static_cast<QKeyEvent *>(event));
    if (watched == Lst1->viewport()) {
        if (Lst1_DragEvent(event))
            return true;
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            PlayListCommands::Lst1_MouseDown(m_context, *m_list);
            droptime.start();
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            MnuList->popup(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            PlayListCommands::playsong(m_context, *m_list, 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Drops of entries from the program's lists, and of MP3 files and folders from other programs.
bool FrmPlayList::Lst1_DragEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (EntryMime::hasEntries(drag->mimeData()) || !EntryMime::localPaths(drag->mimeData()).isEmpty()) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QMimeData *data = drop->mimeData();
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (EntryMime::hasEntries(data)) {
            PlayListCommands::Lst1_DragDrop(m_context, *m_list, EntryMime::entries(data));
        } else {
            const QStringList paths = EntryMime::localPaths(data);
            if (PlayListCommands::Lst1_DragDrop(m_context, *m_list, {}))
                m_dropSearch->startMany(paths, QStringLiteral("*.mp3"));
        }
        return true;
    }
    default:
        return false;
    }
}

// True when the key is used up here; Ctrl+Up and Ctrl+Down also go on to the list, which moves its caret
// with the moved entry.
bool FrmPlayList::Lst1_KeyDown(QKeyEvent *event)
{
    const Qt::KeyboardModifiers shift = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        runEdit(m_context, *m_list, Edit::DeleteKey);
        return true;
    case Qt::Key_Up:
        if (shift == Qt::ControlModifier)
            runEdit(m_context, *m_list, Edit::MoveUp);
        return false;
    case Qt::Key_Down:
        if (shift == Qt::ControlModifier)
            runEdit(m_context, *m_list, Edit::MoveDown);
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PlayListCommands::playsong(m_context, *m_list, 1);
        return true;
    case Qt::Key_F1:
        if (shift == (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
            m_context.platform.messageBoxes.show({QCoreApplication::applicationName(), u"I should do suff now!"_s,
                                                  MessageIcon::None, MessageButtons::Ok});
            return true;
        }
        return false;
    default:
        return false;
    }
}
