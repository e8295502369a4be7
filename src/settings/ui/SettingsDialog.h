// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

#include "core/WindowHost.h"
#include "settings/SettingsForm.h"
#include "widgets/MenuCommands.h"

class AppContext;
class FolderSearch;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;

/** The settings dialog: four pages for every setting, and the search for the player. */
class SettingsDialog : public QWidget, public HasMenus
{
    Q_OBJECT

public:
    SettingsDialog(AppContext &context, QWidget *parent = nullptr);
    ~SettingsDialog() override;

    QList<QMenu *> menus() const override { return m_menus; }

    /** What the controls hold now. */
    SettingsValues state() const;
    /** Puts the keyboard focus in the player's path, where the user starts. */
    void focusPlayerPath();

    void accept();
    void reject();
    void showPage(int page);
    int currentPage() const;
    void chooseSwatch(int index);
    void searchForPlayer();
    bool isSearching() const;

signals:
    /** The dialog is done and its window may go. */
    void finished();
    void searchFinished();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /** Where a path picked in the file dialog goes: the field, if this dialog is still open then. */
    static WindowHost::PathChosen fillIn(QLineEdit *field);
    QWidget *buildPlayerPage();
    QWidget *buildPathsPage();
    QWidget *buildColourPage();
    QWidget *buildMiscPage();
    void buildMenus();
    void fill(const SettingsValues &state);
    void setPreview(qint32 colour);
    void sliderChanged();
    void onOpenAndPlayClicked(bool checked);
    void endSearch(bool stopped);

    AppContext &m_context;
    bool m_done = false;
    qint32 m_preview = 0xFFFFFF;
    QList<QMenu *> m_menus;
    FolderSearch *m_search;
    QString m_found;

    QStackedWidget *m_pages;
    QRadioButton *m_playerPageButton;
    QRadioButton *m_pathsPageButton;
    QRadioButton *m_colourPageButton;
    QRadioButton *m_miscPageButton;
    QLineEdit *m_playerPath = nullptr;
    QComboBox *m_drives = nullptr;
    QPushButton *m_searchButton = nullptr;
    QPushButton *m_stopButton = nullptr;
    QLineEdit *m_mp3Folder = nullptr;
    QLineEdit *m_m3uFolder = nullptr;
    QFrame *m_colourPreview = nullptr;
    QSlider *m_red = nullptr;
    QSlider *m_green = nullptr;
    QSlider *m_blue = nullptr;
    QLabel *m_redValue = nullptr;
    QLabel *m_greenValue = nullptr;
    QLabel *m_blueValue = nullptr;
    QComboBox *m_fonts = nullptr;
    QLabel *m_fontSample = nullptr;
    QCheckBox *m_alwaysSort = nullptr;
    QCheckBox *m_startsPlayer = nullptr;
    QCheckBox *m_openAndPlay = nullptr;
    QLineEdit *m_openAndPlayFile = nullptr;
    QPushButton *m_openAndPlayBrowse = nullptr;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
