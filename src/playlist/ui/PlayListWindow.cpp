// SPDX-License-Identifier: MIT

#include "playlist/ui/PlayListWindow.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

#include "core/AppContext.h"
#include "core/FolderSearch.h"
#include "core/MusicFiles.h"
#include "core/WindowHost.h"
#include "platform/MessageBoxes.h"
#include "playlist/EntryMime.h"
#include "playlist/OpenLists.h"
#include "playlist/PlayList.h"
#include "playlist/Player.h"
#include "playlist/ui/MovedFilesDialog.h"
#include "widgets/MenuCommands.h"
#include "widgets/UniformListView.h"

using namespace Qt::StringLiterals;

namespace {

// What the bar over a busy list says it is doing.
QString workCaption(PlayList::Work work)
{
    switch (work) {
    case PlayList::Work::Reading:
        return QCoreApplication::translate("PlayList", "Reading the list...");
    case PlayList::Work::Splitting:
        return QCoreApplication::translate("PlayList", "Splitting the list into entries...");
    case PlayList::Work::Sorting:
        return QCoreApplication::translate("PlayList", "Sorting the list...");
    case PlayList::Work::Saving:
        return QCoreApplication::translate("PlayList", "Saving the list...");
    case PlayList::Work::Playing:
        return QCoreApplication::translate("PlayList", "Playing the list...");
    case PlayList::Work::None:
        break;
    }
    return {};
}

} // namespace
using Edit = PlayList::Edit;
using Player::PlayMode;

Q_LOGGING_CATEGORY(lcPlayList, "tunary.playlist", QtInfoMsg)

