// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

#include "core/MenuCommands.h"
#include "settings/Options.h"

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
class frmOptions : public QWidget, public HasMenus
{
    Q_OBJECT

public:
    frmOptions(AppContext &context, QWidget *parent = nullptr);
    ~frmOptions() override;

    QList<QMenu *> menus() const override { return m_menus; }

    /** What the controls hold now. */
    Options::OptionsState state() const;
    /** Writes a path picked in the file dialog into "TxtPath" or "opensong". */
    void setBox(const QString &box, const QString &text);

    void Cmdok_Click();
    void cmdCancel_Click();
    void showPage(int page);
    int currentPage() const;
    void Picture2_Click(int index);
    void CmdSearch_Click();
    bool isSearching() const;

signals:
    /** The dialog is done and its window may go. */
    void finished();
    void searchFinished();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildWinampPage();
    QWidget *buildPathsPage();
    QWidget *buildColourPage();
    QWidget *buildMiscPage();
    void buildMenus();
    void fill(const Options::OptionsState &state);
    void setPreview(qint32 colour);
    void sliderChanged();
    void cc3_Click(bool checked);
    void endSearch(bool stopped);

    AppContext &m_context;
    bool m_done = false;
    qint32 m_preview = 0xFFFFFF;
    QList<QMenu *> m_menus;
    FolderSearch *m_search;
    QString m_found;

    QStackedWidget *picOptions;
    QRadioButton *o1;
    QRadioButton *o4;
    QRadioButton *O3;
    QRadioButton *O2;
    QLineEdit *TxtPath = nullptr;
    QComboBox *DrvList = nullptr;
    QPushButton *CmdSearch = nullptr;
    QPushButton *Cmdstop = nullptr;
    QLineEdit *TxtMp3 = nullptr;
    QLineEdit *M3UPathtxt = nullptr;
    QFrame *BGC = nullptr;
    QSlider *V1 = nullptr;
    QSlider *V2 = nullptr;
    QSlider *V3 = nullptr;
    QLabel *lblRed = nullptr;
    QLabel *lblGreen = nullptr;
    QLabel *lblBlue = nullptr;
    QComboBox *cmb1 = nullptr;
    QLabel *test = nullptr;
    QCheckBox *cc2 = nullptr;
    QCheckBox *cc3 = nullptr;
    QLineEdit *opensong = nullptr;
    QPushButton *cmdb4 = nullptr;
    QPushButton *Cmdok;
    QPushButton *cmdCancel;
};
