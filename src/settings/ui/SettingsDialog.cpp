// SPDX-License-Identifier: MIT

#include "settings/ui/SettingsDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/ErrorMessages.h"
#include "core/FolderSearch.h"
#include "core/WindowHost.h"
#include "platform/Drives.h"
#include "platform/MessageBoxes.h"
#include "playlist/OpenLists.h"
#include "settings/FrameColour.h"
#include "widgets/TabOrder.h"

using namespace Qt::StringLiterals;

namespace {

// The pages in the order of the page area: Paths, Winamp, Misc, Colour.
enum Page { PathsPage = 0, PlayerPage = 1, MiscPage = 2, ColourPage = 3 };

QLabel *wrapped(const QString &text, QWidget *parent, bool heading = false)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    if (heading) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

template <typename Widget>
Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

const QString kPlaceholder = u"(Enter M3U here)"_s;

// What a screen reader calls each swatch, in the order of SettingsForm's swatches.
constexpr const char *kSwatchNames[SettingsForm::kSwatchCount] = {
    QT_TRANSLATE_NOOP("SettingsDialog", "Black"),       QT_TRANSLATE_NOOP("SettingsDialog", "Light blue"),
    QT_TRANSLATE_NOOP("SettingsDialog", "Dark yellow"), QT_TRANSLATE_NOOP("SettingsDialog", "Olive"),
    QT_TRANSLATE_NOOP("SettingsDialog", "White"),       QT_TRANSLATE_NOOP("SettingsDialog", "Pale green"),
    QT_TRANSLATE_NOOP("SettingsDialog", "Grey"),        QT_TRANSLATE_NOOP("SettingsDialog", "Yellow"),
    QT_TRANSLATE_NOOP("SettingsDialog", "Dark green"),  QT_TRANSLATE_NOOP("SettingsDialog", "Silver"),
    QT_TRANSLATE_NOOP("SettingsDialog", "Pink"),        QT_TRANSLATE_NOOP("SettingsDialog", "Red"),
    QT_TRANSLATE_NOOP("SettingsDialog", "Light grey"),  QT_TRANSLATE_NOOP("SettingsDialog", "Blue"),
    QT_TRANSLATE_NOOP("SettingsDialog", "Navy")};

} // namespace

SettingsDialog::SettingsDialog(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_search(new FolderSearch(this))
    , m_pages(named(new QStackedWidget(this), u"picOptions"_s))
    , m_playerPageButton(named(new QRadioButton(tr("Winamp"), this), u"o1"_s))
    , m_pathsPageButton(named(new QRadioButton(tr("Paths"), this), u"o4"_s))
    , m_colourPageButton(named(new QRadioButton(tr("Colour"), this), u"O3"_s))
    , m_miscPageButton(named(new QRadioButton(tr("Misc"), this), u"O2"_s))
    , m_ok(named(new QPushButton(tr("&OK"), this), u"Cmdok"_s))
    , m_cancel(named(new QPushButton(tr("&Cancel"), this), u"cmdCancel"_s))
{
    setObjectName(u"frmOptions"_s);
    setWindowTitle(tr("Options"));
    setFixedSize(7305 / 15, 4290 / 15);

    m_pages->addWidget(buildPathsPage());
    m_pages->addWidget(buildPlayerPage());
    m_pages->addWidget(buildMiscPage());
    m_pages->addWidget(buildColourPage());

    auto *pages = new QButtonGroup(this);
    const std::pair<QRadioButton *, int> buttons[] = {{m_playerPageButton, PlayerPage},
                                                      {m_pathsPageButton, PathsPage},
                                                      {m_colourPageButton, ColourPage},
                                                      {m_miscPageButton, MiscPage}};
    auto *strip = new QVBoxLayout;
    for (const auto &[button, page] : buttons) {
        pages->addButton(button, page);
        strip->addWidget(button);
    }
    strip->addStretch();
    auto *help = named(new QPushButton(tr("He&lp"), this), u"Command1"_s);
    strip->addWidget(help);
    connect(pages, &QButtonGroup::idClicked, this, &SettingsDialog::showPage);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_cancel);
    bottom->addWidget(m_ok);
    auto *right = new QVBoxLayout;
    right->addWidget(m_pages);
    right->addLayout(bottom);
    auto *outer = new QHBoxLayout(this);
    outer->addLayout(strip);
    outer->addLayout(right, 1);

    // The page buttons and Help down the left, then the page shown, then Cancel and OK.
    QList<QWidget *> order{m_playerPageButton, m_pathsPageButton, m_colourPageButton, m_miscPageButton, help};
    for (int page = 0; page < m_pages->count(); ++page)
        order.append(tabStopsOf(m_pages->widget(page)->layout()));
    chainTabOrder(order << m_cancel << m_ok);

    connect(m_ok, &QPushButton::clicked, this, &SettingsDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &SettingsDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { m_context.host().showSettingsHelp(); });
    connect(m_search, &FolderSearch::found, this, [this](const PathBatch &paths) { m_found = paths.last(); });
    connect(m_search, &FolderSearch::finished, this, &SettingsDialog::endSearch);
    buildMenus();

    fill(SettingsForm::valuesFromSettings(context.settings));
    showPage(PlayerPage);
}

