#include "app/UiWindowHost.h"

#include <QApplication>
#include <QListView>
#include <QLoggingCategory>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/AppContext.h"
#include "app/MDIForm1.h"
#include "app/frmSplash.h"
#include "files/FrmAddfile.h"
#include "files/frmFile.h"
#include "help/Mod_Error.h"
#include "platform/QtMessageBoxes.h"
#include "playlist/FrmPlayList.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "settings/FrameColour.h"

Q_LOGGING_CATEGORY(lcWindows, "tunary.windows")

UiWindowHost::UiWindowHost(AppContext &context, QtMessageBoxes *messageBoxes, QObject *parent)
    : QObject(parent)
    , m_context(context)
    , m_messageBoxes(messageBoxes)
{
    m_context.setHost(this);
}

UiWindowHost::~UiWindowHost()
{
    m_context.setHost(nullptr);
    delete m_splash;
    delete m_frame;
}

void UiWindowHost::showSplash(const QString &commandLine)
{
    if (!m_splash)
        m_splash = new frmSplash(m_context, commandLine);
    m_splash->Form_Load();
}

void UiWindowHost::activateFrame()
{
    if (!m_frame)
        return;
    if (m_frame->isMinimized())
        m_frame->showNormal();
    m_frame->show();
    m_frame->raise();
    m_frame->activateWindow();
    // A later start asks for the front right after it has left its list: take it at once.
    m_frame->shell_timer_Timer();
}

void UiWindowHost::OpenSettings()
{
    ++m_settingsRequests;
    qCDebug(lcWindows) << "settings dialog requested";
    if (m_context.SettingsOpen)
        return;
    loadFrame();
    m_settings = new frmOptions(m_context);
    m_context.SettingsOpen = true;
    QMdiSubWindow *window = m_frame->mdiArea()->addSubWindow(
        m_settings, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_settings, &frmOptions::finished, this, [this, window] {
        m_context.SettingsOpen = false;
        window->close();
    });
    const QSize area = m_frame->mdiArea()->viewport()->size();
    window->adjustSize();
    window->move(std::max(0, (area.width() - window->width()) / 2),
                 std::max(0, (area.height() - window->height()) / 2));
    window->show();
    m_settings->findChild<QWidget *>(QStringLiteral("TxtPath"))->setFocus();
}

void UiWindowHost::loadFrame()
{
    if (m_frame)
        return;
    m_frame = new MDIForm1(m_context);
    connect(m_frame, &MDIForm1::unloaded, this, &UiWindowHost::frameUnloaded);
    if (m_messageBoxes)
        m_messageBoxes->setParentWidget(m_frame);
    m_frame->MDIForm_Load();
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
    auto *window = list ? qobject_cast<FrmPlayList *>(list->parent()) : nullptr;
    if (!window)
        return;
    if (QWidget *subWindow = window->subWindow())
        subWindow->deleteLater();
    else
        window->deleteLater();
}

void UiWindowHost::OpenFileDialog(const QString &mode, int slot)
{
    loadFrame();
    m_fileDialog = new frmFile(m_context, mode, slot);
    QMdiSubWindow *window = m_frame->mdiArea()->addSubWindow(
        m_fileDialog, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_fileDialog, &frmFile::finished, window, &QWidget::close);
    if (mode == QStringLiteral("save")) {
        // Back to the list that was saved, with its caret where it was.
        QPointer<PlayList> list = PlayListCommands::playListAt(m_context, slot);
        connect(m_fileDialog, &frmFile::finished, this, [list] {
            if (list)
                list->show();
        });
    }
    // Centred on the frame.
    const QSize area = m_frame->mdiArea()->viewport()->size();
    window->adjustSize();
    window->move((area.width() - window->width()) / 2, (area.height() - window->height()) / 2);
    window->show();
    m_fileDialog->findChild<QWidget *>(QStringLiteral("txtname"))->setFocus();
}

void UiWindowHost::setSettingsBox(const QString &box, const QString &text)
{
    // A pick whose settings dialog was closed meanwhile has nowhere to go.
    if (m_settings)
        m_settings->setBox(box, text);
}

void UiWindowHost::OpenFileFinder(int mode)
{
    loadFrame();
    auto *finder = new FrmAddfile(m_context, mode);
    const QString fault = finder->startFault();
    if (!fault.isEmpty() && mode == 0) {
        delete finder;
        Mod_Error::ShowError(m_context, 4, fault);
        return;
    }
    QMdiSubWindow *window = m_frame->mdiArea()->addSubWindow(
        finder, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    finder->setArea(m_frame->mdiArea());
    connect(finder, &FrmAddfile::arrangeRequested, m_frame,
            [frame = m_frame](int how) { frame->arrange(MDIForm1::Arrangement(how)); });
    window->show();
    finder->resultList()->setFocus();
    if (!fault.isEmpty())
        Mod_Error::ShowError(m_context, 4, fault);
}

// The windows below arrive with their own parts of the program; until then a request is logged.
void UiWindowHost::showSettingsHelp()
{
    qCDebug(lcWindows) << "settings help requested";
}

void UiWindowHost::showFinderHelp()
{
    qCDebug(lcWindows) << "finder help requested";
}

void UiWindowHost::showPlayListHelp()
{
    qCDebug(lcWindows) << "play-list help requested";
}

void UiWindowHost::ShowHelp(int topic)
{
    qCDebug(lcWindows) << "help topic requested:" << topic;
}

void UiWindowHost::showAbout()
{
    qCDebug(lcWindows) << "about box requested";
}

void UiWindowHost::closeFrame()
{
    if (m_frame)
        m_frame->close();
}
