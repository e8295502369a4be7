// SPDX-License-Identifier: MIT

#include "settings/frmOptions.h"

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
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/FolderSearch.h"
#include "core/TabOrder.h"
#include "core/WindowHost.h"
#include "help/Mod_Error.h"
#include "platform/Drives.h"
#include "platform/MessageBoxes.h"
#include "playlist/PlayListCommands.h"
#include "settings/FrameColour.h"

using namespace Qt::StringLiterals;

namespace {

// The pages in the order of the page area: Paths, Winamp, Misc, Colour.
enum Page { PathsPage = 0, WinampPage = 1, MiscPage = 2, ColourPage = 3 };

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

} // namespace

frmOptions::frmOptions(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_search(new FolderSearch(this))
    , picOptions(named(new QStackedWidget(this), u"picOptions"_s))
    , o1(named(new QRadioButton(u"Winamp"_s, this), u"o1"_s))
    , o4(named(new QRadioButton(u"Paths"_s, this), u"o4"_s))
    , O3(named(new QRadioButton(u"Colour"_s, this), u"O3"_s))
    , O2(named(new QRadioButton(u"Misc"_s, this), u"O2"_s))
    , Cmdok(named(new QPushButton(u"&OK"_s, this), u"Cmdok"_s))
    , cmdCancel(named(new QPushButton(u"&Cancel"_s, this), u"cmdCancel"_s))
{
    setObjectName(u"frmOptions"_s);
    setWindowTitle(u"Options"_s);
    setFixedSize(7305 / 15, 4290 / 15);

    picOptions->addWidget(buildPathsPage());
    picOptions->addWidget(buildWinampPage());
    picOptions->addWidget(buildMiscPage());
    picOptions->addWidget(buildColourPage());

    auto *pages = new QButtonGroup(this);
    const std::pair<QRadioButton *, int> buttons[] = {
        {o1, WinampPage}, {o4, PathsPage}, {O3, ColourPage}, {O2, MiscPage}};
    auto *strip = new QVBoxLayout;
    for (const auto &[button, page] : buttons) {
        pages->addButton(button, page);
        strip->addWidget(button);
    }
    strip->addStretch();
    auto *Command1 = named(new QPushButton(u"&Help"_s, this), u"Command1"_s);
    strip->addWidget(Command1);
    connect(pages, &QButtonGroup::idClicked, this, &frmOptions::showPage);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdCancel);
    bottom->addWidget(Cmdok);
    auto *right = new QVBoxLayout;
    right->addWidget(picOptions);
    right->addLayout(bottom);
    auto *outer = new QHBoxLayout(this);
    outer->addLayout(strip);
    outer->addLayout(right, 1);

    // The page buttons and Help down the left, then the page shown, then Cancel and OK.
    QList<QWidget *> order{o1, o4, O3, O2, Command1};
    for (int page = 0; page < picOptions->count(); ++page)
        order.append(tabStopsOf(picOptions->widget(page)->layout()));
    chainTabOrder(order << cmdCancel << Cmdok);

    connect(Cmdok, &QPushButton::clicked, this, &frmOptions::Cmdok_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    connect(Command1, &QPushButton::clicked, this, [this] { m_context.host().showSettingsHelp(); });
    connect(m_search, &FolderSearch::found, this, [this](const PathBatch &paths) { m_found = paths.last(); });
    connect(m_search, &FolderSearch::finished, this, &frmOptions::endSearch);
    buildMenus();

    fill(Options::stateFromSettings(context.Settings));
    showPage(WinampPage);
}

frmOptions::~frmOptions()
{
    if (isSearching())
        QApplication::restoreOverrideCursor();
}

QWidget *frmOptions::buildWinampPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(wrapped(u"Here you can search for Winamp."_s, page, true), 0, 0, 1, 3);
    grid->addWidget(wrapped(u"Please enter the location of Winamp on your computer in to the first box. Click on "
                            u"search if your want the program to find it."_s,
                            page),
                    1, 0, 1, 3);
    TxtPath = named(new QLineEdit(page), u"TxtPath"_s);
    TxtPath->installEventFilter(this);
    auto *Command2 = named(new QPushButton(u"&Browse"_s, page), u"Command2"_s);
    connect(Command2, &QPushButton::clicked, this,
            [this] { PlayListCommands::OpenFileDialog(m_context, u"opt"_s, 9999); });
    grid->addWidget(TxtPath, 2, 0, 1, 2);
    grid->addWidget(Command2, 2, 2);
    grid->addWidget(wrapped(u"Select the drive you wish to search for WINAMP.EXE then press Search."_s, page), 3, 0, 1,
                    3);
    DrvList = named(new QComboBox(page), u"DrvList"_s);
    DrvList->addItems(m_context.platform.drives.drives());
    connect(DrvList, &QComboBox::activated, this, [this] { m_search->stop(); });
    CmdSearch = named(new QPushButton(u"&Search"_s, page), u"CmdSearch"_s);
    Cmdstop = named(new QPushButton(u"&Stop"_s, page), u"Cmdstop"_s);
    Cmdstop->hide();
    connect(CmdSearch, &QPushButton::clicked, this, &frmOptions::CmdSearch_Click);
    connect(Cmdstop, &QPushButton::clicked, this, [this] {
        m_search->stop();
        Cmdstop->hide();
        CmdSearch->show();
    });
    grid->addWidget(DrvList, 4, 0, 1, 2);
    grid->addWidget(CmdSearch, 4, 2);
    grid->addWidget(Cmdstop, 4, 2);
    grid->addWidget(
        wrapped(u"Remember, the more sub directorys there are on a drive, the slower it is search in."_s, page), 5, 0,
        1, 3);
    grid->setRowStretch(6, 1);
    return page;
}

