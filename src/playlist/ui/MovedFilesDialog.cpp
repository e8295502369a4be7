// SPDX-License-Identifier: MIT

#include "playlist/ui/MovedFilesDialog.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Where each row keeps the index of its file among the results.
constexpr int kIndexRole = Qt::UserRole;

} // namespace

MovedFilesDialog::MovedFilesDialog(QWidget *parent)
    : QDialog(parent)
    , m_timer(new QTimer(this))
    , m_status(new QLabel(this))
    , m_list(new QTreeWidget(this))
    , m_stop(new QPushButton(tr("&Stop"), this))
    , m_ok(new QPushButton(tr("&OK"), this))
    , m_cancel(new QPushButton(tr("&Cancel"), this))
{
    setObjectName(u"frmMoved"_s);
    setWindowTitle(tr("Find Moved Files"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    m_status->setObjectName(u"lblStatus"_s);
    m_status->setWordWrap(true);
    m_list->setObjectName(u"lstMoved"_s);
    m_list->setHeaderLabels({tr("Entry"), tr("Found at"), tr("Also found")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setStretchLastSection(true);
    m_list->hide();
    m_stop->setObjectName(u"cmdStop"_s);
    m_stop->hide();
    m_ok->setObjectName(u"cmdOK"_s);
    m_ok->setEnabled(false);
    m_ok->setDefault(true);
    m_cancel->setObjectName(u"cmdCancel"_s);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_stop);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(720, 360);

    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &MovedFilesDialog::showProgress);
    connect(m_stop, &QPushButton::clicked, this, [this] {
        if (m_progress)
            m_progress->stop = true;
        m_stop->setEnabled(false);
    });
    connect(m_ok, &QPushButton::clicked, this, &MovedFilesDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &MovedFilesDialog::reject);
    connect(m_list, &QTreeWidget::itemChanged, this, &MovedFilesDialog::updateOk);
}

void MovedFilesDialog::showSearching(std::shared_ptr<MovedFileProgress> progress)
{
    m_progress = std::move(progress);
    m_stop->setEnabled(true);
    m_stop->show();
    m_ok->setEnabled(false);
    showProgress();
    m_timer->start();
}

void MovedFilesDialog::showProgress()
{
    if (m_progress)
        m_status->setText(tr("Looked at %1 files, found %2.").arg(m_progress->files).arg(m_progress->found));
}

void MovedFilesDialog::showResults(QList<MovedFile> results, bool stopped, int missingCount)
{
    m_timer->stop();
    m_progress.reset();
    m_stop->hide();
    m_results = std::move(results);

    QString status;
    if (missingCount == 0)
        status = tr("No file of this list is missing.");
    else if (m_results.isEmpty())
        status = tr("No moved file was found.");
    else
        status = tr("Found %1 of %2 missing files.").arg(m_results.size()).arg(missingCount);
    if (stopped)
        status += u' ' + tr("The search was stopped.");
    m_status->setText(status);

    const QSignalBlocker quiet(m_list);
    m_list->clear();
    QList<QTreeWidgetItem *> rows;
    rows.reserve(m_results.size());
    for (qsizetype index = 0; index < m_results.size(); ++index) {
        const MovedFile &file = m_results[index];
        auto *row = new QTreeWidgetItem({file.oldPath, file.newPath, file.others.join(u"; "_s)});
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, Qt::Checked);
        row->setData(0, kIndexRole, index);
        rows.append(row);
    }
    m_list->addTopLevelItems(rows);
    // The paths are what the user checks: their columns take what they need, up to half the list's width each.
    for (const int column : {0, 1}) {
        m_list->resizeColumnToContents(column);
        m_list->setColumnWidth(column, std::min(m_list->columnWidth(column), m_list->viewport()->width() / 2));
    }
    m_list->setVisible(!m_results.isEmpty());
    updateOk();
}

QList<MovedFile> MovedFilesDialog::checkedFiles() const
{
    QList<MovedFile> checked;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = m_list->topLevelItem(row);
        if (item->checkState(0) == Qt::Checked)
            checked.append(m_results.at(item->data(0, kIndexRole).toLongLong()));
    }
    return checked;
}

void MovedFilesDialog::updateOk()
{
    m_ok->setEnabled(!m_progress && !checkedFiles().isEmpty());
}

void MovedFilesDialog::accept()
{
    const QList<MovedFile> checked = checkedFiles();
    if (m_progress || checked.isEmpty())
        return;
    emit chosen(checked);
    QDialog::accept();
}

void MovedFilesDialog::reject()
{
    if (m_progress)
        m_progress->stop = true;
    m_timer->stop();
    QDialog::reject();
}
