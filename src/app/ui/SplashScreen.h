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
class SplashScreen : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kShowMs = 2000;

    SplashScreen(AppContext &context, const QString &commandLine, QWidget *parent = nullptr);

    /** Shows the window centred on the screen and starts its timer. */
    void start();
    void showPlayerPath(const QString &path);

signals:
    /** The splash has closed and the start-up that follows it has run. */
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void unload();
    void onTimeout();
    void onLogoClicked();
    void onVersionClicked();

    AppContext &m_context;
    const QString m_commandLine;
    bool m_unloading = false;
    QTimer m_timer;
    QFrame *m_panel;
    QLabel *m_logo;
    QLabel *m_productName;
    QLabel *m_version;
    QLabel *m_platform;
    QLabel *m_warning;
    QLabel *m_licenceTo;
    QLabel *m_companyProduct;
    QLabel *m_copyright;
    QLabel *m_playerPath;
};