SettingsDialog::~SettingsDialog()
{
    if (isSearching())
        QApplication::restoreOverrideCursor();
}

QWidget *SettingsDialog::buildPlayerPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(wrapped(tr("Here you can search for Winamp."), page, true), 0, 0, 1, 3);
    QLabel *playerPathLabel =
        wrapped(tr("Please enter the location of Winamp on your computer in to the first box. Click on "
                   "search if your want the program to find it."),
                page);
    grid->addWidget(playerPathLabel, 1, 0, 1, 3);
    m_playerPath = named(new QLineEdit(page), u"TxtPath"_s);
    playerPathLabel->setBuddy(m_playerPath);
    m_playerPath->installEventFilter(this);
    auto *browsePlayer = named(new QPushButton(tr("&Browse"), page), u"Command2"_s);
    connect(browsePlayer, &QPushButton::clicked, this,
            [this] { OpenLists::openFileDialog(m_context, FileDialogPurpose::ChoosePlayer, 0, fillIn(m_playerPath)); });
    grid->addWidget(m_playerPath, 2, 0, 1, 2);
    grid->addWidget(browsePlayer, 2, 2);
    QLabel *drivesLabel = wrapped(tr("Select the drive you wish to search for WINAMP.EXE then press Search."), page);
    grid->addWidget(drivesLabel, 3, 0, 1, 3);
    m_drives = named(new QComboBox(page), u"DrvList"_s);
    drivesLabel->setBuddy(m_drives);
    m_drives->addItems(m_context.platform.drives.drives());
    connect(m_drives, &QComboBox::activated, this, [this] { m_search->stop(); });
    m_searchButton = named(new QPushButton(tr("&Search"), page), u"CmdSearch"_s);
    m_stopButton = named(new QPushButton(tr("S&top"), page), u"Cmdstop"_s);
    m_stopButton->hide();
    connect(m_searchButton, &QPushButton::clicked, this, &SettingsDialog::searchForPlayer);
    connect(m_stopButton, &QPushButton::clicked, this, [this] {
        m_search->stop();
        m_stopButton->hide();
        m_searchButton->show();
    });
    grid->addWidget(m_drives, 4, 0, 1, 2);
    grid->addWidget(m_searchButton, 4, 2);
    grid->addWidget(m_stopButton, 4, 2);
    grid->addWidget(
        wrapped(tr("Remember, the more sub directorys there are on a drive, the slower it is search in."), page), 5, 0,
        1, 3);
    // Kept in the program's own options file: TUNARY.INI has no line for it.
    m_startsPlayer = named(new QCheckBox(tr("Start the &player when TUNARY starts"), page), u"chkStartPlayer"_s);
    m_startsPlayer->setChecked(m_context.options.startsPlayer());
    grid->addWidget(m_startsPlayer, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
    return page;
}

