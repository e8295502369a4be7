// SPDX-License-Identifier: MIT

#pragma once

#include <QPointer>
#include <QWidget>

#include "core/Modes.h"

class AppContext;
class FolderList;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

/**
 * The program's own file dialog, shown inside the frame: saving a list under a name, saving and closing it,
 * and picking the player or the start-up list for the settings.
 */
class FileDialogWindow : public QWidget
{
    Q_OBJECT

public:
    FileDialogWindow(AppContext &context, FileDialogPurpose purpose, int slot, QWidget *parent = nullptr);

    /** The folder the lists show. */
    QString folder() const;
    void setFolder(const QString &folder);
    QString pattern() const { return m_pattern; }

    /** Puts the keyboard focus in the file name, where the user starts. */
    void focusName();
    /** The designed size it is fixed at, which its window takes, whatever its boxes would like. */
    QSize sizeHint() const override { return minimumSize(); }

signals:
    /** The dialog is done and its window may go. */
    void finished();
    /** OK picked a path for whoever opened the dialog (a player, a start-up list). */
    void pathChosen(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onDriveChosen();
    void onFolderChanged();
    void onTypeChosen(int index);
    void onFileClicked(QListWidgetItem *item);
    void accept();
    void reject();
    void refill();

    AppContext &m_context;
    const FileDialogPurpose m_purpose;
    const int m_slot;
    /** The list the dialog saves; once it is closed, its slot may hold another list. */
    QPointer<QObject> m_list;
    bool m_forList = false;
    QString m_pattern;
    bool m_done = false;

    QLabel *m_lookInLabel;
    QComboBox *m_drives;
    FolderList *m_folders;
    QListWidget *m_files;
    QLabel *m_nameLabel;
    QLineEdit *m_name;
    QPushButton *m_ok;
    QLabel *m_typeLabel;
    QComboBox *m_types;
    QPushButton *m_cancel;
};
