// SPDX-License-Identifier: MIT

#include "help/FrmHelpSub.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>

#include "core/AppContext.h"

using namespace Qt::StringLiterals;

namespace {

QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

} // namespace

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
    LstMessage->setGeometry(twips(120, 120, 2775, 2985));
    // A title longer than the list is wide goes on over more lines rather than out of sight.
    LstMessage->setWordWrap(true);
    LstMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The topic numbers lie beside the titles, out of sight.
    lstHelpNumber->setGeometry(twips(3000, 120, 1455, 2985));
    lstHelpNumber->hide();
    for (const Mod_Help::Subject &subject : subjects) {
        LstMessage->addItem(subject.title);
        lstHelpNumber->addItem(QString::number(subject.topic));
    }
    auto *CmdHelp = new QPushButton(u"&Help"_s, this);
    CmdHelp->setObjectName(u"CmdHelp"_s);
    CmdHelp->setGeometry(twips(120, 3240, 1215, 375));
    auto *cmdClose = new QPushButton(u"&Close"_s, this);
    cmdClose->setObjectName(u"cmdClose"_s);
    cmdClose->setGeometry(twips(1680, 3240, 1215, 375));

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
