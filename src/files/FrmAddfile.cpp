// SPDX-License-Identifier: MIT

#include "files/FrmAddfile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMdiSubWindow>
#include <QPushButton>

#include "core/AppContext.h"
#include "core/WindowHost.h"
#include "files/Finder.h"
#include "files/FolderList.h"
#include "files/FolderSearch.h"
#include "files/PathListModel.h"
#include "platform/Drives.h"
#include "platform/MessageBoxes.h"

using namespace Qt::StringLiterals;

namespace {

// Twips to pixels, 15 to one.
QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

constexpr int kLeastWidth = 9090 / 15;
constexpr int kHeight = 3210 / 15;
const QString kSearch = u"&Search"_s;
const QString kStop = u"&Stop"_s;

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
    , Picture2(new QWidget(this))
    , Label1(new QLabel(u"Looking For:"_s, Picture2))
    , LblPat(new QLabel(Picture2))
    , Picholder1(new QWidget(this))
    , CmdOpen(new QPushButton(u"&Open"_s, Picholder1))
    , CmdSearch(new QPushButton(kSearch, Picholder1))
    , cmdClose(new QPushButton(u"&Close"_s, Picholder1))
    , CmdHelp(new QPushButton(u"&Help"_s, Picholder1))
{
    setObjectName(u"FrmAddfile"_s);
    const std::pair<QObject *, QString> names[] = {{LstFiles, u"LstFiles"_s}, {Drv, u"Drv"_s},
                                                   {Dir1, u"Dir1"_s},         {lblwait, u"lblwait"_s},
                                                   {Picture2, u"Picture2"_s}, {Label1, u"Label1"_s},
                                                   {LblPat, u"LblPat"_s},     {Picholder1, u"Picholder1"_s},
                                                   {CmdOpen, u"CmdOpen"_s},   {CmdSearch, u"CmdSearch"_s},
                                                   {cmdClose, u"cmdClose"_s}, {CmdHelp, u"CmdHelp"_s}};
    for (const auto &[object, name] : names)
        object->setObjectName(name);

    const Finder::Setup setUp = Finder::setupFor(context, mode);
    setWindowTitle(setUp.caption);
    LblPat->setText(setUp.pattern);
    setMinimumSize(kLeastWidth, kHeight);
    setMaximumHeight(kHeight);
    resize(kLeastWidth, kHeight);

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

    LstFiles->setGeometry(twips(120, 240, 6420, 2400));
    Drv->setGeometry(twips(6600, 240, 2415, 315));
    Dir1->setGeometry(twips(6600, 600, 2415, 2565));
    lblwait->setGeometry(twips(6600, 720, 2415, 615));
    lblwait->lower();
    Picture2->setGeometry(twips(120, 2760, 1935, 375));
    // The bold label may be wider than its place in the design; the pattern moves along.
    const int labelWidth = std::max(1215 / 15, Label1->sizeHint().width());
    Label1->setGeometry(0, 120 / 15, labelWidth, 255 / 15);
    LblPat->setGeometry(labelWidth + 7, 120 / 15, 495 / 15 + 10, 255 / 15);
    if (mode == 1) {
        Picholder1->setGeometry(twips(3240, 2730, 3315, 435));
        CmdOpen->hide();
        CmdSearch->setGeometry(twips(0, 0, 1095, 375));
        cmdClose->setGeometry(twips(1080, 0, 1095, 375));
        CmdHelp->setGeometry(twips(2160, 0, 1095, 375));
    } else {
        Picholder1->setGeometry(twips(2160, 2730, 4395, 435));
        CmdOpen->setGeometry(twips(0, 0, 1095, 375));
        CmdSearch->setGeometry(twips(1080, 0, 1095, 375));
        cmdClose->setGeometry(twips(2160, 0, 1095, 375));
        CmdHelp->setGeometry(twips(3240, 0, 1095, 375));
    }
    setTabOrder(LstFiles, CmdOpen);

    Drv->addItems(context.platform.drives.drives());
    connect(Drv, &QComboBox::activated, this, &FrmAddfile::Drv_Change);
    connect(Dir1, &FolderList::folderChanged, this, &FrmAddfile::Dir1_Change);
    connect(CmdSearch, &QPushButton::clicked, this, &FrmAddfile::CmdSearch_Click);
    connect(CmdOpen, &QPushButton::clicked, this, &FrmAddfile::OpenSelectedLists);
    connect(cmdClose, &QPushButton::clicked, this, &FrmAddfile::closeWindow);
    connect(CmdHelp, &QPushButton::clicked, this, [this] { m_context.host().showFinderHelp(); });
    connect(m_search, &FolderSearch::found, m_results, &PathListModel::appendPaths);
    connect(m_search, &FolderSearch::finished, this, &FrmAddfile::endSearch);
    buildMenus();

    Dir1->setNameBytes(FolderWalk::NameBytes::Any);
    m_startFault = Finder::folderFault(setUp.folder);
    Dir1->setFolder(m_startFault.isEmpty() ? setUp.folder : EightBitText::Path{QDir::currentPath()});
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
    if (!Searching)
        m_results->setBatch(Finder::folderFiles(Dir1->folderPath(), pattern()));
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

void FrmAddfile::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

// Wider than its least width, the result list widens and the folder side moves right; the height is fixed.
void FrmAddfile::Form_Resize()
{
    const int sideWidth = Dir1->width();
    const int sideLeft = width() - sideWidth - 5;
    Dir1->move(sideLeft, Dir1->y());
    lblwait->move(sideLeft, lblwait->y());
    Drv->move(sideLeft, Drv->y());
    Picholder1->move(sideLeft - Picholder1->width() - 3, Picholder1->y());
    LstFiles->resize(sideLeft - LstFiles->x() - 4, LstFiles->height());
}