QWidget *frmOptions::buildPathsPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    TxtMp3 = named(new QLineEdit(page), u"TxtMp3"_s);
    TxtMp3->installEventFilter(this);
    M3UPathtxt = named(new QLineEdit(page), u"M3UPathtxt"_s);
    auto *CmdBrowse = named(new QPushButton(u"&Browse"_s, page), u"CmdBrowse"_s);
    auto *Command3 = named(new QPushButton(u"&Browse"_s, page), u"Command3"_s);
    // The chooser starts at the folder already in the box.
    connect(CmdBrowse, &QPushButton::clicked, this, [this] {
        TxtMp3->setText(m_context.platform.messageBoxes.browseForFolderAt(
            u"Please select the starting directory (If your have a large amount of MP3 files in one place)"_s,
            TxtMp3->text()));
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        M3UPathtxt->setText(m_context.platform.messageBoxes.browseForFolderAt(
            u"Please select the M3U directory (If your have a large amount of M3U files in one place)"_s,
            M3UPathtxt->text()));
    });
    grid->addWidget(wrapped(u"Please Enter the MP3 Path."_s, page, true), 0, 0, 1, 2);
    grid->addWidget(TxtMp3, 1, 0);
    grid->addWidget(CmdBrowse, 1, 1);
    grid->addWidget(wrapped(u"Please Enter the Default Directory of your M3U files"_s, page), 2, 0, 1, 2);
    grid->addWidget(M3UPathtxt, 3, 0);
    grid->addWidget(Command3, 3, 1);
    grid->addWidget(wrapped(u"Entering a valid paths here will insure that TUNARY will look in this directory first "
                            u"when opening M3U/MP3 files. This Speeds up the process of making a playlist."_s,
                            page),
                    4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *frmOptions::buildColourPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(wrapped(u"Please Enter Background Colour For TUNARY."_s, page, true), 0, 0, 1, 6);
    grid->addWidget(wrapped(u"Please Select the new background colour For TUNARY By Click on one of the default "
                            u"colours or by using the sliders to make a custom colour."_s,
                            page),
                    1, 0, 1, 6);
    BGC = named(new QFrame(page), u"BGC"_s);
    BGC->setFrameShape(QFrame::Box);
    BGC->setAutoFillBackground(true);
    BGC->setMinimumSize(48, 48);
    grid->addWidget(new QLabel(u"New Colour"_s, page), 2, 0);
    grid->addWidget(BGC, 3, 0, 2, 1);
    const std::tuple<QSlider **, QLabel **, QString, QString> sliders[] = {
        {&V1, &lblRed, u"V1"_s, u"Red"_s}, {&V2, &lblGreen, u"V2"_s, u"Green"_s}, {&V3, &lblBlue, u"V3"_s, u"Blue"_s}};
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
    for (int i = 0; i < Options::kSwatchCount; ++i) {
        auto *swatch = named(new QPushButton(page), u"Picture2_"_s + QString::number(i));
        swatch->setFixedSize(22, 22);
        swatch->setFlat(true);
        swatch->setAutoFillBackground(true);
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Button, *Options::findrightcolor(i));
        swatch->setPalette(palette);
        connect(swatch, &QPushButton::clicked, this, [this, i] { Picture2_Click(i); });
        swatches->addWidget(swatch, i / 5, i % 5);
    }
    grid->addLayout(swatches, 3, 4, 2, 2);
    return page;
}

