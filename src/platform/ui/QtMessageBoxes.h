// SPDX-License-Identifier: MIT

#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/MessageBoxes.h"

/** Message boxes shown with QMessageBox, application-modal and centred on the main frame once it exists. */
class QtMessageBoxes : public MessageBoxes
{
public:
    MessageAnswer show(const MessageBoxRequest &request) override;
    QString browseForFolder(const QString &prompt) override;
    QString browseForFolderAt(const QString &prompt, const QString &startFolder) override;

    void setParentWidget(QWidget *parent) { m_parent = parent; }

private:
    QPointer<QWidget> m_parent;
};
