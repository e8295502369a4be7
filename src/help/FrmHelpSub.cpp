// SPDX-License-Identifier: MIT

#include "help/FrmHelpSub.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppContext.h"

using namespace Qt::StringLiterals;

FrmHelpSub::FrmHelpSub(AppContext &context, const QList<Mod_Help::Subject> &subjects, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , LstMessage(new QListWidget(this))
    , lstHelpNumber(new QListWidget(this))
{
    setObjectName(u"FrmHelpSub"_s);
    setWindowTitle(u"Help Menu"_s);
    setFixedSize(3090 / 15, 3780 / 15);
    LstMessage->setObjectName(u"LstMessage"_s);
    lstHelpNumber->setObjectName(u"lstHelpNumber"_s);
    // A title longer than the list is wide goes on over more lines rather than out of sight.
    LstMessage->setWordWrap(true);
    LstMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The topic numbers lie beside the titles, out of sight.
    lstHelpNumber->hide();
    for (const Mod_Help::Subject &subject : subjects) {
        LstMessage->addItem(subject.title);
        lstHelpNumber->addItem(QString::number(subject.topic));
    }
    auto *CmdHelp = new QPushButton(u"&Help"_s, this);
    CmdHelp->setObjectName(u"CmdHelp"_s);
    auto *cmdClose = new QPushButton(u"&Close"_s, this);
    cmdClose->setObjectName(u"cmdClose"_s);
    auto *buttons = new QHBoxLayout;
    CmdHelp->setFixedWidth(81);
    cmdClose->setFixedWidth(81);
    buttons->addWidget(CmdHelp);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 13, 11);
    column->addWidget(LstMessage);
    column->addLayout(buttons);

    connect(LstMessage, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const QListWidgetItem *number = lstHelpNumber->item(LstMessage->row(item));
        if (number)
            Mod_Help::ShowHelp(m_context, number->text().toInt());
    });
    connect(CmdHelp, &QPushButton::clicked, this, [this] { Mod_Help::ShowHelp(m_context, 14); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { emit finished(); });

    QMenu *mnuFile = addNamedMenu(this, u"mnuFile"_s, u"&File"_s);
    addCommand(mnuFile, u"mnuClosehelp"_s, u"&Close Help"_s, {}, [this] { emit finished(); });
    m_menus = {mnuFile};
}

void FrmHelpSub::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit finished();
}
