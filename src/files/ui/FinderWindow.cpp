// SPDX-License-Identifier: MIT

#include "files/ui/FinderWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>

#include "core/AppContext.h"
#include "core/FolderSearch.h"
#include "core/PauseWatch.h"
#include "core/WindowHost.h"
#include "files/Finder.h"
#include "files/PathListModel.h"
#include "files/ui/FolderList.h"
#include "platform/Drives.h"
#include "platform/MessageBoxes.h"
#include "widgets/TabOrder.h"

using namespace Qt::StringLiterals;

namespace {

// The one button searches or, while a search runs, stops it.
QString searchCaption()
{
    return QCoreApplication::translate("FinderWindow", "Se&arch");
}
QString stopCaption()
{
    return QCoreApplication::translate("FinderWindow", "S&top");
}
constexpr int kWidth = 9090 / 15;
constexpr int kHeight = 3210 / 15;
// How often a search shows the results it found meanwhile.
constexpr int kResultsShownMs = 100;

} // namespace

FinderWindow::FinderWindow(AppContext &context, FinderMode mode, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_mode(mode)
    , m_results(new PathListModel(this))
    , m_search(new FolderSearch(this))
    , m_resultView(new QListView(this))
    , m_drives(new QComboBox(this))
    , m_folders(new FolderList(this))
    , m_searchingNote(new QLabel(tr("TUNARY is Searching for files at the moment. Please Wait."), this))
    , m_lookingForLabel(new QLabel(tr("Looking For:"), this))
    , m_pattern(new QLabel(this))
    , m_found(new QLabel(this))
    , m_allMusic(new QCheckBox(tr("All &music files"), this))
    , m_open(new QPushButton(tr("&Open"), this))
    , m_searchButton(new QPushButton(searchCaption(), this))
    , m_close(new QPushButton(tr("&Close"), this))
    , m_help(new QPushButton(tr("He&lp"), this))
{
    setObjectName(u"FrmAddfile"_s);
    const std::pair<QObject *, QString> names[] = {{m_resultView, u"LstFiles"_s},
                                                   {m_drives, u"Drv"_s},
                                                   {m_folders, u"Dir1"_s},
                                                   {m_searchingNote, u"lblwait"_s},
                                                   {m_lookingForLabel, u"Label1"_s},
                                                   {m_pattern, u"LblPat"_s},
                                                   {m_found, u"LblFound"_s},
                                                   {m_open, u"CmdOpen"_s},
                                                   {m_searchButton, u"CmdSearch"_s},
                                                   {m_close, u"cmdClose"_s},
                                                   {m_help, u"CmdHelp"_s}};
    for (const auto &[object, name] : names)
        object->setObjectName(name);
    m_allMusic->setObjectName(u"chkAllMusic"_s);
    // No label stands by these: the window's layout has no room for one.
    m_resultView->setAccessibleName(tr("Files found"));
    m_drives->setAccessibleName(tr("Drive"));

    const Finder::Setup setUp = Finder::setupFor(context, mode);
    setWindowTitle(setUp.caption);
    m_pattern->setText(setUp.shownPattern);
    lookFor(setUp.musicFiles);
    m_allMusic->setChecked(setUp.musicFiles == MusicFiles::AllFormats);
    m_resultView->setModel(m_results);
    m_resultView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_resultView->setUniformItemSizes(true);
    m_resultView->setLayoutMode(QListView::Batched);
    m_resultView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultView->setDragEnabled(mode == FinderMode::Mp3Files);
    m_resultView->setDragDropMode(m_resultView->dragEnabled() ? QAbstractItemView::DragOnly
                                                              : QAbstractItemView::NoDragDrop);
    m_resultView->setDefaultDropAction(Qt::CopyAction);
    m_resultView->setContextMenuPolicy(Qt::NoContextMenu);
    m_resultView->installEventFilter(this);
    m_resultView->viewport()->installEventFilter(this);
    m_searchingNote->setWordWrap(true);
    QFont bold = m_lookingForLabel->font();
    bold.setBold(true);
    m_lookingForLabel->setFont(bold);

    layOut();

    m_drives->addItems(context.platform.drives.drives());
    connect(m_drives, &QComboBox::activated, this, &FinderWindow::onDriveChosen);
    connect(m_allMusic, &QCheckBox::toggled, this,
            [this](bool all) { onMusicFilesChosen(all ? MusicFiles::AllFormats : MusicFiles::Mp3Only); });
    connect(m_folders, &FolderList::folderChanged, this, &FinderWindow::onFolderChanged);
    connect(m_searchButton, &QPushButton::clicked, this, &FinderWindow::searchOrStop);
    connect(m_open, &QPushButton::clicked, this, [this] { openSelectedLists(); });
    connect(m_close, &QPushButton::clicked, this, &FinderWindow::closeWindow);
    connect(m_help, &QPushButton::clicked, this, [this] { m_context.host().showFinderHelp(); });
    // Results show at once, then at most every tenth of a second: a paint for each batch would take the time of
    // the walk's threads.
    m_resultsShown.setSingleShot(true);
    m_resultsShown.setInterval(kResultsShownMs);
    connect(&m_resultsShown, &QTimer::timeout, this, &FinderWindow::showPendingResults);
    connect(m_search, &FolderSearch::found, this, [this](const PathBatch &paths) {
        m_pendingResults.append(paths);
        if (!m_resultsShown.isActive())
            showPendingResults();
    });
    connect(m_search, &FolderSearch::finished, this, &FinderWindow::endSearch);
    buildMenus();

    m_folders->setNameBytes(FolderWalk::NameBytes::Any);
    m_startFault = Finder::folderFault(setUp.folder);
    m_folders->setFolder(m_startFault.isEmpty() ? setUp.folder : EightBitText::Path{QDir::currentPath()});
}

// The results on the left with a line above them saying how many a search found; the drive and the folders
// on the right, where a note takes the folders' place while a search runs; the pattern and the buttons below.
void FinderWindow::layOut()
{
    constexpr int kSideWidth = 161;
    constexpr int kButtonWidth = 73;
    for (QWidget *side :
         {static_cast<QWidget *>(m_drives), static_cast<QWidget *>(m_folders), static_cast<QWidget *>(m_searchingNote)})
        side->setFixedWidth(kSideWidth);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(0);
    bottom->addWidget(m_lookingForLabel);
    bottom->addSpacing(7);
    bottom->addWidget(m_pattern);
    m_allMusic->setVisible(m_mode == FinderMode::Mp3Files);
    if (m_allMusic->isVisibleTo(this)) {
        bottom->addSpacing(7);
        bottom->addWidget(m_allMusic);
    }
    bottom->addStretch();
    m_open->setVisible(m_mode == FinderMode::Lists);
    for (QPushButton *button : {m_open, m_searchButton, m_close, m_help}) {
        button->setFixedWidth(kButtonWidth);
        if (button->isVisibleTo(this))
            bottom->addWidget(button);
    }
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 0, 5, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    // Down the results' side, then the folders' side.
    chainTabOrder({m_resultView, m_allMusic, m_open, m_searchButton, m_close, m_help, m_drives, m_folders});
    grid->addWidget(m_found, 0, 0);
    grid->addWidget(m_resultView, 1, 0, 2, 1);
    grid->addWidget(m_drives, 1, 1);
    grid->addWidget(m_folders, 2, 1, 2, 1);
    grid->addWidget(m_searchingNote, 2, 1, Qt::AlignTop);
    m_searchingNote->lower();
    grid->addLayout(bottom, 3, 0);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    m_found->setFixedHeight(13);
    // The window keeps the height it was designed with; it may be made wider, and narrower down to what its
    // buttons need, so that it fits a small screen.
    setMaximumHeight(kHeight);
    resize(kWidth, kHeight);
}

QSize FinderWindow::sizeHint() const
{
    return QSize(std::max(kWidth, minimumSizeHint().width()), kHeight);
}

void FinderWindow::showPendingResults()
{
    if (m_pendingResults.isEmpty())
        return;
    for (const PathBatch &paths : std::exchange(m_pendingResults, {}))
        m_results->appendPaths(paths);
    showFoundCount();
    m_resultsShown.start();
}

void FinderWindow::showFoundCount()
{
    const int count = m_results->rowCount();
    if (count == 1)
        m_found->setText(m_searching ? tr("1 file found so far") : tr("1 file found"));
    else
        m_found->setText((m_searching ? tr("%L1 files found so far") : tr("%L1 files found")).arg(count));
}

QAbstractItemView *FinderWindow::resultList() const
{
    return m_resultView;
}

FinderWindow::~FinderWindow()
{
    if (m_searching)
        QApplication::restoreOverrideCursor();
}

void FinderWindow::buildMenus()
{
    AppContext &context = m_context;
    QMenu *mnuFile = addNamedMenu(this, u"mnuFile"_s, tr("&File"));
    connect(mnuFile, &QMenu::aboutToShow, this, [this, mnuFile] {
        mnuFile->clear();
        addCommand(mnuFile, u"mnuCloseAddFile"_s, tr("&Close Add File"), {}, [this] { closeWindow(); });
        addSeparator(mnuFile, u"mnusep1"_s);
        addCommand(mnuFile, u"mnuExit"_s, tr("&Exit"), {}, [this] { m_context.host().closeFrame(); });
        addWindowList(mnuFile, m_area);
    });
    emit mnuFile->aboutToShow();

    m_editMenu = addNamedMenu(this, u"mnuEdit"_s, tr("&Edit"));
    addCommand(m_editMenu, u"mnuselectall"_s, tr("&Select All"), {}, [this] { selectAll(); });
    if (m_mode == FinderMode::Mp3Files) {
        QAction *add = addCommand(m_editMenu, u"mnuAddToList"_s, tr("&Add to List"), {},
                                  [this] { addSelectedFiles(Chosen::SelectedOrCaret); });
        add->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    }

    QMenu *mnuSettings = addNamedMenu(this, u"mnuSettings"_s, tr("&Settings"));
    addCommand(mnuSettings, u"mnuConfiguration"_s, tr("&Configuration"), {},
               [&context] { context.host().openSettings(); });

    QMenu *mnuWindow = addNamedMenu(this, u"mnuWindow"_s, tr("&Window"));
    addArrangementCommands(mnuWindow, [this](Arrangement how) { emit arrangeRequested(how); });

    QMenu *mnuHelp = addNamedMenu(this, u"mnuHelp"_s, tr("&Help"));
    addCommand(mnuHelp, u"mnuAddFileHelp"_s, tr("Help for &Add File"), {},
               [&context] { context.host().showFinderHelp(); });
    addSeparator(mnuHelp, u"mnusep2"_s);
    addCommand(mnuHelp, u"MNUABOUT"_s, tr("About TUNARY"), {}, [&context] { context.host().showAbout(); });

    m_menus = {mnuFile, m_editMenu, mnuSettings, mnuWindow, mnuHelp};
}

QStringList FinderWindow::results() const
{
    return m_results->paths();
}

// With all music files checked the line reads "Looking For: [x] All music files"; the patterns show on hovering.
void FinderWindow::lookFor(MusicFiles files)
{
    m_searchPattern = Finder::patternFor(m_mode, files);
    m_pattern->setToolTip(QString(m_searchPattern).replace(u';', u' '));
    m_pattern->setHidden(m_mode == FinderMode::Mp3Files && files == MusicFiles::AllFormats);
}

// The current folder is listed again for the new kinds, and the choice is kept for the next finder.
void FinderWindow::onMusicFilesChosen(MusicFiles files)
{
    lookFor(files);
    onFolderChanged();
    if (const std::optional<QString> fault = m_context.options.setMusicFiles(files))
        m_context.platform.messageBoxes.show({windowTitle(), *fault, MessageIcon::Warning, MessageButtons::Ok});
}

// Outside a search the list shows the matching files of the current folder.
void FinderWindow::onFolderChanged()
{
    if (m_searching)
        return;
    m_results->setBatch(Finder::folderFiles(m_folders->folderPath(), pattern()));
    m_found->clear();
}

void FinderWindow::onDriveChosen()
{
    if (m_searching)
        m_search->stop();
    const QString drive = m_drives->currentText();
    const QString fault = Finder::folderFault(EightBitText::Path{drive});
    if (!fault.isEmpty()) {
        m_context.platform.messageBoxes.show({windowTitle(), fault, MessageIcon::Warning, MessageButtons::Ok});
        return;
    }
    m_folders->setFolder(drive);
}

// The first press on a highlighted folder only opens it; a press with the current folder searches its tree.
void FinderWindow::searchOrStop()
{
    if (m_searchButton->text() == stopCaption()) {
        m_search->stop();
        m_searchButton->setText(searchCaption());
        m_searchButton->setEnabled(false); // until the stopped search has handed in its last results
        return;
    }
    if (m_searching)
        return;
    const EightBitText::Path start = m_folders->highlightedFolder();
    if (start != m_folders->folderPath()) {
        m_folders->setFolder(start);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_searchButton->setText(stopCaption());
    m_allMusic->setEnabled(false); // a search looks for one set of kinds from start to end
    m_folders->hide();
    m_searching = true;
    m_pendingResults.clear();
    m_results->setBatch({});
    // The paths are read from their start, however far the list was scrolled sideways before.
    m_resultView->horizontalScrollBar()->setValue(0);
    showFoundCount();
    repaint(); // the searching state shows before the walk begins
    m_search->start(start, pattern(), FolderWalk::NameBytes::Any, FolderWalk::Threads::Two);
}

void FinderWindow::endSearch()
{
    if (!m_searching)
        return;
    showPendingResults();
    m_resultsShown.stop();
    m_searching = false;
    QApplication::restoreOverrideCursor();
    m_folders->show();
    showFoundCount();
    m_searchButton->setText(searchCaption());
    m_searchButton->setEnabled(true);
    m_allMusic->setEnabled(true);
    PauseWatch::done("search finished");
    emit searchFinished();
}

void FinderWindow::selectAll()
{
    m_resultView->selectAll();
}

void FinderWindow::openSelectedLists(Chosen chosen)
{
    if (m_mode != FinderMode::Lists)
        return;
    // In list order, whatever order they were selected in.
    QList<int> rows;
    for (const QModelIndex &index : chosenRows(chosen))
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QStringList lists;
    for (const int row : rows)
        lists.append(m_results->path(row));
    m_resultView->clearSelection();
    Finder::openSelectedLists(m_context, lists);
    closeWindow();
}

// The selected results; for Enter with none selected, the one at the caret, where the keyboard puts it without
// selecting it when the results get the focus.
QModelIndexList FinderWindow::chosenRows(Chosen chosen) const
{
    QModelIndexList selected = m_resultView->selectionModel()->selectedRows();
    const QModelIndex caret = m_resultView->currentIndex();
    if (chosen == Chosen::SelectedOrCaret && selected.isEmpty() && caret.isValid())
        return {caret};
    return selected;
}

void FinderWindow::addSelectedFiles(Chosen chosen)
{
    if (m_mode != FinderMode::Mp3Files)
        return;
    const QList<PlayListModel::Entry> entries = m_results->entries(chosenRows(chosen));
    if (!entries.isEmpty())
        emit filesChosen(entries);
}

// The finder lives in a sub-window of the frame: closing the finder alone would leave that behind, empty.
void FinderWindow::closeWindow()
{
    if (auto *window = qobject_cast<QMdiSubWindow *>(parentWidget()))
        window->close();
    else
        close();
}

bool FinderWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool lists = m_mode == FinderMode::Lists;
    if (watched == m_resultView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (lists)
                openSelectedLists(Chosen::SelectedOrCaret);
            else
                addSelectedFiles(Chosen::SelectedOrCaret);
            return true;
        }
    }
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (watched == m_resultView->viewport() && (press || doubleClick)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (press && mouse->button() == Qt::RightButton) {
            m_editMenu->popup(mouse->globalPosition().toPoint());
            return true;
        }
        if (doubleClick && mouse->button() == Qt::LeftButton) {
            if (lists)
                openSelectedLists();
            else
                m_context.host().showHelp(12);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FinderWindow::closeEvent(QCloseEvent *event)
{
    m_search->stop();
    event->accept();
}
