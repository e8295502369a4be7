// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

#include "help/HelpTopics.h"
#include "widgets/MenuCommands.h"

class AppContext;
class QListWidget;

/** The help window: the subjects of the window that opened it; a click on one shows its topic. */
class HelpWindow : public QWidget, public HasMenus
{
    Q_OBJECT

public:
    HelpWindow(AppContext &context, const QList<HelpTopics::Subject> &subjects, QWidget *parent = nullptr);

    QList<QMenu *> menus() const override { return m_menus; }
    /** The designed size it is fixed at, which its window takes, whatever its lists would like. */
    QSize sizeHint() const override { return minimumSize(); }

signals:
    void finished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &m_context;
    QListWidget *m_titles;
    QListWidget *m_topics;
    QList<QMenu *> m_menus;
};
