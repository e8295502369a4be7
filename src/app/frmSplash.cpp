// SPDX-License-Identifier: MIT

#include "app/frmSplash.h"

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
#include "core/Logo.h"
#include "platform/MessageBoxes.h"

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

frmSplash::frmSplash(AppContext &context, const QString &commandLine, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_context(context)
    , m_commandLine(commandLine)
    , Frame1(new QFrame(this))
    , imgLogo(new QLabel(Frame1))
{
    setObjectName(u"frmSplash"_s);
    // Never seen (the window has no title bar), but it keeps the splash apart from the frame titled "TUNARY".
    setWindowTitle(u"TUNARY splash"_s);
    setFixedSize(370, 275);
    setFocusPolicy(Qt::StrongFocus);

    Frame1->setObjectName(u"Frame1"_s);
    Frame1->setFrameShape(QFrame::Box);
    imgLogo->setObjectName(u"imgLogo"_s);
    imgLogo->setPixmap(tunaryLogo(100));
    imgLogo->setFixedSize(100, 100);

    lblProductName = makeLabel(Frame1, u"lblProductName"_s, QCoreApplication::applicationName(), 24, true);
    lblPlatform = makeLabel(Frame1, u"lblPlatform"_s, u"WIN95/98"_s, 10, true);
    lblVersion = makeLabel(Frame1, u"lblVersion"_s, u"Version "_s + QCoreApplication::applicationVersion(), 10, true);
    lblWarning = makeLabel(Frame1, u"lblWarning"_s, u"Warning: Nullsoft's \"Winamp\" Required"_s, 8);
    lblLicenseTo = makeLabel(Frame1, u"lblLicenseTo"_s, tr("For everyone who keeps their music in play lists"), 8);
    lblCompanyProduct = makeLabel(Frame1, u"lblCompanyProduct"_s, tr("TUNARY play-list editor"), 8);
    lblCopyright = makeLabel(Frame1, u"lblCopyright"_s, tr("Made by the TUNARY developers"), 8);
    WApath_str = makeLabel(Frame1, u"WApath_str"_s, QString(), 8);

    auto *grid = new QGridLayout(Frame1);
    grid->addWidget(lblLicenseTo, 0, 0, 1, 2);
    grid->addWidget(imgLogo, 1, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblProductName, 1, 1);
    grid->addWidget(lblPlatform, 2, 1);
    grid->addWidget(lblVersion, 3, 1);
    grid->addWidget(lblWarning, 4, 0, 1, 2);
    grid->addWidget(WApath_str, 5, 0, 1, 2);
    grid->addWidget(lblCompanyProduct, 6, 0, 1, 2);
    grid->addWidget(lblCopyright, 7, 0, 1, 2);
    grid->setRowStretch(4, 1);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(Frame1);

    Frame1->installEventFilter(this);
    for (QLabel *label : Frame1->findChildren<QLabel *>())
        label->installEventFilter(this);

    Time_unload.setInterval(kShowMs);
    Time_unload.setSingleShot(true);
    connect(&Time_unload, &QTimer::timeout, this, &frmSplash::Time_unload_Timer);
}

void frmSplash::Form_Load()
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    setFocus();
    Time_unload.start();
}

void frmSplash::showPlayerPath(const QString &path)
{
    WApath_str->setText(path);
}

void frmSplash::Time_unload_Timer()
{
    close();
}

void frmSplash::imgLogo_Click()
{
    m_context.NoAutoPlay = true;
    close();
}

void frmSplash::lblVersion_Click()
{
    m_context.platform.messageBoxes.show(
        {QCoreApplication::applicationName(),
         u"Notes one this version:\r\rThis version has the auto save fixed and has a command line reader."_s,
         MessageIcon::None, MessageButtons::Ok});
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
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

    if (watched == imgLogo)
        imgLogo_Click();
    else if (watched == lblVersion)
        lblVersion_Click();
    else if (watched == Frame1 || watched == lblCompanyProduct || watched == lblLicenseTo || watched == lblProductName)
        close();
    return true;
}

void frmSplash::keyPressEvent(QKeyEvent *)
{
    close();
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    Time_unload.stop();
    event->accept();
    if (m_unloading)
        return;
    m_unloading = true;
    // The start-up that follows may show message boxes; it runs once the splash is gone from the screen.
    QMetaObject::invokeMethod(this, &frmSplash::Form_Unload, Qt::QueuedConnection);
}

void frmSplash::Form_Unload()
{
    StartUp::splashUnloading(m_context, m_commandLine);
    emit unloaded();
}
