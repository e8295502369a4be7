// SPDX-License-Identifier: MIT

#include "app/ui/UiWindowHost.h"

#include <QApplication>
#include <QListView>
#include <QLoggingCategory>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/ui/DialogWindow.h"
#include "app/ui/MainWindow.h"
#include "app/ui/SplashScreen.h"
#include "core/AppContext.h"
#include "core/ErrorMessages.h"
#include "files/ui/FileDialogWindow.h"
#include "files/ui/FinderWindow.h"
#include "help/HelpTopics.h"
#include "platform/ui/QtMessageBoxes.h"
#include "playlist/OpenLists.h"
#include "playlist/PlayList.h"
#include "playlist/ui/PlayListWindow.h"
#include "settings/FrameColour.h"

Q_LOGGING_CATEGORY(lcWindows, "tunary.windows", QtInfoMsg)

UiWindowHost::UiWindowHost(AppContext &context, QtMessageBoxes *messageBoxes, QObject *parent)
    : QObject(parent)
    , m_context(context)
    , m_messageBoxes(messageBoxes)
{
    m_context.setHost(this);
    m_endWaiting.setSingleShot(true);
    m_endWaiting.setInterval(100);
    connect(&m_endWaiting, &QTimer::timeout, this, &UiWindowHost::requestEnd);
}

UiWindowHost::~UiWindowHost()
{
    m_context.setHost(nullptr);
    delete m_splash;
    delete m_frame;
}

void UiWindowHost::setNotificationIcon(NotificationIcon *icon)
{
    m_taskbar = std::make_unique<TrayMinimizer>(
        *icon,
        [this] {
            if (m_frame)
                m_frame->hide();
        },
        [this] {
            if (!m_frame)
                return;
            m_frame->showNormal();
            m_frame->raise();
            m_frame->activateWindow();
        });
}

void UiWindowHost::showSplash(const QString &commandLine)
{
    if (!m_splash)
        m_splash = new SplashScreen(m_context, commandLine);
    m_splash->start();
}

void UiWindowHost::activateFrame()
{
    if (!m_frame)
        return;
    if (m_frame->isMinimized())
        m_frame->showNormal();
    m_frame->show();
    if (m_taskbar)
        m_taskbar->frameShown();
    m_frame->raise();
    m_frame->activateWindow();
}

bool UiWindowHost::isWaitingForUser() const
{
    return QApplication::activeModalWidget() != nullptr;
}

// The code that opened a box may still be working on the windows that closing would remove: a request to end
// waits until the box is answered, as File > Exit can only be chosen then.
void UiWindowHost::requestEnd()
{
    if (closingAlready())
        return;
    if (QApplication::activeModalWidget()) {
        m_endWaiting.start();
        return;
    }
    if (m_frame)
        m_frame->close();
    else
        emit frameUnloaded();
}

bool UiWindowHost::endWithSession(const std::function<bool()> &mayAsk)
{
    if (!hasChangedLists()) {
        requestEnd();
        return true;
    }
    // The question cannot be put while another box waits for its answer.
    if (closingAlready() || QApplication::activeModalWidget() || !mayAsk())
        return false;
    const QPointer<MainWindow> frame = m_frame;
    return frame && frame->close();
}

bool UiWindowHost::closingAlready() const
{
    return m_frame && (m_frame->isClosing() || (m_context.frameClosing && m_context.fileDialogOpen));
}

bool UiWindowHost::hasChangedLists() const
{
    if (!m_frame)
        return false;
    for (QMdiSubWindow *window : m_frame->mdiArea()->subWindowList()) {
        const auto *list = qobject_cast<PlayListWindow *>(window->widget());
        if (list && window->isVisibleTo(m_frame) && list->playList()->isChanged())
            return true;
    }
    return false;
}

void UiWindowHost::openSettings()
{
    ++m_settingsRequests;
    qCDebug(lcWindows) << "settings dialog requested";
    if (m_context.settingsOpen)
        return;
    loadFrame();
    m_settings = new SettingsDialog(m_context);
    m_context.settingsOpen = true;
    QMdiSubWindow *window = addDialog(m_settings);
    connect(m_settings, &SettingsDialog::finished, this, [this, window] {
        m_context.settingsOpen = false;
        window->close();
    });
    m_settings->focusPlayerPath();
}

void UiWindowHost::loadFrame()
{
    if (m_frame)
        return;
    m_frame = new MainWindow(m_context);
    connect(m_frame, &MainWindow::unloaded, this, &UiWindowHost::frameUnloaded);
    connect(m_frame, &MainWindow::minimised, this, [this] {
        if (m_taskbar)
            m_taskbar->frameResized();
    });
    if (m_messageBoxes)
        m_messageBoxes->setParentWidget(m_frame);
    m_frame->load();
}

void UiWindowHost::setFrameBackColour(qint32 colour)
{
    if (m_frame)
        m_frame->setBackColour(frameColour(colour, QApplication::palette(m_frame)));
}

void UiWindowHost::showPlayerPath(const QString &path)
{
    if (m_splash)
        m_splash->showPlayerPath(path);
}

PlayList *UiWindowHost::createPlayListWindow()
{
    loadFrame();
    return m_frame->addPlayListWindow()->playList();
}