QWidget *SettingsDialog::buildPathsPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    m_mp3Folder = named(new QLineEdit(page), u"TxtMp3"_s);
    m_mp3Folder->installEventFilter(this);
    m_m3uFolder = named(new QLineEdit(page), u"M3UPathtxt"_s);
    auto *browseMp3Folder = named(new QPushButton(tr("&Browse"), page), u"CmdBrowse"_s);
    auto *browseM3uFolder = named(new QPushButton(tr("B&rowse"), page), u"Command3"_s);
    // The chooser starts at the folder already in the box.
    connect(browseMp3Folder, &QPushButton::clicked, this, [this] {
        m_mp3Folder->setText(m_context.platform.messageBoxes.browseForFolderAt(
            tr("Please select the starting directory (If your have a large amount of MP3 files in one place)"),
            m_mp3Folder->text()));
    });
    connect(browseM3uFolder, &QPushButton::clicked, this, [this] {
        m_m3uFolder->setText(m_context.platform.messageBoxes.browseForFolderAt(
            tr("Please select the M3U directory (If your have a large amount of M3U files in one place)"),
            m_m3uFolder->text()));
    });
    QLabel *mp3FolderLabel = wrapped(tr("Please Enter the MP3 Path."), page, true);
    mp3FolderLabel->setBuddy(m_mp3Folder);
    grid->addWidget(mp3FolderLabel, 0, 0, 1, 2);
    grid->addWidget(m_mp3Folder, 1, 0);
    grid->addWidget(browseMp3Folder, 1, 1);
    QLabel *m3uFolderLabel = wrapped(tr("Please Enter the Default Directory of your M3U files"), page);
    m3uFolderLabel->setBuddy(m_m3uFolder);
    grid->addWidget(m3uFolderLabel, 2, 0, 1, 2);
    grid->addWidget(m_m3uFolder, 3, 0);
    grid->addWidget(browseM3uFolder, 3, 1);
    grid->addWidget(wrapped(tr("Entering a valid paths here will insure that TUNARY will look in this directory first "
                               "when opening M3U/MP3 files. This Speeds up the process of making a playlist."),
                            page),
                    4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *SettingsDialog::buildColourPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(wrapped(tr("Please Enter Background Colour For TUNARY."), page, true), 0, 0, 1, 6);
    grid->addWidget(wrapped(tr("Please Select the new background colour For TUNARY By Click on one of the default "
                               "colours or by using the sliders to make a custom colour."),
                            page),
                    1, 0, 1, 6);
    m_colourPreview = named(new QFrame(page), u"BGC"_s);
    m_colourPreview->setFrameShape(QFrame::Box);
    m_colourPreview->setAutoFillBackground(true);
    m_colourPreview->setMinimumSize(48, 48);
    auto *previewLabel = new QLabel(tr("New Colour"), page);
    previewLabel->setBuddy(m_colourPreview);
    grid->addWidget(previewLabel, 2, 0);
    grid->addWidget(m_colourPreview, 3, 0, 2, 1);
    const std::tuple<QSlider **, QLabel **, QString, QString> sliders[] = {
        {&m_red, &m_redValue, u"V1"_s, tr("Red")},
        {&m_green, &m_greenValue, u"V2"_s, tr("Green")},
        {&m_blue, &m_blueValue, u"V3"_s, tr("Blue")}};
    // The captions turn into the sliders' numbers; at a fixed width they move nothing sideways.
    int captionWidth = page->fontMetrics().horizontalAdvance(u"255"_s);
    for (const auto &slider : sliders)
        captionWidth = std::max(captionWidth, page->fontMetrics().horizontalAdvance(std::get<3>(slider)));
    int column = 1;
    for (const auto &[slider, label, name, caption] : sliders) {
        *label = new QLabel(caption, page);
        (*label)->setFixedWidth(captionWidth);
        (*label)->setAlignment(Qt::AlignCenter);
        *slider = named(new QSlider(Qt::Vertical, page), name);
        // The label above turns into the slider's number, so the slider keeps the colour's name itself.
        (*slider)->setAccessibleName(caption);
        (*slider)->setRange(0, 255);
        connect(*slider, &QSlider::valueChanged, this, [this, label = *label](int value) {
            label->setText(QString::number(value));
            sliderChanged();
        });
        grid->addWidget(*label, 2, column);
        grid->addWidget(*slider, 3, column, 2, 1, Qt::AlignHCenter);
        ++column;
    }
    auto *swatches = new QGridLayout;
    for (int i = 0; i < SettingsForm::kSwatchCount; ++i) {
        auto *swatch = named(new QPushButton(page), u"Picture2_"_s + QString::number(i));
        swatch->setFixedSize(22, 22);
        swatch->setFlat(true);
        swatch->setAutoFillBackground(true);
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Button, *SettingsForm::swatchColour(i));
        swatch->setPalette(palette);
        swatch->setAccessibleName(tr(kSwatchNames[i]));
        swatch->setAccessibleDescription(SettingsForm::swatchColour(i)->name().toUpper());
        swatch->setToolTip(swatch->accessibleName());
        connect(swatch, &QPushButton::clicked, this, [this, i] { chooseSwatch(i); });
        swatches->addWidget(swatch, i / 5, i % 5);
    }
    grid->addLayout(swatches, 3, 4, 2, 2);
    return page;
}

