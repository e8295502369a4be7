// SPDX-License-Identifier: MIT

#include "files/ui/FileDialogWindow.h"

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
#include "files/FileDialog.h"
#include "files/ui/FolderList.h"
#include "platform/Drives.h"
#include "widgets/TabOrder.h"

using namespace Qt::StringLiterals;

FileDialogWindow::FileDialogWindow(AppContext &context, FileDialogPurpose purpose, int slot, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_purpose(purpose)
    , m_slot(slot)
    , m_list(context.lists.windowAt(slot))
    , m_forList(m_list)
    , m_lookInLabel(new QLabel(tr("Look in:"), this))
    , m_drives(new QComboBox(this))
    , m_folders(new FolderList(this))
    , m_files(new QListWidget(this))
    , m_nameLabel(new QLabel(tr("File Name:"), this))
    , m_name(new QLineEdit(this))
    , m_ok(new QPushButton(tr("&Ok"), this))
    , m_typeLabel(new QLabel(tr("File of Type:"), this))
    , m_types(new QComboBox(this))
    , m_cancel(new QPushButton(tr("&Cancel"), this))
{
    setObjectName(u"frmFile"_s);
    const FileDialog::Mode &setUp = FileDialog::modeFor(purpose);
    setWindowTitle(setUp.caption);
    setFixedSize(6090 / 15, 3795 / 15);

    const std::pair<QWidget *, QString> names[] = {
        {m_lookInLabel, u"Label3"_s}, {m_drives, u"Drv1"_s},     {m_folders, u"Dir1"_s}, {m_files, u"List1"_s},
        {m_nameLabel, u"Label1"_s},   {m_name, u"txtname"_s},    {m_ok, u"Cmdok"_s},     {m_typeLabel, u"Label2"_s},
        {m_types, u"cmbtype"_s},      {m_cancel, u"cmdCancel"_s}};
    for (const auto &[widget, name] : names)
        widget->setObjectName(name);
    m_lookInLabel->setBuddy(m_drives);
    m_nameLabel->setBuddy(m_name);
    m_typeLabel->setBuddy(m_types);
    m_files->setAccessibleName(tr("Files"));
    // Look in and the drive above the files; the folders on the left; the name and the type with their buttons below.
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 5, 3);
    grid->setHorizontalSpacing(7);
    grid->setColumnMinimumWidth(0, 81);
    grid->setColumnMinimumWidth(1, 89);
    grid->setColumnStretch(2, 1);
    grid->addWidget(m_lookInLabel, 0, 0, Qt::AlignRight);
    grid->addWidget(m_drives, 0, 2, 1, 2);
    grid->addWidget(m_folders, 1, 0, 1, 2);
    grid->addWidget(m_files, 1, 2, 1, 2);
    grid->setRowStretch(1, 1);
    grid->addWidget(m_nameLabel, 2, 0);
    grid->addWidget(m_name, 2, 1, 1, 2);
    grid->addWidget(m_ok, 2, 3);
    grid->addWidget(m_typeLabel, 3, 0);
    grid->addWidget(m_types, 3, 1, 1, 2);
    grid->addWidget(m_cancel, 3, 3);
    m_ok->setFixedWidth(81);
    m_cancel->setFixedWidth(81);
    chainTabOrder({m_drives, m_folders, m_files, m_name, m_ok, m_types, m_cancel});

    m_drives->addItems(context.platform.drives.drives());
    m_types->setEditable(true);
    m_types->addItems(setUp.items);
    m_types->setEditText(setUp.comboText);
    m_pattern = setUp.pattern;

    connect(m_drives, &QComboBox::activated, this, &FileDialogWindow::onDriveChosen);
    connect(m_folders, &FolderList::folderChanged, this, &FileDialogWindow::onFolderChanged);
    connect(m_files, &QListWidget::itemClicked, this, &FileDialogWindow::onFileClicked);
    connect(m_types, &QComboBox::activated, this, &FileDialogWindow::onTypeChosen);
    connect(m_name, &QLineEdit::returnPressed, this, &FileDialogWindow::accept);
    connect(m_ok, &QPushButton::clicked, this, &FileDialogWindow::accept);
    connect(m_cancel, &QPushButton::clicked, this, &FileDialogWindow::reject);

    const QString start = setUp.startsInM3UPath ? context.settings.m3uFolder : QString();
    setFolder(start.isEmpty() || !QDir(start).exists() ? QDir::currentPath() : start);
    m_name->setFocus();
}

QString FileDialogWindow::folder() const
{
    return m_folders->folder();
}

void FileDialogWindow::setFolder(const QString &folder)
{
    m_folders->setFolder(folder);
}

// The drive shown is the longest root the folder lies on.
void FileDialogWindow::onFolderChanged()
{
    const QString current = m_folders->folder();
    int drive = -1;
    for (int i = 0; i < m_drives->count(); ++i) {
        const QString root = m_drives->itemText(i);
        if (current.startsWith(root) && (drive < 0 || root.size() > m_drives->itemText(drive).size()))
            drive = i;
    }
    if (drive >= 0)
        m_drives->setCurrentIndex(drive);
    refill();
}

void FileDialogWindow::refill()
{
    m_files->clear();
    m_files->addItems(FileDialog::listedFiles(m_folders->folder(), m_pattern));
}

void FileDialogWindow::onDriveChosen()
{
    setFolder(m_drives->currentText());
}

void FileDialogWindow::onTypeChosen(int index)
{
    m_pattern = m_types->itemText(index);
    refill();
}

void FileDialogWindow::onFileClicked(QListWidgetItem *item)
{
    if (item)
        m_name->setText(item->text());
}

void FileDialogWindow::accept()
{
    // Slot 0 holds no list: a list closed while the dialog was open is not saved, nor one that took its slot.
    const int slot = m_forList && m_context.lists.windowAt(m_slot) != m_list ? 0 : m_slot;
    const FileDialog::Outcome outcome =
        FileDialog::accept(m_context, {m_purpose, slot, m_folders->folder(), m_name->text()});
    if (!outcome.closes)
        return;
    m_done = true;
    if (!outcome.chosenPath.isEmpty())
        emit pathChosen(outcome.chosenPath);
    emit finished();
}

void FileDialogWindow::focusName()
{
    m_name->setFocus();
}

void FileDialogWindow::reject()
{
    m_done = true;
    FileDialog::cancel(m_context);
    emit finished();
}

void FileDialogWindow::closeEvent(QCloseEvent *event)
{
    // The close box does what Cancel does.
    if (!m_done) {
        m_done = true;
        FileDialog::cancel(m_context);
        emit finished();
    }
    event->accept();
}