void UiWindowHost::discardPlayListWindow(PlayList *list)
{
    auto *window = list ? qobject_cast<PlayListWindow *>(list->parent()) : nullptr;
    if (!window)
        return;
    if (QWidget *subWindow = window->subWindow())
        subWindow->deleteLater();
    else
        window->deleteLater();
}

void UiWindowHost::openFileDialog(FileDialogPurpose purpose, int slot, PathChosen whenChosen)
{
    loadFrame();
    m_fileDialog = new FileDialogWindow(m_context, purpose, slot);
    QMdiSubWindow *window = addDialog(m_fileDialog);
    connect(m_fileDialog, &FileDialogWindow::finished, window, &QWidget::close);
    if (whenChosen)
        connect(m_fileDialog, &FileDialogWindow::pathChosen, this, std::move(whenChosen));
    if (purpose == FileDialogPurpose::SaveList) {
        // Back to the list that was saved, with its caret where it was.
        QPointer<PlayList> list = OpenLists::playListAt(m_context, slot);
        connect(m_fileDialog, &FileDialogWindow::finished, this, [list] {
            if (list)
                list->show();
        });
    }
    m_fileDialog->focusName();
}

// The shown play-list windows' lists, the one the user was in last first.
QList<PlayList *> UiWindowHost::listsByLastUse() const
{
    QList<PlayList *> lists;
    const QList<QMdiSubWindow *> windows = m_frame->mdiArea()->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto window = windows.crbegin(); window != windows.crend(); ++window) {
        const auto *list = qobject_cast<PlayListWindow *>((*window)->widget());
        if (list && (*window)->isVisibleTo(m_frame))
            lists.append(list->playList());
    }
    return lists;
}

// Files chosen in a finder go to the list it was opened from while that is open, else to the list the user was
// in last, else to a new list. The list is looked up now: any of them may have closed since the finder opened.
void UiWindowHost::addChosenFiles(const QPointer<PlayList> &origin, const QList<PlayListModel::Entry> &entries)
{
    const QList<PlayList *> lists = listsByLastUse();
    PlayList *list = origin && lists.contains(origin.data()) ? origin.data() : lists.value(0);
    if (!list)
        list = OpenLists::playListAt(m_context, OpenLists::newPlayList(m_context));
    if (!list)
        return;
    if (list->isBusy()) {
        m_context.platform.messageBoxes.show({list->caption(),
                                              OpenLists::busyText(*list) + u' ' + tr("Add the files once it is ready."),
                                              MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    list->append(entries);
}

void UiWindowHost::openFinder(FinderMode mode)
{
    loadFrame();
    const QList<PlayList *> lists = listsByLastUse();
    const QPointer<PlayList> origin = lists.value(0);
    auto *finder = new FinderWindow(m_context, mode);
    connect(finder, &FinderWindow::filesChosen, this,
            [this, origin](const QList<PlayListModel::Entry> &entries) { addChosenFiles(origin, entries); });
    const QString fault = finder->startFault();
    if (!fault.isEmpty() && mode == FinderMode::Lists) {
        delete finder;
        ErrorMessages::showError(m_context, ErrorNumber::FolderMissing, fault);
        return;
    }
    QMdiSubWindow *window = m_frame->mdiArea()->addSubWindow(
        finder, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    finder->setArea(m_frame->mdiArea());
    connect(finder, &FinderWindow::arrangeRequested, m_frame, &MainWindow::arrange);
    window->show();
    m_frame->fitIntoArea(window);
    finder->resultList()->setFocus();
    if (!fault.isEmpty())
        ErrorMessages::showError(m_context, ErrorNumber::FolderMissing, fault);
}

void UiWindowHost::showSettingsHelp()
{
    openHelpWindow(HelpTopics::settingsSubjects());
}

void UiWindowHost::showFinderHelp()
{
    openHelpWindow(HelpTopics::finderSubjects());
}

void UiWindowHost::showPlayListHelp()
{
    openHelpWindow(HelpTopics::playListSubjects());
}

// One help window at a time: while one is open, another request does nothing.
void UiWindowHost::openHelpWindow(const QList<HelpTopics::Subject> &subjects)
{
    if (m_context.helpOpen)
        return;
    loadFrame();
    m_context.helpOpen = true;
    m_help = new HelpWindow(m_context, subjects);
    QMdiSubWindow *window = addDialog(m_help);
    connect(m_help, &HelpWindow::finished, this, [this, window] {
        m_context.helpOpen = false;
        window->close();
    });
}

void UiWindowHost::showHelp(int topic)
{
    HelpTopics::showHelp(m_context, topic);
}

void UiWindowHost::showAbout()
{
    if (m_about)
        return;
    loadFrame();
    m_about = new AboutBox(m_context);
    QMdiSubWindow *window = addDialog(m_about);
    connect(m_about, &AboutBox::finished, window, &QWidget::close);
}

QMdiSubWindow *UiWindowHost::addDialog(QWidget *dialog)
{
    QMdiSubWindow *window = addDialogWindow(m_frame->mdiArea(), dialog);
    window->setAttribute(Qt::WA_DeleteOnClose);
    const QSize area = m_frame->mdiArea()->viewport()->size();
    window->adjustSize();
    window->move(std::max(0, (area.width() - window->width()) / 2),
                 std::max(0, (area.height() - window->height()) / 2));
    window->show();
    return window;
}

void UiWindowHost::closeFrame()
{
    if (m_frame)
        m_frame->close();
}
