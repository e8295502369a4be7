// SPDX-License-Identifier: MIT

#include "app/ui/DialogWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>

QMdiSubWindow *addDialogWindow(QMdiArea *area, QWidget *dialog)
{
    // The style draws a title bar's close box only together with its system menu.
    auto *window = new QMdiSubWindow(nullptr, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWidget(dialog);
    // Escape does what the close box does, which is Cancel.
    new QShortcut(QKeySequence(Qt::Key_Escape), window, window, &QWidget::close, Qt::WidgetWithChildrenShortcut);
    // A window that becomes active while the one before it was maximised is maximised too, and that one
    // restored. A dialog is not: the area handles the activation in a slot it connects when the window is added,
    // so that slot runs between these two, with the option that stops the maximising turned on.
    const auto keepMaximised = [area](bool keep) {
        area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, keep);
    };
    QObject::connect(window, &QMdiSubWindow::aboutToActivate, area, [keepMaximised] { keepMaximised(true); });
    area->addSubWindow(window);
    QObject::connect(window, &QMdiSubWindow::aboutToActivate, area, [keepMaximised] { keepMaximised(false); });
    return window;
}
