// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QTimer>
#include <QWidget>

#include "core/FolderSearch.h"
#include "core/MusicFiles.h"
#include "playlist/PlayListModel.h"
#include "widgets/MenuCommands.h"

class AppContext;
class FolderList;
class FolderSearch;
class PathListModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QAbstractItemView;
class QListView;
class QMdiArea;
class QPushButton;

/**
 * The file finder: lists the M3U lists or MP3 files of a folder, or of a whole folder tree after "&Search".
 * Lists are opened from it; MP3 files are dragged from it onto play lists, or added with Enter.
 */
class FinderWindow : public QWidget, public HasMenus
{
    Q_OBJECT

public:
    FinderWindow(AppContext &context, FinderMode mode, QWidget *parent = nullptr);
    ~FinderWindow() override;

    /** Empty when the start folder could be used; otherwise why not. */
    QString startFault() const { return m_startFault; }
    QList<QMenu *> menus() const override { return m_menus; }
    /** The frame's area, for the window list and the arrangement commands. */
    void setArea(QMdiArea *area) { m_area = area; }

    /** The designed size, or wider where the buttons need it. */
    QSize sizeHint() const override;

    /** The ";"-separated patterns searched. */
    QString pattern() const { return m_searchPattern; }
    QStringList results() const;
    bool isSearching() const { return m_searching; }
    FolderList *folderList() const { return m_folders; }
    QAbstractItemView *resultList() const;

    void searchOrStop();
    /** What a command takes: the selected results, or for Enter also the one at the caret when none is. */
    enum class Chosen { Selected, SelectedOrCaret };
    void openSelectedLists(Chosen chosen = Chosen::Selected);
    /** "&Add to List", or Enter on the results: the chosen files go to a list, as a drag of them would. */
    void addSelectedFiles(Chosen chosen = Chosen::Selected);
    /** "&Close", "&Close Add File": ends a running search and closes the finder's window. */
    void closeWindow();

signals:
    /** A command for the frame: arrange the child windows in one of three ways. */
    void arrangeRequested(Arrangement how);
    void searchFinished();
    /** Files chosen to be added to a play list, in the results' order. */
    void filesChosen(const QList<PlayListModel::Entry> &entries);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QModelIndexList chosenRows(Chosen chosen) const;
    void buildMenus();
    void onFolderChanged();
    void onDriveChosen();
    void lookFor(MusicFiles files);
    void onMusicFilesChosen(MusicFiles files);
    void endSearch();
    void layOut();
    void showFoundCount();
    void showPendingResults();
    void selectAll();

    AppContext &m_context;
    const FinderMode m_mode;
    QString m_startFault;
    QMdiArea *m_area = nullptr;
    bool m_searching = false;
    QString m_searchPattern;

    PathListModel *m_results;
    FolderSearch *m_search;
    QListView *m_resultView;
    QComboBox *m_drives;
    FolderList *m_folders;
    QLabel *m_searchingNote;
    QLabel *m_lookingForLabel;
    QLabel *m_pattern;
    QLabel *m_found;
    /** In the MP3 finder: all kinds of music file, or MP3 files alone. */
    QCheckBox *m_allMusic;
    QPushButton *m_open;
    QPushButton *m_searchButton;
    QPushButton *m_close;
    QPushButton *m_help;
    QMenu *m_editMenu = nullptr;
    QList<QMenu *> m_menus;
    /** Results found since the list last showed more, and when it will show them. */
    QList<PathBatch> m_pendingResults;
    QTimer m_resultsShown;
};
