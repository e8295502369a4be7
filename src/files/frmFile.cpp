// SPDX-License-Identifier: MIT

#include "files/frmFile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/AppContext.h"
#include "core/TabOrder.h"
#include "files/FileDialog.h"
#include "files/FolderList.h"
#include "platform/Drives.h"

using namespace Qt::StringLiterals;

frmFile::frmFile(AppContext &context, const QString &mode, int slot, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_slot(slot)
    , m_list(context.PlayLists.PlayListAt(slot))
    , m_forList(m_list)
    , Label3(new QLabel(u"Look in:"_s, this))
    , Drv1(new QComboBox(this))
    , Dir1(new FolderList(this))
    , List1(new QListWidget(this))
    , Label1(new QLabel(u"File Name:"_s, this))
    , txtname(new QLineEdit(this))
    , Cmdok(new QPushButton(u"&Ok"_s, this))
    , Label2(new QLabel(u"File of Type:"_s, this))
    , cmbtype(new QComboBox(this))
    , cmdCancel(new QPushButton(u"&Cancel"_s, this))
{
    setObjectName(u"frmFile"_s);
    const FileDialog::Mode *setUp = FileDialog::modeFor(mode);
    Q_ASSERT(setUp);
    setWindowTitle(setUp->caption);
    setFixedSize(6090 / 15, 3795 / 15);

    const std::pair<QWidget *, QString> names[] = {
        {Label3, u"Label3"_s},   {Drv1, u"Drv1"_s},          {Dir1, u"Dir1"_s},   {List1, u"List1"_s},
        {Label1, u"Label1"_s},   {txtname, u"txtname"_s},    {Cmdok, u"Cmdok"_s}, {Label2, u"Label2"_s},
        {cmbtype, u"cmbtype"_s}, {cmdCancel, u"cmdCancel"_s}};
    for (const auto &[widget, name] : names)
        widget->setObjectName(name);
    // Look in and the drive above the files; the folders on the left; the name and the type with their buttons below.
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 5, 3);
    grid->setHorizontalSpacing(7);
    grid->setColumnMinimumWidth(0, 81);
    grid->setColumnMinimumWidth(1, 89);
    grid->setColumnStretch(2, 1);
    grid->addWidget(Label3, 0, 0, Qt::AlignRight);
    grid->addWidget(Drv1, 0, 2, 1, 2);
    grid->addWidget(Dir1, 1, 0, 1, 2);
    grid->addWidget(List1, 1, 2, 1, 2);
    grid->setRowStretch(1, 1);
    grid->addWidget(Label1, 2, 0);
    grid->addWidget(txtname, 2, 1, 1, 2);
    grid->addWidget(Cmdok, 2, 3);
    grid->addWidget(Label2, 3, 0);
    grid->addWidget(cmbtype, 3, 1, 1, 2);
    grid->addWidget(cmdCancel, 3, 3);
    Cmdok->setFixedWidth(81);
    cmdCancel->setFixedWidth(81);
    chainTabOrder({Drv1, Dir1, List1, txtname, Cmdok, cmbtype, cmdCancel});

    Drv1->addItems(context.platform.drives.drives());
    cmbtype->setEditable(true);
    cmbtype->addItems(setUp->items);
    cmbtype->setEditText(setUp->comboText);
    m_pattern = setUp->pattern;

    connect(Drv1, &QComboBox::activated, this, &frmFile::Drv1_Change);
    connect(Dir1, &FolderList::folderChanged, this, &frmFile::Dir1_Change);
    connect(List1, &QListWidget::itemClicked, this, &frmFile::List1_Click);
    connect(cmbtype, &QComboBox::activated, this, &frmFile::cmbtype_Click);
    connect(txtname, &QLineEdit::returnPressed, this, &frmFile::Cmdok_Click);
    connect(Cmdok, &QPushButton::clicked, this, &frmFile::Cmdok_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFile::cmdCancel_Click);

    const QString start = setUp->startsInM3UPath ? context.Settings.M3UPath : QString();
    setFolder(start.isEmpty() || !QDir(start).exists() ? QDir::currentPath() : start);
    txtname->setFocus();
}

QString frmFile::folder() const
{
    return Dir1->folder();
}

void frmFile::setFolder(const QString &folder)
{
    Dir1->setFolder(folder);
}

// The drive shown is the longest root the folder lies on.
void frmFile::Dir1_Change()
{
    const QString current = Dir1->folder();
    int drive = -1;
    for (int i = 0; i < Drv1->count(); ++i) {
        const QString root = Drv1->itemText(i);
        if (current.startsWith(root) && (drive < 0 || root.size() > Drv1->itemText(drive).size()))
            drive = i;
    }
    if (drive >= 0)
        Drv1->setCurrentIndex(drive);
    refill();
}

void frmFile::refill()
{
    List1->clear();
    List1->addItems(FileDialog::listedFiles(Dir1->folder(), m_pattern));
}

void frmFile::Drv1_Change()
{
    setFolder(Drv1->currentText());
}

void frmFile::cmbtype_Click(int index)
{
    m_pattern = cmbtype->itemText(index);
    refill();
}

void frmFile::List1_Click(QListWidgetItem *item)
{
    if (item)
        txtname->setText(item->text());
}

void frmFile::Cmdok_Click()
{
    // Slot 0 holds no list: a list closed while the dialog was open is not saved, nor one that took its slot.
    const int slot = m_forList && m_context.PlayLists.PlayListAt(m_slot) != m_list ? 0 : m_slot;
    if (!FileDialog::Cmdok_Click(m_context, {windowTitle(), slot, Dir1->folder(), txtname->text()}))
        return;
    m_done = true;
    emit finished();
}

void frmFile::cmdCancel_Click()
{
    m_done = true;
    FileDialog::cmdCancel_Click(m_context);
    emit finished();
}

void frmFile::closeEvent(QCloseEvent *event)
{
    // The close box does what Cancel does.
    if (!m_done) {
        m_done = true;
        FileDialog::cmdCancel_Click(m_context);
        emit finished();
    }
    event->accept();
}