QWidget *SettingsDialog::buildMiscPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(wrapped(tr("Please Use these settings to customize TUNARY"), page, true), 0, 0, 1, 2);
    m_fonts = named(new QComboBox(page), u"cmb1"_s);
    m_fonts->setEditable(true);
    m_fonts->addItems(QFontDatabase::families());
    m_fonts->setEditText(tr("Select Playlist Font"));
    m_fonts->setAccessibleName(tr("Play list font"));
    // The list and the sample share the line at a fixed ratio, so that a family name shows whole in its own font
    // beside the list, whatever the length of the list's text in the user's language or of the name shown.
    m_fonts->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_fonts->lineEdit()->setCursorPosition(0); // a text longer than the box shows its start
    m_fontSample = named(new QLabel(page), u"test"_s);
    m_fontSample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_fontSample->setFixedHeight(m_fonts->sizeHint().height());
    connect(m_fonts, &QComboBox::activated, this, [this](int index) {
        const QString family = m_fonts->itemText(index);
        m_fontSample->setText(family);
        m_fontSample->setFont(QFont(family));
    });
    m_alwaysSort = named(new QCheckBox(tr("Always sort Playlists"), page), u"cc2"_s);
    m_openAndPlay = named(new QCheckBox(tr("Open and play this file:"), page), u"cc3"_s);
    connect(m_openAndPlay, &QCheckBox::clicked, this, &SettingsDialog::onOpenAndPlayClicked);
    m_openAndPlayFile = named(new QLineEdit(page), u"opensong"_s);
    m_openAndPlayFile->setAccessibleName(tr("List to open and play"));
    m_openAndPlayBrowse = named(new QPushButton(tr("&Browse"), page), u"cmdb4"_s);
    connect(m_openAndPlayBrowse, &QPushButton::clicked, this, [this] {
        // The file dialog starts in the folder shown on the Paths page, which is kept even if this dialog is
        // cancelled.
        m_context.settings.m3uFolder = m_m3uFolder->text();
        OpenLists::openFileDialog(m_context, FileDialogPurpose::ChooseStartUpList, 0, fillIn(m_openAndPlayFile));
    });
    auto *fontLine = new QHBoxLayout;
    fontLine->addWidget(m_fonts, 5);
    fontLine->addWidget(m_fontSample, 4);
    grid->addLayout(fontLine, 1, 0, 1, 2);
    grid->addWidget(m_alwaysSort, 2, 0, 1, 2);
    grid->addWidget(m_openAndPlay, 3, 0, 1, 2);
    grid->addWidget(m_openAndPlayFile, 4, 0);
    grid->addWidget(m_openAndPlayBrowse, 4, 1);
    grid->addWidget(wrapped(tr("If you would like open and play a particular M3U file, check the 'Open and play' box "
                               "and select the that file."),
                            page),
                    5, 0, 1, 2);
    grid->addWidget(wrapped(tr("If you would like the playlists to be sorted when they are loaded in TUNARY check the "
                               "'Always sort playlist' box."),
                            page),
                    6, 0, 1, 2);
    return page;
}

