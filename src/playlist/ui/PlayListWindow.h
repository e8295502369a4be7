// SPDX-License-Identifier: MIT

#pragma once

#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "widgets/MenuCommands.h"

class AppContext;
class FolderSearch;
class PlayList;
class UniformListView;
class QMenu;

/**
 * A play-list window: its list Lst1 with the keys and mouse actions of a list, and its menu bar, which the
 * frame shows while the window is active. Every command goes to the play-list rules.
 */
class QProgressBar;

class PlayListWindow : public QWidget, public HasMenus
{
    Q_OBJECT

public:
    explicit PlayListWindow(AppContext &context, QWidget *parent = nullptr);

    PlayList *playList() const { return m_list; }
    UniformListView *list() const { return m_view; }
    /** The menus of the menu bar, in order. */
    QList<QMenu *> menus() const override { return m_menus; }

    /** The sub-window of the frame that holds this window. */
    void setSubWindow(QMdiSubWindow *window) { m_subWindow = window; }
    QMdiSubWindow *subWindow() const { return m_subWindow; }
    /** Asks this window to close because the frame closes; false when it refuses. */
    bool closeWithFrame();

signals:
    /** A command for the frame: arrange the child windows in one of three ways. */
    void arrangeRequested(Arrangement how);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void setUpTagBar();
    void findMovedFiles();
    void fillWindowMenu();
    bool onListKey(QKeyEvent *event);
    bool onListDrag(QEvent *event);
    void layOutList();

    AppContext &m_context;
    PlayList *m_list;
    UniformListView *m_view;
    /** Shown over the list while its file is read: the progress and a button to cancel. */
    QWidget *m_loadingBar;
    QProgressBar *m_loadingProgress;
    QWidget *m_tagBar;
    QMenu *m_listMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QList<QMenu *> m_menus;
    QPointer<QMdiSubWindow> m_subWindow;
    bool m_closingWithFrame = false;
    /** Runs for a second after a left press on the list; until then drops onto the list are clicks. */
    QTimer m_dropTimer;
    /** Collects the MP3 files of folders dropped from other programs. */
    FolderSearch *m_dropSearch = nullptr;
    /** Numbers the folder drops, so that the batches of one make one step to undo. */
    int m_dropBatch = 0;
};
