// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

class AppContext;

/** The about box: the program's title, version and makers, and the way to the system's own information. */
class AboutBox : public QWidget
{
    Q_OBJECT

public:
    explicit AboutBox(AppContext &context, QWidget *parent = nullptr);

signals:
    void finished();

protected:
    void closeEvent(QCloseEvent *event) override;
};