void SettingsDialog::buildMenus()
{
    AppContext &context = m_context;
    QMenu *mnuFile = addNamedMenu(this, u"mnuFile"_s, tr("&File"));
    addCommand(mnuFile, u"mnuCSave"_s, tr("Close Settings and &Save"), {}, [this] { accept(); });
    addCommand(mnuFile, u"mnuCDsave"_s, tr("Close Settings &Dont Save"), {}, [this] { reject(); });
    addSeparator(mnuFile, u"mnusep1"_s);
    addCommand(mnuFile, u"MnuExit"_s, tr("&Exit TUNARY "), {}, [this] {
        reject();
        m_context.host().closeFrame();
    });
    QMenu *mnuHelp = addNamedMenu(this, u"mnuHelp"_s, tr("&Help"));
    addCommand(mnuHelp, u"mndHelpset"_s, tr("Help with Se&ttings"), {},
               [&context] { context.host().showSettingsHelp(); });
    addSeparator(mnuHelp, u"mnusep2"_s);
    addCommand(mnuHelp, u"MNUABOUT"_s, tr("About TUNARY"), {}, [&context] { context.host().showAbout(); });
    m_menus = {mnuFile, mnuHelp};
}

void SettingsDialog::fill(const SettingsValues &state)
{
    m_alwaysSort->setChecked(state.alwaysSort);
    m_openAndPlay->setChecked(state.openAndPlay);
    m_openAndPlayFile->setEnabled(state.openAndPlay);
    m_openAndPlayBrowse->setEnabled(state.openAndPlay);
    m_openAndPlayFile->setText(state.openAndPlayFile);
    m_playerPath->setText(state.playerPath);
    m_mp3Folder->setText(state.mp3Folder);
    setPreview(state.backColour);
    const QSignalBlocker red(m_red), green(m_green), blue(m_blue);
    m_red->setValue(state.red);
    m_green->setValue(state.green);
    m_blue->setValue(state.blue);
    m_m3uFolder->setText(state.m3uFolder);
    m_fontSample->setText(state.listFont);
    m_fontSample->setFont(QFont(state.listFont));
}

SettingsValues SettingsDialog::state() const
{
    SettingsValues state;
    state.playerPath = m_playerPath->text();
    state.mp3Folder = m_mp3Folder->text();
    state.m3uFolder = m_m3uFolder->text();
    state.backColour = m_preview;
    state.red = qint16(m_red->value());
    state.green = qint16(m_green->value());
    state.blue = qint16(m_blue->value());
    state.listFont = m_fontSample->text();
    state.alwaysSort = m_alwaysSort->isChecked();
    state.openAndPlay = m_openAndPlay->isChecked();
    state.openAndPlayFile = m_openAndPlayFile->text();
    return state;
}

void SettingsDialog::focusPlayerPath()
{
    m_playerPath->setFocus();
}

// A pick whose settings dialog was closed meanwhile has nowhere to go.
WindowHost::PathChosen SettingsDialog::fillIn(QLineEdit *field)
{
    return [field = QPointer<QLineEdit>(field)](const QString &path) {
        if (field)
            field->setText(path);
    };
}