QWidget *frmOptions::buildMiscPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(wrapped(u"Please Use these settings to customize TUNARY"_s, page, true), 0, 0, 1, 2);
    cmb1 = named(new QComboBox(page), u"cmb1"_s);
    cmb1->setEditable(true);
    cmb1->addItems(QFontDatabase::families());
    cmb1->setEditText(u"Select Playlist Font"_s);
    test = named(new QLabel(page), u"test"_s);
    // The sample's size never follows its text: a long font name in a wide font does not squeeze the font list.
    test->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    test->setFixedHeight(cmb1->sizeHint().height());
    connect(cmb1, &QComboBox::activated, this, [this](int index) {
        const QString family = cmb1->itemText(index);
        test->setText(family);
        test->setFont(QFont(family));
    });
    cc2 = named(new QCheckBox(u"Always sort Playlists"_s, page), u"cc2"_s);
    cc3 = named(new QCheckBox(u"Open and play this file:"_s, page), u"cc3"_s);
    connect(cc3, &QCheckBox::clicked, this, &frmOptions::cc3_Click);
    opensong = named(new QLineEdit(page), u"opensong"_s);
    cmdb4 = named(new QPushButton(u"&Browse"_s, page), u"cmdb4"_s);
    connect(cmdb4, &QPushButton::clicked, this, [this] {
        // The file dialog starts in the folder shown on the Paths page, which is kept even if this dialog is
        // cancelled.
        m_context.Settings.M3UPath = M3UPathtxt->text();
        PlayListCommands::OpenFileDialog(m_context, u"opt2"_s, 9999);
    });
    grid->addWidget(cmb1, 1, 0);
    grid->addWidget(test, 1, 1);
    grid->addWidget(cc2, 2, 0, 1, 2);
    grid->addWidget(cc3, 3, 0, 1, 2);
    grid->addWidget(opensong, 4, 0);
    grid->addWidget(cmdb4, 4, 1);
    grid->addWidget(wrapped(u"If you would like open and play a particular M3U file, check the 'Open and play' box "
                            u"and select the that file."_s,
                            page),
                    5, 0, 1, 2);
    grid->addWidget(wrapped(u"If you would like the playlists to be sorted when they are loaded in TUNARY check the "
                            u"'Always sort playlist' box."_s,
                            page),
                    6, 0, 1, 2);
    return page;
}

void frmOptions::buildMenus()
{
    AppContext &context = m_context;
    QMenu *mnuFile = addNamedMenu(this, u"mnuFile"_s, u"&File"_s);
    addCommand(mnuFile, u"mnuCSave"_s, u"Close Settings and &Save"_s, {}, [this] { Cmdok_Click(); });
    addCommand(mnuFile, u"mnuCDsave"_s, u"Close Settings &Dont Save"_s, {}, [this] { cmdCancel_Click(); });
    addSeparator(mnuFile, u"mnusep1"_s);
    addCommand(mnuFile, u"MnuExit"_s, u"&Exit TUNARY "_s, {}, [this] {
        cmdCancel_Click();
        m_context.host().closeFrame();
    });
    QMenu *mnuHelp = addNamedMenu(this, u"mnuHelp"_s, u"&Help"_s);
    addCommand(mnuHelp, u"mndHelpset"_s, u"Help with Se&ttings"_s, {},
               [&context] { context.host().showSettingsHelp(); });
    addSeparator(mnuHelp, u"mnusep2"_s);
    addCommand(mnuHelp, u"MNUABOUT"_s, u"About TUNARY"_s, {}, [&context] { context.host().showAbout(); });
    m_menus = {mnuFile, mnuHelp};
}

