// SPDX-License-Identifier: MIT

#pragma once

class QMdiArea;
class QMdiSubWindow;
class QWidget;

/**
 * Puts a dialog into the frame's area: a fixed window whose title bar has a close box, and which is never
 * maximised. Over maximised lists it opens as it is, and the lists stay maximised behind it, so the frame's
 * title keeps naming the list.
 */
QMdiSubWindow *addDialogWindow(QMdiArea *area, QWidget *dialog);