void SettingsDialog::setPreview(qint32 colour)
{
    m_preview = colour;
    // The colour the frame takes for the same value, a system colour included.
    QPalette palette = m_colourPreview->palette();
    palette.setColor(QPalette::Window, frameColour(colour, QApplication::palette()));
    m_colourPreview->setPalette(palette);
}

void SettingsDialog::sliderChanged()
{
    setPreview(SettingsForm::colourValue(QColor(m_red->value(), m_green->value(), m_blue->value())));
}

void SettingsDialog::chooseSwatch(int index)
{
    const std::optional<QColor> colour = SettingsForm::swatchColour(index);
    if (!colour)
        return;
    setPreview(SettingsForm::colourValue(*colour));
    m_red->setValue(colour->red());
    m_green->setValue(colour->green());
    m_blue->setValue(colour->blue());
}

void SettingsDialog::onOpenAndPlayClicked(bool checked)
{
    m_openAndPlayFile->setEnabled(checked);
    m_openAndPlayBrowse->setEnabled(checked);
    m_openAndPlayFile->setText(checked ? QString() : kPlaceholder);
}

void SettingsDialog::showPage(int page)
{
    m_pages->setCurrentIndex(page);
    for (QRadioButton *button : {m_playerPageButton, m_pathsPageButton, m_colourPageButton, m_miscPageButton}) {
        const QSignalBlocker quiet(button);
        button->setChecked((button == m_playerPageButton && page == PlayerPage) ||
                           (button == m_pathsPageButton && page == PathsPage) ||
                           (button == m_colourPageButton && page == ColourPage) ||
                           (button == m_miscPageButton && page == MiscPage));
    }
}

int SettingsDialog::currentPage() const
{
    return m_pages->currentIndex();
}

void SettingsDialog::accept()
{
    const std::optional<ErrorNumber> refused = SettingsForm::accept(m_context, state());
    if (refused == ErrorNumber::NoFont)
        showPage(MiscPage);
    if (refused)
        return;
    if (m_startsPlayer->isChecked() != m_context.options.startsPlayer()) {
        if (const std::optional<QString> fault = m_context.options.setStartsPlayer(m_startsPlayer->isChecked()))
            m_context.platform.messageBoxes.show({windowTitle(), *fault, MessageIcon::Warning, MessageButtons::Ok});
    }
    m_done = true;
    m_search->stop();
    emit finished();
}

void SettingsDialog::reject()
{
    m_done = true;
    m_search->stop();
    emit finished();
}

void SettingsDialog::closeEvent(QCloseEvent *event)
{
    // Closing stops a search that is still running.
    m_search->stop();
    if (!m_done) {
        m_done = true;
        emit finished();
    }
    event->accept();
}

// Enter in the player box goes on to the MP3 folder, and Enter there to OK.
bool SettingsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_playerPath) {
                showPage(PathsPage);
                m_mp3Folder->setFocus();
                return true;
            }
            if (watched == m_mp3Folder) {
                m_ok->setFocus();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SettingsDialog::searchForPlayer()
{
    if (isSearching())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_playerPath->clear();
    m_found.clear();
    m_stopButton->show();
    m_searchButton->hide();
    // One name, few results: a second thread lists folders ahead of the walk.
    m_search->start(m_drives->currentText(), QString::fromLatin1(SettingsForm::kPlayerName), FolderWalk::Threads::Two);
}

bool SettingsDialog::isSearching() const
{
    return m_search->isRunning() || m_stopButton->isVisible() || m_searchButton->isHidden();
}

void SettingsDialog::endSearch(bool)
{
    QApplication::restoreOverrideCursor();
    m_stopButton->hide();
    m_searchButton->show();
    // The last player the walk met, as on a complete walk; else a player of this system; else error 3.
    if (m_found.isEmpty())
        m_found = SettingsForm::playerOnPath();
    m_playerPath->setText(m_found);
    emit searchFinished();
    if (m_found.isEmpty() && !m_done)
        ErrorMessages::showError(m_context, ErrorNumber::PlayerNotOnDrive, QString());
}
