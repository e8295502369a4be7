// SPDX-License-Identifier: MIT

#include "platform/ui/QtMessageBoxes.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageAnswer fromQt(int button, MessageButtons offered)
{
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    }
    // Closed with Escape or the close box: the box's way out.
    return offered == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace

MessageAnswer QtMessageBoxes::show(const MessageBoxRequest &request)
{
    QMessageBox box(toQt(request.icon), request.title, messageDisplayText(request.text), toQt(request.buttons),
                    m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    if (request.closeAfterMs > 0)
        QTimer::singleShot(request.closeAfterMs, &box, &QMessageBox::reject);
    return fromQt(box.exec(), request.buttons);
}

QString QtMessageBoxes::browseForFolder(const QString &prompt)
{
    return browseForFolderAt(prompt, QString());
}

QString QtMessageBoxes::browseForFolderAt(const QString &prompt, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, prompt, startFolder);
}