PlayListWindow::PlayListWindow(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_list(new PlayList(this))
    , m_view(new UniformListView(this))
    , m_loadingBar(new QWidget(this))
    , m_loadingProgress(new QProgressBar(m_loadingBar))
    , m_tagBar(new QWidget(this))
{
    setObjectName(u"FrmPlayList"_s);
    m_view->setObjectName(u"Lst1"_s);
    m_view->setModel(&m_list->model());
    // The view works on the list's own selection and caret, which the list's commands read and change.
    QItemSelectionModel *ownSelection = m_view->selectionModel();
    m_view->setSelectionModel(m_list->model().selectionModel());
    delete ownSelection;
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setFont(QFont(u"Courier New"_s, 8));
    m_view->setDragEnabled(true);
    m_view->setAcceptDrops(true);
    m_view->viewport()->setAcceptDrops(true);
    m_view->setDragDropMode(QAbstractItemView::DragDrop);
    m_view->setDefaultDropAction(Qt::CopyAction);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    m_dropTimer.setInterval(1000);
    m_dropTimer.setSingleShot(true);
    connect(&m_dropTimer, &QTimer::timeout, this, [this] { m_list->setTakesDrops(true); });
    m_dropSearch = new FolderSearch(this);
    connect(m_dropSearch, &FolderSearch::found, this, [this](const PathBatch &paths) {
        QList<PlayListModel::Entry> entries;
        entries.reserve(paths.size());
        for (qsizetype index = 0; index < paths.size(); ++index)
            entries.append({paths.at(index).toString(), false});
        m_list->append(entries, m_dropBatch);
    });

    connect(m_list, &PlayList::captionChanged, this, [this](const QString &caption) {
        setWindowTitle(caption);
        // A screen reader says the list's file name where the window shows the whole path.
        const qsizetype folderEnd = std::max(caption.lastIndexOf(u'/'), caption.lastIndexOf(u'\\'));
        m_view->setAccessibleName(caption.mid(folderEnd + 1));
        qCDebug(lcPlayList) << "caption:" << caption;
    });
    connect(m_list, &PlayList::listFontChanged, this, [this](const QString &family) {
        QFont font = m_view->font();
        font.setFamily(family);
        m_view->setFont(font);
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
        m_view->setFocus();
    });
    connect(m_list, &PlayList::closeRequested, this, [this] {
        if (m_subWindow)
            m_subWindow->close();
        else
            close();
    });

    m_loadingBar->setObjectName(u"loadingBar"_s);
    m_loadingProgress->setRange(0, 1000);
    auto *cancel = new QPushButton(QCoreApplication::translate("PlayList", "Cancel"), m_loadingBar);
    cancel->setObjectName(u"cmdCancelLoading"_s);
    connect(cancel, &QPushButton::clicked, m_list, &PlayList::cancelWork);
    auto *lines = new QVBoxLayout(m_loadingBar);
    auto *caption = new QLabel(m_loadingBar);
    caption->setObjectName(u"lblWork"_s);
    caption->setBuddy(m_loadingProgress);
    lines->addWidget(caption);
    auto *row = new QHBoxLayout;
    row->addWidget(m_loadingProgress, 1);
    row->addWidget(cancel);
    lines->addLayout(row);
    m_loadingBar->setAutoFillBackground(true);
    m_loadingBar->hide();
    connect(m_list, &PlayList::workChanged, this, [this, cancel, caption](PlayList::Work work, int thousandths) {
        const bool shown = work != PlayList::Work::None;
        m_loadingProgress->setValue(std::max(thousandths, 0));
        caption->setText(workCaption(work));
        // A busy list gives its keys to Cancel; one whose play is written stays open to the user.
        const bool busy = m_list->isBusy();
        if (busy != m_view->isEnabled() && shown == m_loadingBar->isVisible())
            return;
        m_loadingBar->setVisible(shown);
        if (busy == m_view->isEnabled()) {
            m_view->setEnabled(!busy);
            if (busy)
                cancel->setFocus();
            else
                m_view->setFocus();
        }
        layOutList();
    });

    setUpTagBar();
    buildMenus();
}

// While tags are read, a bar over the list tells how far it has come; the list stays at work.
void PlayListWindow::setUpTagBar()
{
    m_tagBar->setObjectName(u"tagBar"_s);
    auto *progress = new QProgressBar(m_tagBar);
    progress->setRange(0, 1000);
    auto *stop = new QPushButton(QCoreApplication::translate("PlayList", "S&top"), m_tagBar);
    stop->setObjectName(u"cmdStopTags"_s);
    connect(stop, &QPushButton::clicked, m_list, &PlayList::stopReadingTags);
    auto *lines = new QVBoxLayout(m_tagBar);
    auto *caption = new QLabel(QCoreApplication::translate("PlayList", "Reading tags..."), m_tagBar);
    caption->setBuddy(progress);
    lines->addWidget(caption);
    auto *row = new QHBoxLayout;
    row->addWidget(progress, 1);
    row->addWidget(stop);
    lines->addLayout(row);
    m_tagBar->setAutoFillBackground(true);
    m_tagBar->hide();
    connect(m_list, &PlayList::tagProgressChanged, this, [this, progress](int thousandths) {
        progress->setValue(std::max(thousandths, 0));
        if ((thousandths >= 0) != m_tagBar->isVisible()) {
            m_tagBar->setVisible(thousandths >= 0);
            layOutList();
        }
    });
}

void PlayListWindow::buildMenus()
{
    AppContext &context = m_context;
    PlayList &list = *m_list;
    auto edit = [&list](Edit command) { return [&list, command] { list.edit(command); }; };
    auto play = [&context, &list](PlayMode mode) {
        return [&context, &list, mode] { Player::play(context, list, mode); };
    };

    QMenu *fileMenu = addNamedMenu(this, u"MnuFile"_s, tr("&File"));
    addCommand(fileMenu, u"MnuNew"_s, tr("&New Play List"), QKeySequence(u"Ctrl+N"_s),
               [&context] { OpenLists::newPlayList(context); });
    addCommand(fileMenu, u"MnuLoad"_s, tr("&Open Play List"), {},
               [&context] { context.host().openFinder(FinderMode::Lists); });
    addCommand(fileMenu, u"MnuSave"_s, tr("&Save"), QKeySequence(u"Ctrl+S"_s),
               [&context, &list] { OpenLists::save(context, list); });
    addCommand(fileMenu, u"MnuSaveAs"_s, tr("Save &As"), {}, [&context, &list] { OpenLists::saveAs(context, list); });
    addSeparator(fileMenu, u"mnusep3"_s);
    addCommand(fileMenu, u"MnuExit"_s, tr("&Exit"), {}, [&context] { context.host().closeFrame(); });

    m_listMenu = addNamedMenu(this, u"MnuList"_s, tr("&Play List"));
    QAction *undo =
        addCommand(m_listMenu, u"MnuUndo"_s, tr("&Undo"), QKeySequence(u"Ctrl+Shift+Z"_s), [this] { m_list->undo(); });
    QAction *redo =
        addCommand(m_listMenu, u"MnuRedo"_s, tr("Re&do"), QKeySequence(u"Ctrl+Y"_s), [this] { m_list->redo(); });
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(&m_list->undoStack(), &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&m_list->undoStack(), &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    addSeparator(m_listMenu, u"mnsepUndo"_s);
    QMenu *addMenu = m_listMenu->addMenu(tr("&Add"));
    addMenu->setObjectName(u"MnuAdd"_s);
    addCommand(addMenu, u"MnuAddfile"_s, tr("Add &Mp3"), QKeySequence(u"Ctrl+A"_s),
               [&context] { context.host().openFinder(FinderMode::Mp3Files); });
    addSeparator(m_listMenu, u"mnsep2"_s);
    QMenu *removeMenu = m_listMenu->addMenu(tr("&Remove "));
    removeMenu->setObjectName(u"mnuRemove"_s);
    addCommand(removeMenu, u"mnuRemoveone"_s, tr("Remove Mp3"), {}, edit(Edit::RemoveOne));
    addCommand(removeMenu, u"mnuRemoveSelected"_s, tr("Remove selected Mp3s"), {}, edit(Edit::RemoveSelected));
    addCommand(removeMenu, u"mnuRemoveMissing"_s, tr("Remove &Missing"), QKeySequence(u"Ctrl+Shift+M"_s),
               edit(Edit::RemoveMissing));
    addCommand(removeMenu, u"mnuRemoveDuplicates"_s, tr("Remove &Duplicates"), QKeySequence(u"Ctrl+Shift+D"_s),
               edit(Edit::RemoveDuplicates));
    // Relative paths need the list's folder: an untitled list has none.
    QMenu *pathsMenu = m_listMenu->addMenu(tr("Pat&hs"));
    pathsMenu->setObjectName(u"mnuPaths"_s);
    QAction *relative =
        addCommand(pathsMenu, u"mnuRelative"_s, tr("&Relative to the List"), {}, edit(Edit::MakeRelative));
    QAction *absolute = addCommand(pathsMenu, u"mnuAbsolute"_s, tr("&Absolute"), {}, edit(Edit::MakeAbsolute));
    connect(m_listMenu, &QMenu::aboutToShow, this, [this, relative, absolute] {
        relative->setEnabled(!m_list->isUntitled());
        absolute->setEnabled(!m_list->isUntitled());
    });
    addCommand(m_listMenu, u"mnuTags"_s, tr("Titles from &Tags"), QKeySequence(u"Ctrl+Shift+T"_s),
               [this] { m_list->titlesFromTags(); });
    addCommand(m_listMenu, u"mnuMoved"_s, tr("Find &Moved Files"), QKeySequence(u"Ctrl+Shift+F"_s),
               [this] { findMovedFiles(); });
    QMenu *playMenu = m_listMenu->addMenu(tr("&Play"));
    playMenu->setObjectName(u"mnuplay"_s);
    addCommand(playMenu, u"MnuPlaySS"_s, tr("Play &Single Mp3"), {}, play(PlayMode::Current));
    addCommand(playMenu, u"MnuPlaySelect"_s, tr("Play S&elected Mp3s"), QKeySequence(u"Ctrl+E"_s),
               play(PlayMode::Selected));
    addCommand(playMenu, u"MnuPlayWhole"_s, tr("Play whole &List"), QKeySequence(u"Ctrl+P"_s), play(PlayMode::All));
    addCommand(m_listMenu, u"mnusort"_s, tr("S&ort List "), QKeySequence(u"Ctrl+O"_s), edit(Edit::Sort));
    addSeparator(m_listMenu, u"MnuSep1"_s);
    addCommand(m_listMenu, u"mnusel"_s, tr("Select A&ll"), QKeySequence(u"Ctrl+L"_s), edit(Edit::SelectAll));
    addSeparator(m_listMenu, u"mnusep4"_s);
    addCommand(m_listMenu, u"MnuClear"_s, tr("Cl&ear list"), QKeySequence(u"Ctrl+R"_s), edit(Edit::Clear));
    addCommand(m_listMenu, u"MnuClose"_s, tr("&Close List"), QKeySequence(u"Ctrl+Z"_s), [&list] { list.close(); });

    QMenu *settingsMenu = addNamedMenu(this, u"mnuSettings"_s, tr("&Settings"));
    addCommand(settingsMenu, u"mnuSet"_s, tr("&Configuration"), {}, [&context] { context.host().openSettings(); });

    m_windowMenu = addNamedMenu(this, u"mnuWindow"_s, tr("&Window"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &PlayListWindow::fillWindowMenu);
    fillWindowMenu();

    QMenu *helpMenu = addNamedMenu(this, u"MnuHelp"_s, tr("&Help"));
    addCommand(helpMenu, u"mnuplayhelp"_s, tr("Help for &Playlists"), {},
               [&context] { context.host().showPlayListHelp(); });
    addSeparator(helpMenu, u"mnusep2"_s);
    addCommand(helpMenu, u"MNUABOUT"_s, tr("About TUNARY"), {}, [&context] { context.host().showAbout(); });

    m_menus = {fileMenu, m_listMenu, settingsMenu, m_windowMenu, helpMenu};
}

// The arrangement commands, then one entry per open list window, the active one checked.
void PlayListWindow::fillWindowMenu()
{
    m_windowMenu->clear();
    addArrangementCommands(m_windowMenu, [this](Arrangement how) { emit arrangeRequested(how); });
    addWindowList(m_windowMenu, m_subWindow ? m_subWindow->mdiArea() : nullptr);
}

bool PlayListWindow::closeWithFrame()
{
    m_closingWithFrame = true;
    const bool closed = m_subWindow ? m_subWindow->close() : close();
    m_closingWithFrame = false;
    return closed;
}

void PlayListWindow::closeEvent(QCloseEvent *event)
{
    if (!OpenLists::queryClose(m_context, *m_list, m_closingWithFrame)) {
        event->ignore();
        return;
    }
    event->accept();
    // The window is on its way out: the next list of its slot gets a window of its own.
    if (m_context.lists.windowAt(m_list->slot()) == m_list)
        m_context.lists.setPlayList(m_list->slot(), nullptr);
}

void PlayListWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOutList();
}

// The list fills the window inside a margin; a window too low for it keeps the list's last height.
void PlayListWindow::layOutList()
{
    constexpr int margin = 8;
    int listHeight = m_view->height();
    if (height() > 2 * margin)
        listHeight = height() - 2 * margin;
    const int listWidth = std::max(width() - 2 * margin, 0);
    m_view->setGeometry(margin, margin, listWidth, listHeight);
    if (m_loadingBar->isVisible())
        m_loadingBar->setGeometry(margin, margin, listWidth, m_loadingBar->sizeHint().height());
    if (m_tagBar->isVisible()) {
        const int barHeight = m_tagBar->sizeHint().height();
        m_tagBar->setGeometry(margin, std::max(margin, margin + listHeight - barHeight), listWidth, barHeight);
    }
}

bool PlayListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress)
        return onListKey(static_cast<QKeyEvent *>(event));
    if (watched == m_view->viewport()) {
        if (onListDrag(event))
            return true;
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_list->setTakesDrops(false);
            m_dropTimer.start();
        }
        // A right press leaves the selection and the caret as they are, for the pop-up's commands to act on.
        if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
            static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
            return true;
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            m_listMenu->popup(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            Player::play(m_context, *m_list, PlayMode::Current);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Drops of entries from the program's lists, and of music files and folders from other programs.
bool PlayListWindow::onListDrag(QEvent *event)
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
            m_list->drop(EntryMime::entries(data));
        } else {
            const QStringList paths = EntryMime::localPaths(data);
            if (m_list->drop({})) {
                ++m_dropBatch;
                m_dropSearch->startMany(paths, MusicPatterns::forDrops());
            }
        }
        return true;
    }
    default:
        return false;
    }
}

