// SPDX-License-Identifier: MIT

#include "help/ui/AboutBox.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "core/AppContext.h"
#include "help/SysInfo.h"
#include "widgets/Logo.h"

using namespace Qt::StringLiterals;

AboutBox::AboutBox(AppContext &context, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"frmAbout"_s);
    const QString title = QCoreApplication::applicationName();
    setWindowTitle(tr("About %1").arg(title));

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(u"picIcon"_s);
    picIcon->setPixmap(tunaryLogo(64));
    picIcon->setAccessibleName(tr("TUNARY logo"));
    auto label = [this](const QString &name, const QString &text, bool bold = false) {
        auto *created = new QLabel(text, this);
        created->setObjectName(name);
        created->setWordWrap(true);
        if (bold) {
            QFont font = created->font();
            font.setBold(true);
            created->setFont(font);
        }
        return created;
    };
    QLabel *lblTitle = label(u"lblTitle"_s, title, true);
    QFont big = lblTitle->font();
    big.setPointSize(big.pointSize() * 2);
    lblTitle->setFont(big);
    QLabel *lblVersion = label(u"lblVersion"_s, tr("Version %1").arg(QCoreApplication::applicationVersion()));
    QLabel *lblDescription = label(u"lblDescription"_s, tr("A play-list editor for MP3 lists in M3U files, made by "
                                                           "the TUNARY developers."));
    QLabel *credits = label(u"lblCredits"_s, tr("Programming: the TUNARY developers\nTesting: everyone who keeps "
                                                "their music in play lists"));
    QLabel *contact = label(u"lblContact"_s, tr("Questions and comments are welcome: please report them where you "
                                                "got TUNARY."));
    QLabel *lblDisclaimer = label(u"lblDisclaimer"_s, tr("TUNARY may be copied and given away freely, unchanged."));
    QLabel *lblLicence = label(u"lblLicence"_s, tr("Released under the MIT License; see the LICENSE file."));

    auto *Command1 = new QPushButton(tr("&Ok"), this);
    Command1->setObjectName(u"Command1"_s);
    auto *cmdSysInfo = new QPushButton(tr("S&ystem Info..."), this);
    cmdSysInfo->setObjectName(u"cmdSysInfo"_s);
    connect(Command1, &QPushButton::clicked, this, [this] { emit finished(); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [&context] { SysInfo::startSystemInformation(context); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1, 1, 2);
    grid->addWidget(lblVersion, 1, 1, 1, 2);
    grid->addWidget(lblDescription, 2, 1, 1, 2);
    grid->addWidget(credits, 3, 1, 1, 2);
    grid->addWidget(contact, 4, 1, 1, 2);
    grid->addWidget(lblDisclaimer, 5, 0, 1, 2);
    grid->addWidget(lblLicence, 6, 0, 1, 2);
    grid->addWidget(Command1, 5, 2);
    grid->addWidget(cmdSysInfo, 6, 2);
    setFixedSize(sizeHint().expandedTo(QSize(380, 240)));
}

void AboutBox::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit finished();
}
