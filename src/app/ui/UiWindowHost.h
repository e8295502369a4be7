// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "app/TrayMinimizer.h"
#include "app/ui/MainWindow.h"
#include "app/ui/SplashScreen.h"
#include "core/WindowHost.h"
#include "files/ui/FileDialogWindow.h"
#include "help/ui/AboutBox.h"
#include "help/ui/HelpWindow.h"
#include "playlist/PlayListModel.h"
#include "settings/ui/SettingsDialog.h"

class AppContext;
class NotificationIcon;
class QtMessageBoxes;

/** The program's windows as the rules see them: the splash and the main frame with its children. */
class UiWindowHost : public QObject, public WindowHost
{
    Q_OBJECT

public:
    explicit UiWindowHost(AppContext &context, QtMessageBoxes *messageBoxes = nullptr, QObject *parent = nullptr);

    /** Minimising the frame puts it behind this icon, where the desktop has a notification area. */
    void setNotificationIcon(NotificationIcon *icon);
    const TrayMinimizer *taskbar() const { return m_taskbar.get(); }
    ~UiWindowHost() override;

    void showSplash(const QString &commandLine);
    /** Brings the frame to the front, restored if it was minimised; asked for by a second start. */
    void activateFrame();
    /**
     * Ends the program as File > Exit does, for a request from outside (a signal): every changed list is asked
     * about, and Cancel keeps the program running. Before the frame is loaded there is nothing to ask: the
     * program ends. The request waits while a box or modal dialog is open; one made while the frame is closing
     * already is dropped.
     */
    void requestEnd();
    /**
     * The same end as the desktop session ends. mayAsk() says whether the desktop lets the program ask; it is
     * called only when a list has changed. False when the session must not end: a changed list could not be
     * asked about, or the user kept it.
     */
    bool endWithSession(const std::function<bool()> &mayAsk);

    MainWindow *frame() const { return m_frame; }
    SplashScreen *splash() const { return m_splash; }
    /** How often the settings dialog was asked for, opened or not. */
    int settingsRequests() const { return m_settingsRequests; }

    void openSettings() override;
    void loadFrame() override;
    void setFrameBackColour(qint32 colour) override;
    void showPlayerPath(const QString &path) override;
    PlayList *createPlayListWindow() override;
    void discardPlayListWindow(PlayList *list) override;
    void openFileDialog(FileDialogPurpose purpose, int slot, PathChosen whenChosen) override;
    /** A finder; the files chosen in one for adding go to the list in front when it opened. */
    void openFinder(FinderMode mode) override;
    void closeFrame() override;
    void showPlayListHelp() override;
    void showFinderHelp() override;
    void showSettingsHelp() override;

    HelpWindow *helpWindow() const { return m_help; }
    AboutBox *aboutBox() const { return m_about; }

    /** The settings dialog while it is open. */
    SettingsDialog *settingsDialog() const { return m_settings; }
    void showHelp(int topic) override;
    void showAbout() override;
    bool isWaitingForUser() const override;

    /** The file dialog while it is open. */
    FileDialogWindow *fileDialog() const { return m_fileDialog; }

private:
    /** A close of the frame is under way: its lists are being asked, or one is being saved on the way out. */
    bool closingAlready() const;
    bool hasChangedLists() const;
    void openHelpWindow(const QList<HelpTopics::Subject> &subjects);
    /** Puts a window into the frame, centred, without minimise and maximise buttons. */
    QMdiSubWindow *addDialog(QWidget *dialog);
    QList<PlayList *> listsByLastUse() const;
    void addChosenFiles(const QPointer<PlayList> &origin, const QList<PlayListModel::Entry> &entries);

signals:
    /** The main frame has closed, or the program was asked to end before it had one: the program ends. */
    void frameUnloaded();

private:
    AppContext &m_context;
    QtMessageBoxes *m_messageBoxes;
    QPointer<MainWindow> m_frame;
    QPointer<SplashScreen> m_splash;
    std::unique_ptr<TrayMinimizer> m_taskbar;
    QPointer<FileDialogWindow> m_fileDialog;
    QPointer<SettingsDialog> m_settings;
    QPointer<HelpWindow> m_help;
    QPointer<AboutBox> m_about;
    int m_settingsRequests = 0;
    /** Repeats a request to end while a box or modal dialog is open. */
    QTimer m_endWaiting;
};
