// SPDX-License-Identifier: MIT

#pragma once

#include <QMainWindow>
#include <QTimer>

#include "core/Modes.h"

class AppContext;
class PlayListWindow;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

/**
 * The main frame: holds every play-list window and the program's other child windows. Its menu bar shows
 * the active play-list window's menus, or the frame's own when none is active.
 */
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    /** The smallest size a cascade leaves a window: a new list's size. */
    static QSize cascadeMinimum();

    explicit MainWindow(AppContext &context, QWidget *parent = nullptr);
    ~MainWindow() override;

    /** Shows the frame and sets up the window table with its hidden window in slot 1. */
    void load();
    void setBackColour(const QColor &colour);
    QMdiArea *mdiArea() const { return m_area; }

    /** Moves, and if need be shrinks, a window into the visible part of the frame's area. */
    void fitIntoArea(QMdiSubWindow *window);
    /** A new play-list window in a sub-window of the frame, not shown yet. */
    PlayListWindow *addPlayListWindow();
    /** Cascades the child windows, or tiles them one above another, or side by side. */
    void arrange(Arrangement how);

    /** True while the frame asks its lists whether it may close. */
    bool isClosing() const { return m_closing; }

signals:
    /** The frame has closed for good; the program ends. */
    void unloaded();
    /** The user minimised the frame. */
    void minimised();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    /** The menu bar shows the menus of the active child window, or the frame's own when it has none. */
    void updateMenuBar();
    /** Brings a list window that is shown for the first time wholly into the frame's visible area. */
    void keepOnScreen();
    /** Asks every shown list first; only when none refuses do they close. False when one refused. */
    bool closeListWindows();
    void restoreFrameState();
    void saveFrameState() const;
    void unload();

    AppContext &m_context;
    QMdiArea *m_area;
    QList<QMenu *> m_menus;
    /** Brings the menu bar up to date once the events of a change of windows have run. */
    QTimer m_menuUpdate;
    bool m_closing = false;
};