// True when the key is used up here. Ctrl+Up and Ctrl+Down move the entry at the caret, and the caret with it.
bool PlayListWindow::onListKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers shift = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        m_list->edit(Edit::DeleteKey);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (shift != Qt::ControlModifier)
            return false;
        m_list->edit(event->key() == Qt::Key_Up ? Edit::MoveUp : Edit::MoveDown);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Player::play(m_context, *m_list, PlayMode::Current);
        return true;
    case Qt::Key_F1:
        if (shift == (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
            m_context.platform.messageBoxes.show({QCoreApplication::applicationName(), tr("I should do suff now!"),
                                                  MessageIcon::None, MessageButtons::Ok});
            return true;
        }
        return false;
    default:
        return false;
    }
}

// The files of missing entries are looked for under the MP3 folder; a dialog shows the search, then what it
// found, and hands back what the user chose.
void PlayListWindow::findMovedFiles()
{
    const SettingsRecord &settings = m_context.settings;
    const EightBitText::Path root{settings.mp3Folder, settings.isWindows1252(&SettingsRecord::mp3Folder)};
    if (root.text.trimmed().isEmpty() || EightBitText::folderState(root) != EightBitText::FolderState::Readable) {
        m_context.platform.messageBoxes.show(
            {QCoreApplication::translate("PlayList", "Find Moved Files"),
             QCoreApplication::translate("PlayList", "The MP3 folder \"%1\" cannot be searched. Choose it in "
                                                     "Settings > Configuration.")
                 .arg(root.text),
             MessageIcon::Warning, MessageButtons::Ok});
        return;
    }
    auto *dialog = new MovedFilesDialog(this);
    dialog->showSearching(m_list->findMovedFiles(root));
    connect(m_list, &PlayList::movedFilesFound, dialog, &MovedFilesDialog::showResults);
    connect(dialog, &MovedFilesDialog::chosen, m_list, &PlayList::pointAtMovedFiles);
    dialog->open();
}
