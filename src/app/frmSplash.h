// SPDX-License-Identifier: MIT

#pragma once

#include <QTimer>
#include <QWidget>

class AppContext;
class QFrame;
class QLabel;

/**
 * The splash window, shown for two seconds at start. Whatever closes it (its timer, a click, a key) goes on
 * with the start: the settings load, the frame, and the player.
 */
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kShowMs = 2000;

    frmSplash(AppContext &context, const QString &commandLine, QWidget *parent = nullptr);

    /** Shows the window centred on the screen and starts its timer. */
    void Form_Load();
    void showPlayerPath(const QString &path);

signals:
    /** The splash has closed and the start-up that follows it has run. */
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Unload();
    void Time_unload_Timer();
    void imgLogo_Click();
    void lblVersion_Click();

    AppContext &m_context;
    const QString m_commandLine;
    bool m_unloading = false;
    QTimer Time_unload;
    QFrame *Frame1;
    QLabel *imgLogo;
    QLabel *lblProductName;
    QLabel *lblVersion;
    QLabel *lblPlatform;
    QLabel *lblWarning;
    QLabel *lblLicenseTo;
    QLabel *lblCompanyProduct;
    QLabel *lblCopyright;
    QLabel *WApath_str;
};
