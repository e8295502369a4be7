// SPDX-License-Identifier: MIT

#include "app/ui/SplashScreen.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "app/StartUp.h"
#include "core/AppContext.h"
#include "platform/MessageBoxes.h"
#include "widgets/Logo.h"

using namespace Qt::StringLiterals;

namespace {

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int pointSize, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(u"Arial"_s, pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

} // namespace

SplashScreen::SplashScreen(AppContext &context, const QString &commandLine, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_context(context)
    , m_commandLine(commandLine)
    , m_panel(new QFrame(this))
    , m_logo(new QLabel(m_panel))
{
    setObjectName(u"frmSplash"_s);
    // Never seen (the window has no title bar), but it keeps the splash apart from the frame titled "TUNARY".
    setWindowTitle(u"TUNARY splash"_s);
    setFixedSize(370, 275);
    setFocusPolicy(Qt::StrongFocus);

    m_panel->setObjectName(u"Frame1"_s);
    m_panel->setFrameShape(QFrame::Box);
    m_logo->setObjectName(u"imgLogo"_s);
    m_logo->setPixmap(tunaryLogo(100));
    m_logo->setAccessibleName(tr("TUNARY logo"));
    m_logo->setFixedSize(100, 100);

    m_productName = makeLabel(m_panel, u"lblProductName"_s, QCoreApplication::applicationName(), 24, true);
    m_platform = makeLabel(m_panel, u"lblPlatform"_s, tr("WIN95/98"), 10, true);
    m_version =
        makeLabel(m_panel, u"lblVersion"_s, tr("Version %1").arg(QCoreApplication::applicationVersion()), 10, true);
    m_warning = makeLabel(m_panel, u"lblWarning"_s, tr("Warning: Nullsoft's \"Winamp\" Required"), 8);
    m_licenceTo = makeLabel(m_panel, u"lblLicenseTo"_s, tr("For everyone who keeps their music in play lists"), 8);
    m_companyProduct = makeLabel(m_panel, u"lblCompanyProduct"_s, tr("TUNARY play-list editor"), 8);
    m_copyright = makeLabel(m_panel, u"lblCopyright"_s, tr("Made by the TUNARY developers"), 8);
    m_playerPath = makeLabel(m_panel, u"WApath_str"_s, QString(), 8);

    auto *grid = new QGridLayout(m_panel);
    grid->addWidget(m_licenceTo, 0, 0, 1, 2);
    grid->addWidget(m_logo, 1, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(m_productName, 1, 1);
    grid->addWidget(m_platform, 2, 1);
    grid->addWidget(m_version, 3, 1);
    grid->addWidget(m_warning, 4, 0, 1, 2);
    grid->addWidget(m_playerPath, 5, 0, 1, 2);
    grid->addWidget(m_companyProduct, 6, 0, 1, 2);
    grid->addWidget(m_copyright, 7, 0, 1, 2);
    grid->setRowStretch(4, 1);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(m_panel);

    m_panel->installEventFilter(this);
    for (QLabel *label : m_panel->findChildren<QLabel *>())
        label->installEventFilter(this);

    m_timer.setInterval(kShowMs);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SplashScreen::onTimeout);
}

void SplashScreen::start()
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    setFocus();
    m_timer.start();
}

void SplashScreen::showPlayerPath(const QString &path)
{
    m_playerPath->setText(path);
}

void SplashScreen::onTimeout()
{
    close();
}

void SplashScreen::onLogoClicked()
{
    m_context.noAutoPlay = true;
    close();
}

void SplashScreen::onVersionClicked()
{
    m_context.platform.messageBoxes.show(
        {QCoreApplication::applicationName(),
         tr("Notes one this version:\r\rThis version has the auto save fixed and has a command line reader."),
         MessageIcon::None, MessageButtons::Ok});
}

bool SplashScreen::eventFilter(QObject *watched, QEvent *event)
{
    // Labels take their own clicks; a label without a click of its own does nothing.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        return true;
    if (event->type() != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (mouse->button() != Qt::LeftButton || !widget || !widget->rect().contains(mouse->position().toPoint()))
        return true;

    if (watched == m_logo)
        onLogoClicked();
    else if (watched == m_version)
        onVersionClicked();
    else if (watched == m_panel || watched == m_companyProduct || watched == m_licenceTo || watched == m_productName)
        close();
    return true;
}

void SplashScreen::keyPressEvent(QKeyEvent *)
{
    close();
}

void SplashScreen::closeEvent(QCloseEvent *event)
{
    m_timer.stop();
    event->accept();
    if (m_unloading)
        return;
    m_unloading = true;
    // The start-up that follows may show message boxes; it runs once the splash is gone from the screen.
    QMetaObject::invokeMethod(this, &SplashScreen::unload, Qt::QueuedConnection);
}

void SplashScreen::unload()
{
    StartUp::splashUnloading(m_context, m_commandLine);
    emit unloaded();
}