void frmOptions::fill(const Options::OptionsState &state)
{
    cc2->setChecked(state.cc2);
    cc3->setChecked(state.cc3);
    opensong->setEnabled(state.cc3);
    cmdb4->setEnabled(state.cc3);
    opensong->setText(state.opensong);
    TxtPath->setText(state.TxtPath);
    TxtMp3->setText(state.TxtMp3);
    setPreview(state.preview);
    const QSignalBlocker red(V1), green(V2), blue(V3);
    V1->setValue(state.V1);
    V2->setValue(state.V2);
    V3->setValue(state.V3);
    M3UPathtxt->setText(state.M3UPathtxt);
    test->setText(state.test);
    test->setFont(QFont(state.test));
}

Options::OptionsState frmOptions::state() const
{
    Options::OptionsState state;
    state.TxtPath = TxtPath->text();
    state.TxtMp3 = TxtMp3->text();
    state.M3UPathtxt = M3UPathtxt->text();
    state.preview = m_preview;
    state.V1 = V1->value();
    state.V2 = V2->value();
    state.V3 = V3->value();
    state.test = test->text();
    state.cc2 = cc2->isChecked();
    state.cc3 = cc3->isChecked();
    state.opensong = opensong->text();
    return state;
}

void frmOptions::setBox(const QString &box, const QString &text)
{
    if (box == u"TxtPath"_s)
        TxtPath->setText(text);
    else if (box == u"opensong"_s)
        opensong->setText(text);
}

void frmOptions::setPreview(qint32 colour)
{
    m_preview = colour;
    // The colour the frame takes for the same value, a system colour included.
    QPalette palette = BGC->palette();
    palette.setColor(QPalette::Window, frameColour(colour, QApplication::palette()));
    BGC->setPalette(palette);
}

void frmOptions::sliderChanged()
{
    setPreview(Options::colourValue(QColor(V1->value(), V2->value(), V3->value())));
}

void frmOptions::Picture2_Click(int index)
{
    const std::optional<QColor> colour = Options::findrightcolor(index);
    if (!colour)
        return;
    setPreview(Options::colourValue(*colour));
    V1->setValue(colour->red());
    V2->setValue(colour->green());
    V3->setValue(colour->blue());
}

void frmOptions::cc3_Click(bool checked)
{
    opensong->setEnabled(checked);
    cmdb4->setEnabled(checked);
    opensong->setText(checked ? QString() : kPlaceholder);
}

void frmOptions::showPage(int page)
{
    picOptions->setCurrentIndex(page);
    for (QRadioButton *button : {o1, o4, O3, O2}) {
        const QSignalBlocker quiet(button);
        button->setChecked((button == o1 && page == WinampPage) || (button == o4 && page == PathsPage) ||
                           (button == O3 && page == ColourPage) || (button == O2 && page == MiscPage));
    }
}

int frmOptions::currentPage() const
{
    return picOptions->currentIndex();
}

void frmOptions::Cmdok_Click()
{
    const int refused = Options::Cmdok_Click(m_context, state());
    if (refused == 9)
        showPage(MiscPage);
    if (refused)
        return;
    m_done = true;
    m_search->stop();
    emit finished();
}

void frmOptions::cmdCancel_Click()
{
    m_done = true;
    m_search->stop();
    emit finished();
}

void frmOptions::closeEvent(QCloseEvent *event)
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
bool frmOptions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == TxtPath) {
                showPage(PathsPage);
                TxtMp3->setFocus();
                return true;
            }
            if (watched == TxtMp3) {
                Cmdok->setFocus();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmOptions::CmdSearch_Click()
{
    if (isSearching())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TxtPath->clear();
    m_found.clear();
    Cmdstop->show();
    CmdSearch->hide();
    m_search->start(DrvList->currentText(), QString::fromLatin1(Options::kPlayerName));
}

bool frmOptions::isSearching() const
{
    return m_search->isRunning() || Cmdstop->isVisible() || CmdSearch->isHidden();
}

void frmOptions::endSearch(bool)
{
    QApplication::restoreOverrideCursor();
    Cmdstop->hide();
    CmdSearch->show();
    // The last player the walk met, as on a complete walk; nothing found is error 3.
    TxtPath->setText(m_found);
    emit searchFinished();
    if (m_found.isEmpty() && !m_done)
        Mod_Error::ShowError(m_context, 3, QString());
}
