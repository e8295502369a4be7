// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

#include "core/MenuCommands.h"
#include "help/Mod_Help.h"

class AppContext;
class QListWidget;

/** The help window: the subjects of the window that opened it; a click on one shows its topic. */
class FrmHelpSub : public QWidget, public HasMenus
{
    Q_OBJECT

public:
    FrmHelpSub(AppContext &context, const QList<Mod_Help::Subject> &subjects, QWidget *parent = nullptr);

    QList<QMenu *> menus() const override { return m_menus; }

signals:
    void finished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &m_context;
    QListWidget *LstMessage;
    QListWidget *lstHelpNumber;
    QList<QMenu *> m_menus;
};
