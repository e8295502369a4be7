// SPDX-License-Identifier: MIT

#include "files/FrmAddfile.h"

#include <QApplication>
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
#include "core/TabOrder.h"
#include "core/WindowHost.h"
#include "files/Finder.h"
#include "files/FolderList.h"
#include "files/PathListModel.h"
#include "platform/Drives.h"
#include "platform/MessageBoxes.h"

using namespace Qt::StringLiterals;

namespace {

const QString kSearch = u"&Search"_s;
const QString kStop = u"&Stop"_s;
constexpr int kWidth = 9090 / 15;
constexpr int kHeight = 3210 / 15;

} // namespace

FrmAddfile::FrmAddfile(AppContext &context, int mode, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_results(new PathListModel(this))
    , m_search(new FolderSearch(this))
    , LstFiles(new QListView(this))
    , Drv(new QComboBox(this))
    , Dir1(new FolderList(this))
    , lblwait(new QLabel(u"TUNARY is Searching for files at the moment. Please Wait."_s, this))
    , Label1(new QLabel(u"Looking For:"_s, this))
    , LblPat(new QLabel(this))
    , m_found(new QLabel(this))
    , CmdOpen(new QPushButton(u"&Open"_s, this))
    , CmdSearch(new QPushButton(kSearch, this))
    , cmdClose(new QPushButton(u"&Close"_s, this))
    , CmdHelp(new QPushButton(u"&Help"_s, this))
{
    setObjectName(u"FrmAddfile"_s);
    const std::pair<QObject *, QString> names[] = {
        {LstFiles, u"LstFiles"_s},   {Drv, u"Drv"_s},           {Dir1, u"Dir1"_s},        {lblwait, u"lblwait"_s},
        {Label1, u"Label1"_s},       {LblPat, u"LblPat"_s},     {m_found, u"LblFound"_s}, {CmdOpen, u"CmdOpen"_s},
        {CmdSearch, u"CmdSearch"_s}, {cmdClose, u"cmdClose"_s}, {CmdHelp, u"CmdHelp"_s}};
    for (const auto &[object, name] : names)
        object->setObjectName(name);

    const Finder::Setup setUp = Finder::setupFor(context, mode);
    setWindowTitle(setUp.caption);
    LblPat->setText(setUp.pattern);
    LstFiles->setModel(m_results);
    LstFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LstFiles->setUniformItemSizes(true);
    LstFiles->setLayoutMode(QListView::Batched);
    LstFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LstFiles->setDragEnabled(setUp.pattern == QString::fromLatin1(Finder::kMp3Pattern));
    LstFiles->setDragDropMode(LstFiles->dragEnabled() ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
    LstFiles->setDefaultDropAction(Qt::CopyAction);
    LstFiles->setContextMenuPolicy(Qt::NoContextMenu);
    LstFiles->installEventFilter(this);
    LstFiles->viewport()->installEventFilter(this);
    lblwait->setWordWrap(true);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    layOut(mode == 1);

    Drv->addItems(context.platform.drives.drives());
    connect(Drv, &QComboBox::activated, this, &FrmAddfile::Drv_Change);
    connect(Dir1, &FolderList::folderChanged, this, &FrmAddfile::Dir1_Change);
    connect(CmdSearch, &QPushButton::clicked, this, &FrmAddfile::CmdSearch_Click);
    connect(CmdOpen, &QPushButton::clicked, this, &FrmAddfile::OpenSelectedLists);
    connect(cmdClose, &QPushButton::clicked, this, &FrmAddfile::closeWindow);
    connect(CmdHelp, &QPushButton::clicked, this, [this] { m_context.host().showFinderHelp(); });
    connect(m_search, &FolderSearch::found, this, [this](const PathBatch &paths) {
        m_results->appendPaths(paths);
        showFoundCount();
    });
    connect(m_search, &FolderSearch::finished, this, &FrmAddfile::endSearch);
    buildMenus();

    Dir1->setNameBytes(FolderWalk::NameBytes::Any);
    m_startFault = Finder::folderFault(setUp.folder);
    Dir1->setFolder(m_startFault.isEmpty() ? setUp.folder : EightBitText::Path{QDir::currentPath()});
}

// The results on the left with a line above them saying how many a search found; the drive and the folders
// on the right, where a note takes the folders' place while a search runs; the pattern and the buttons below.
void FrmAddfile::layOut(bool forMp3)
{
    constexpr int kSideWidth = 161;
    constexpr int kButtonWidth = 73;
    for (QWidget *side : {static_cast<QWidget *>(Drv), static_cast<QWidget *>(Dir1), static_cast<QWidget *>(lblwait)})
        side->setFixedWidth(kSideWidth);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(0);
    bottom->addWidget(Label1);
    bottom->addSpacing(7);
    bottom->addWidget(LblPat);
    bottom->addStretch();
    CmdOpen->setVisible(!forMp3);
    for (QPushButton *button : {CmdOpen, CmdSearch, cmdClose, CmdHelp}) {
        button->setFixedWidth(kButtonWidth);
        if (button->isVisibleTo(this))
            bottom->addWidget(button);
    }
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 0, 5, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    // Down the results' side, then the folders' side.
    chainTabOrder({LstFiles, CmdOpen, CmdSearch, cmdClose, CmdHelp, Drv, Dir1});
    grid->addWidget(m_found, 0, 0);
    grid->addWidget(LstFiles, 1, 0, 2, 1);
    grid->addWidget(Drv, 1, 1);
    grid->addWidget(Dir1, 2, 1, 2, 1);
    grid->addWidget(lblwait, 2, 1, Qt::AlignTop);
    lblwait->lower();
    grid->addLayout(bottom, 3, 0);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    m_found->setFixedHeight(13);
    // The window keeps the height it was designed with; it may be made wider, and narrower down to what its
    // buttons need, so that it fits a small screen.
    setMaximumHeight(kHeight);
    resize(kWidth, kHeight);
}

QSize FrmAddfile::sizeHint() const
{
    return QSize(std::max(kWidth, minimumSizeHint().width()), kHeight);
}

void FrmAddfile::showFoundCount()
{
    const int count = m_results->rowCount();
    const QString files = count == 1 ? u"1 file"_s : u"%L1 files"_s.arg(count);
    m_found->setText(Searching ? files + u" found so far"_s : files + u" found"_s);
}

FrmAddfile::~FrmAddfile()
{
    if (Searching)
        QApplication::restoreOverrideCursor();
}

void FrmAddfile::buildMenus()
{
    AppContext &context = m_context;
    QMenu *mnuFile = addNamedMenu(this, u"mnuFile"_s, u"&File"_s);
    connect(mnuFile, &QMenu::aboutToShow, this, [this, mnuFile] {
        mnuFile->clear();
        addCommand(mnuFile, u"mnuCloseAddFile"_s, u"&Close Add File"_s, {}, [this] { closeWindow(); });
        addSeparator(mnuFile, u"mnusep1"_s);
        addCommand(mnuFile, u"mnuExit"_s, u"&Exit"_s, {}, [this] { m_context.host().closeFrame(); });
        addWindowList(mnuFile, m_area);
    });
    emit mnuFile->aboutToShow();

    mnuEdit = addNamedMenu(this, u"mnuEdit"_s, u"&Edit"_s);
    addCommand(mnuEdit, u"mnuselectall"_s, u"&Select All"_s, {}, [this] { selectAll(); });

    QMenu *mnuSettings = addNamedMenu(this, u"mnuSettings"_s, u"&Settings"_s);
    addCommand(mnuSettings, u"mnuConfiguration"_s, u"&Configuration"_s, {},
               [&context] { context.host().OpenSettings(); });

    QMenu *mnuWindow = addNamedMenu(this, u"mnuWindow"_s, u"&Window"_s);
    addCommand(mnuWindow, u"mnucas"_s, u"&Cascade"_s, {}, [this] { emit arrangeRequested(0); });
    addCommand(mnuWindow, u"mnuh"_s, u"Tile &Horizontally"_s, {}, [this] { emit arrangeRequested(1); });
    addCommand(mnuWindow, u"mnuver"_s, u"Tile &Vertically"_s, {}, [this] { emit arrangeRequested(2); });

    QMenu *mnuHelp = addNamedMenu(this, u"mnuHelp"_s, u"&Help"_s);
    addCommand(mnuHelp, u"mnuAddFileHelp"_s, u"Help for &Add File"_s, {},
               [&context] { context.host().showFinderHelp(); });
    addSeparator(mnuHelp, u"mnusep2"_s);
    addCommand(mnuHelp, u"MNUABOUT"_s, u"About TUNARY"_s, {}, [&context] { context.host().showAbout(); });

    m_menus = {mnuFile, mnuEdit, mnuSettings, mnuWindow, mnuHelp};
}

QString FrmAddfile::pattern() const
{
    return LblPat->text();
}

QStringList FrmAddfile::results() const
{
    return m_results->paths();
}

// Outside a search the list shows the matching files of the current folder.
void FrmAddfile::Dir1_Change()
{
    if (Searching)
        return;
    m_results->setBatch(Finder::folderFiles(Dir1->folderPath(), pattern()));
    m_found->clear();
}

void FrmAddfile::Drv_Change()
{
    if (Searching)
        m_search->stop();
    const QString drive = Drv->currentText();
    const QString fault = Finder::folderFault(EightBitText::Path{drive});
    if (!fault.isEmpty()) {
        m_context.platform.messageBoxes.show({windowTitle(), fault, MessageIcon::Warning, MessageButtons::Ok});
        return;
    }
    Dir1->setFolder(drive);
}

// The first press on a highlighted folder only opens it; a press with the current folder searches its tree.
void FrmAddfile::CmdSearch_Click()
{
    if (CmdSearch->text() == kStop) {
        m_search->stop();
        CmdSearch->setText(kSearch);
        CmdSearch->setEnabled(false); // until the stopped search has handed in its last results
        return;
    }
    if (Searching)
        return;
    const EightBitText::Path start = Dir1->highlightedFolder();
    if (start != Dir1->folderPath()) {
        Dir1->setFolder(start);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CmdSearch->setText(kStop);
    Dir1->hide();
    Searching = true;
    m_results->setBatch({});
    // The paths are read from their start, however far the list was scrolled sideways before.
    LstFiles->horizontalScrollBar()->setValue(0);
    showFoundCount();
    repaint(); // the searching state shows before the walk begins
    m_search->start(start, pattern(), FolderWalk::NameBytes::Any);
}

void FrmAddfile::endSearch()
{
    if (!Searching)
        return;
    Searching = false;
    QApplication::restoreOverrideCursor();
    Dir1->show();
    showFoundCount();
    CmdSearch->setText(kSearch);
    CmdSearch->setEnabled(true);
    emit searchFinished();
}

void FrmAddfile::selectAll()
{
    LstFiles->selectAll();
}

void FrmAddfile::OpenSelectedLists()
{
    if (pattern() != QString::fromLatin1(Finder::kListPattern))
        return;
    // In list order, whatever order they were selected in.
    QList<int> rows;
    for (const QModelIndex &index : LstFiles->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QStringList lists;
    for (const int row : rows)
        lists.append(m_results->path(row));
    LstFiles->clearSelection();
    Finder::OpenSelectedLists(m_context, lists);
    closeWindow();
}

// The finder lives in a sub-window of the frame: closing the finder alone would leave that behind, empty.
void FrmAddfile::closeWindow()
{
    if (auto *window = qobject_cast<QMdiSubWindow *>(parentWidget()))
        window->close();
    else
        close();
}

bool FrmAddfile::eventFilter(QObject *watched, QEvent *event)
{
    const bool lists = pattern() == QString::fromLatin1(Finder::kListPattern);
    if (watched == LstFiles && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && lists) {
            OpenSelectedLists();
            return true;
        }
    }
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (watched == LstFiles->viewport() && (press || doubleClick)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (press && mouse->button() == Qt::RightButton) {
            mnuEdit->popup(mouse->globalPosition().toPoint());
            return true;
        }
        if (doubleClick && mouse->button() == Qt::LeftButton) {
            if (lists)
                OpenSelectedLists();
            else
                m_context.host().ShowHelp(12);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmAddfile::closeEvent(QCloseEvent *event)
{
    m_search->stop();
    event->accept();
}
