// SPDX-License-Identifier: MIT

#include "help/ui/HelpWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppContext.h"

using namespace Qt::StringLiterals;

HelpWindow::HelpWindow(AppContext &context, const QList<HelpTopics::Subject> &subjects, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_titles(new QListWidget(this))
    , m_topics(new QListWidget(this))
{
    setObjectName(u"FrmHelpSub"_s);
    setWindowTitle(tr("Help Menu"));
    setFixedSize(3090 / 15, 3780 / 15);
    m_titles->setObjectName(u"LstMessage"_s);
    m_topics->setObjectName(u"lstHelpNumber"_s);
    // A title longer than the list is wide goes on over more lines rather than out of sight.
    m_titles->setWordWrap(true);
    m_titles->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The topic numbers lie beside the titles, out of sight.
    m_topics->hide();
    for (const HelpTopics::Subject &subject : subjects) {
        m_titles->addItem(subject.title);
        m_topics->addItem(QString::number(subject.topic));
    }
    auto *CmdHelp = new QPushButton(tr("&Help"), this);
    CmdHelp->setObjectName(u"CmdHelp"_s);
    auto *cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(u"cmdClose"_s);
    auto *buttons = new QHBoxLayout;
    CmdHelp->setFixedWidth(81);
    cmdClose->setFixedWidth(81);
    buttons->addWidget(CmdHelp);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 13, 11);
    column->addWidget(m_titles);
    column->addLayout(buttons);

    connect(m_titles, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const QListWidgetItem *number = m_topics->item(m_titles->row(item));
        if (number)
            HelpTopics::showHelp(m_context, number->text().toInt());
    });
    connect(CmdHelp, &QPushButton::clicked, this, [this] { HelpTopics::showHelp(m_context, 14); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { emit finished(); });

    QMenu *mnuFile = addNamedMenu(this, u"mnuFile"_s, tr("&File"));
    addCommand(mnuFile, u"mnuClosehelp"_s, tr("&Close Help"), {}, [this] { emit finished(); });
    m_menus = {mnuFile};
}

void HelpWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit finished();
}
