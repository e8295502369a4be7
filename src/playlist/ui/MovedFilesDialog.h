// SPDX-License-Identifier: MIT

#pragma once

#include <memory>

#include <QDialog>
#include <QList>

#include "playlist/MovedFiles.h"

class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;

/**
 * Shows a search for moved files while it runs and then what it found, every file checked; OK hands on the
 * checked ones. The search itself belongs to whoever opened the dialog: this only shows it, and asks it to stop.
 */
class MovedFilesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MovedFilesDialog(QWidget *parent);

    /** Counts the search's progress as it goes; Stop and closing the dialog ask it to stop. */
    void showSearching(std::shared_ptr<MovedFileProgress> progress);
    /** The search is over: shows what it found for the missing entries, each checked. */
    void showResults(QList<MovedFile> results, bool stopped, int missingCount);

    void accept() override;
    void reject() override;

signals:
    /** OK: the entries to point at their new paths. */
    void chosen(const QList<MovedFile> &files);

private:
    /** The files checked now, in the order they were given. */
    QList<MovedFile> checkedFiles() const;
    void showProgress();
    void updateOk();

    std::shared_ptr<MovedFileProgress> m_progress;
    QList<MovedFile> m_results;
    QTimer *m_timer;
    QLabel *m_status;
    QTreeWidget *m_list;
    QPushButton *m_stop;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
