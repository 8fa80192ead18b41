// The main window (TForm1): the five-page wizard that edits the job, builds the selected files,
// runs the checks, starts the run on "GO" and keeps its settings in the settings file.
#include "app/MainWindow.h"

#include "app/PixmaroArt.h"
#include "app/WizardTexts.h"
#include "filecmds/FileCommandsController.h"
#include "html/HtmlOptionRules.h"
#include "job/FileList.h"
#include "job/Naming.h"
#include "job/PreRunChecks.h"
#include "settings/SettingsLocation.h"
#include "shell/Messages.h"
#include "shell/Shell.h"
#include "ui/ElidingLabel.h"
#include "ui/FileListBox.h"
#include "ui/FolderTree.h"
#include "ui/GradientButton.h"
#include "ui/HelpBox.h"
#include "ui/PercentProgressBar.h"
#include "ui/PreviewPane.h"
#include "ui/ValueSlider.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pixmaro {

namespace {

constexpr int kClientWidth = 536;
constexpr int kClientHeight = 453;
constexpr int kTopAreaHeight = 168;

/// The first page's mask choices; the first is the default.
constexpr const char *kMaskItems[]
    = { kDefaultFileMask, "*.jpg;*.jpeg", "*.gif", "*.bmp", "*.emf;*.wmf" };
/// The output list's mask before either of its two buttons is pressed.
constexpr const char *kInitialOutputMask = "*.jpg;*.jpeg;*.bmp;*.gif;*.emf;*.wmf";

template <typename W> W *Named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *Caption(const QString &text, const char *name, QWidget *buddy = nullptr)
{
    auto *label = Named(new QLabel(text), name);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

/// A value label of the summary: plain text that wraps at blanks.
QLabel *ValueLabel(const char *name)
{
    auto *label = Named(new QLabel, name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

/// A folder or mask of the summary: one line, shortened in its middle when too long (the tooltip
/// and assistive technology have all of it).
QLabel *PathLabel(const char *name)
{
    return Named(new ElidingLabel, name);
}

QLabel *PageTitle(const char *text, const char *name)
{
    auto *label = Named(new QLabel(QString::fromLatin1(text)), name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel *Explanation(const char *text, const char *name)
{
    auto *label = Named(new QLabel(QString::fromLatin1(text)), name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    return label;
}

/// A small button above the pages: an icon, its hint as tooltip and as accessible name. A push
/// button, so that assistive technology pressing it gets its answer at once even when the button
/// opens a modal box.
QPushButton *SmallButton(QStyle::StandardPixmap icon, const char *hint, const char *name)
{
    auto *button = Named(new QPushButton, name);
    button->setIcon(QApplication::style()->standardIcon(icon));
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(26, 26);
    button->setToolTip(QString::fromLatin1(hint));
    button->setAccessibleName(QString::fromLatin1(hint));
    return button;
}

QHBoxLayout *ButtonRow(std::initializer_list<QWidget *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget *button : buttons)
        row->addWidget(button);
    return row;
}

void SetShown(std::initializer_list<QWidget *> widgets, bool shown)
{
    for (QWidget *widget : widgets)
        widget->setVisible(shown);
}

} // namespace

MainWindow::MainWindow(
    Messages &messages, Shell &shell, const QString &settingsPath, QWidget *parent)
    : QWidget(parent)
    , m_messages(messages)
    , m_shell(shell)
    , m_settingsPath(settingsPath)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QString::fromLatin1(kMainWindowCaption));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(IconPicture(64)));
    setFixedSize(kClientWidth, kClientHeight);

    buildTopArea();
    PageControl1 = Named(new QTabWidget(this), "PageControl1");
    PageControl1->setGeometry(0, kTopAreaHeight, kClientWidth, kClientHeight - kTopAreaHeight);
    m_pages[0] = buildInputPage();
    m_pages[1] = buildOutputPage();
    m_pages[2] = buildThumbnailPage();
    m_pages[3] = buildConfirmPage();
    m_pages[4] = buildProcessingPage();
    for (int i = 0; i < 5; ++i) {
        PageControl1->addTab(m_pages[i], QString::fromLatin1(kTabCaptions[i]));
        // A hidden tab is disabled too, so no key or wheel can reach it.
        PageControl1->setTabVisible(i, i == 0);
        PageControl1->setTabEnabled(i, i == 0);
    }
    PageControl1->setCurrentIndex(0);
    buildMenus();
    connectRules();

    // The defaults of a fresh window, then the settings file.
    const QString root = CurrentDriveRoot();
    m_stored = StoredSettings::Defaults(root);
    applyMainSettings(m_stored.main);
    mHelp->showText(QString::fromLatin1(kHelpTexts[0]));
    loadSettings();
    m_fileCommands = new FileCommandsController(*this, m_messages, m_shell, m_stored.deleteConfirm);

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow()
{
    // The window is destroyed only after its run has returned (a close during a run waits for
    // it), so the settings are read from controls that are all still there.
    saveSettings();
}

void MainWindow::buildTopArea()
{
    lBanner = Named(new QLabel(this), "lBanner");
    lBanner->setGeometry(8, 6, 200, 40);
    lBanner->setPixmap(BannerPicture(200, 40));
    lBanner->setAccessibleName(QStringLiteral("Pixmaro"));

    lOutput = Named(new QLabel(ModeTitle(true), this), "lOutput");
    QFont title = lOutput->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.15);
    lOutput->setFont(title);
    lOutput->setGeometry(8, 50, 200, 22);
    lOutput->hide();

    lDir = Named(new ElidingLabel(this), "lDir");
    lDir->setGeometry(8, 74, 200, 18);

    lMFL = Named(new QLabel(QStringLiteral("Source Files"), this), "lMFL");
    lMFL->setGeometry(8, 94, 200, 18);
    lbMFL = Named(new QListWidget(this), "lbMFL");
    lbMFL->setGeometry(8, 112, 200, 52);
    lbMFL->setAccessibleName(QStringLiteral("Selected Files"));
    lMFL->setBuddy(lbMFL);

    lPreview = Named(new QLabel(QStringLiteral("Preview Window"), this), "lPreview");
    lPreview->setGeometry(216, 6, 110, 18);
    pnlPreview = Named(new QFrame(this), "pnlPreview");
    pnlPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlPreview->setLineWidth(2);
    pnlPreview->setGeometry(216, 26, 101, 88);
    Image1 = new PreviewPane(pnlPreview);
    Image1->move(2, 2);

    lHints = Named(new QLabel(QStringLiteral("Helpful Hints"), this), "lHints");
    lHints->setGeometry(330, 6, 198, 18);
    mHelp = Named(new HelpBox(this), "mHelp");
    mHelp->setGeometry(330, 26, 198, 106);
    mHelp->setAccessibleName(QStringLiteral("Helpful Hints"));

    sbDefaults = SmallButton(QStyle::SP_DialogResetButton, kResetHint, "sbDefaults");
    bRefreshView = SmallButton(QStyle::SP_BrowserReload, kRefreshHint, "bRefreshView");
    SpeedButton2 = SmallButton(QStyle::SP_DirOpenIcon, kExplorerHint, "SpeedButton2");
    sbAbout = SmallButton(QStyle::SP_MessageBoxInformation, kAboutHint, "sbAbout");
    sbHelp = SmallButton(QStyle::SP_DialogHelpButton, kHelpHint, "sbHelp");
    int x = 330;
    for (QPushButton *button : { sbDefaults, bRefreshView, SpeedButton2, sbAbout, sbHelp }) {
        button->setParent(this);
        button->move(x, 137);
        x += 34;
    }
    sbAbout->setEnabled(false);
}

QWidget *MainWindow::buildInputPage()
{
    auto *page = Named(new QWidget, "tsIFS");
    fDir = Named(new FolderTree(page), "fDir");
    fDir->setAccessibleName(QStringLiteral("Input Folder"));
    fBox = Named(new FileListBox(page), "fBox");
    fBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fBox->setAccessibleName(QStringLiteral("Input Files"));
    fBox->setToolTip(QStringLiteral("Right-Click for Popup Menu"));
    fBox->setMask(QString::fromLatin1(kDefaultFileMask));

    cbMask = Named(new QComboBox(page), "cbMask");
    cbMask->setEditable(true);
    for (const char *item : kMaskItems)
        cbMask->addItem(QString::fromLatin1(item));
    cbMask->setCurrentIndex(0);
    lMask = Caption(QStringLiteral("File Types"), "lMask", cbMask);

    auto *mode = Named(new QGroupBox(QStringLiteral("Processing Option")), "gbMode");
    rbThumbs = Named(new QRadioButton(QStringLiteral("Create Thumbnails")), "rbThumbs");
    rbRename
        = Named(new QRadioButton(QStringLiteral("Rename, Copy, or Convert Files")), "rbRename");
    rbThumbs->setChecked(true);
    auto *modeColumn = new QVBoxLayout(mode);
    modeColumn->addWidget(rbThumbs);
    modeColumn->addWidget(rbRename);

    bNxt1 = Named(new GradientButton(QStringLiteral("Next =>")), "bNxt1");

    auto *body = new QHBoxLayout;
    body->addWidget(fDir, 1);
    body->addWidget(fBox, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(mode);
    // The selection, delete and rename controls, filled by the file commands.
    right->addWidget(Named(new QWidget, "pnlFileCommands"));
    right->addStretch(1);
    body->addLayout(right);
    // The mask gets the whole width beside "Next =>", so the default mask reads in full.
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lMask);
    bottom->addWidget(cbMask, 1);
    bottom->addSpacing(12);
    bottom->addWidget(bNxt1);
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(6, 4, 6, 6);
    column->addWidget(PageTitle(kPageTitles[0], "lTitle1"));
    column->addLayout(body, 1);
    column->addLayout(bottom);
    return page;
}

QWidget *MainWindow::buildOutputPage()
{
    auto *page = Named(new QWidget, "tsOFO");
    rbRenameOnly = Named(new QRadioButton(QStringLiteral("Rename Files")), "rbRenameOnly");
    rbCpyCvrt = Named(new QRadioButton(QStringLiteral("Copy / Convert Files")), "rbCpyCvrt");
    rbRenameOnly->setChecked(true);
    lRenameNotice = Named(new QLabel(QString::fromLatin1(kRenameNotice)), "lRenameNotice");
    lRenameNotice->setWordWrap(true);
    QFont notice = lRenameNotice->font();
    notice.setBold(true);
    lRenameNotice->setFont(notice);

    fNewDir = Named(new FolderTree(page), "fNewDir");
    fNewDir->setAccessibleName(QStringLiteral("Output Folder"));
    fNewBox = Named(new FileListBox(page), "fNewBox");
    fNewBox->setSelectionMode(QAbstractItemView::SingleSelection);
    fNewBox->setAccessibleName(QStringLiteral("Output Files"));
    fNewBox->setToolTip(QStringLiteral("Right-Click for Popup Menu"));
    fNewBox->setMask(QString::fromLatin1(kInitialOutputMask));
    sbShowAll = Named(new QPushButton(QStringLiteral("Show All Files")), "sbShowAll");
    sbShowGrafx = Named(new QPushButton(QStringLiteral("Show Graphic Files")), "sbShowGrafx");
    auto *maskGroup = new QButtonGroup(page);
    for (QPushButton *button : { sbShowAll, sbShowGrafx }) {
        button->setCheckable(true);
        maskGroup->addButton(button);
    }
    maskGroup->setExclusive(true);
    sbShowGrafx->setChecked(true);

    ePreT = Named(new QLineEdit(QStringLiteral("Thumb")), "ePreT");
    ePreI = Named(new QLineEdit(QStringLiteral("Image")), "ePreI");
    ePreI->hide();
    lPreT = Caption(QStringLiteral("Output File Qualifier"), "lPreT", ePreT);
    lPreT->setToolTip(QStringLiteral("Can be the prefix or suffix"));
    ePreT->setToolTip(lPreT->toolTip());
    ePreI->setToolTip(lPreT->toolTip());
    eSeq = Named(new QLineEdit(QStringLiteral("001")), "eSeq");
    lSeq = Caption(QStringLiteral("Seq #"), "lSeq", eSeq);
    cbConvert = Named(new QComboBox, "cbConvert");
    cbConvert->setEditable(true);
    for (const char *item : kConvertToItems)
        cbConvert->addItem(QString::fromLatin1(item));
    lConvert = Caption(QStringLiteral("Convert Files to Type"), "lConvert", cbConvert);
    cbNameOption = Named(new QComboBox, "cbNameOption");
    for (const char *item : kNamingOptionTexts)
        cbNameOption->addItem(QString::fromLatin1(item));
    lNameOption = Caption(QStringLiteral("Output File Naming Option"), "lNameOption", cbNameOption);
    SpeedButton1 = Named(new QPushButton(QStringLiteral("?")), "SpeedButton1");
    SpeedButton1->setFixedWidth(SpeedButton1->sizeHint().height());
    SpeedButton1->setToolTip(QStringLiteral("Naming Options?"));
    SpeedButton1->setAccessibleName(QStringLiteral("Naming Options?"));
    bBck1 = Named(new GradientButton(QStringLiteral("<= Back")), "bBck1");
    bNxt2 = Named(new GradientButton(QStringLiteral("Next =>")), "bNxt2");

    auto *choice = new QHBoxLayout;
    choice->addWidget(rbRenameOnly);
    choice->addWidget(rbCpyCvrt);
    choice->addStretch(1);
    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(fNewBox, 1);
    auto *lists = new QHBoxLayout;
    lists->addWidget(fNewDir, 1);
    lists->addLayout(listColumn, 1);
    auto *maskButtons = new QHBoxLayout;
    maskButtons->addWidget(sbShowAll);
    maskButtons->addWidget(sbShowGrafx);
    maskButtons->addStretch(1);
    auto *left = new QVBoxLayout;
    left->addLayout(choice);
    left->addWidget(lRenameNotice, 0, Qt::AlignTop);
    left->addLayout(lists, 1);
    left->addLayout(maskButtons);
    left->addStretch(0);

    auto *fields = new QGridLayout;
    fields->setVerticalSpacing(2);
    fields->addWidget(lPreT, 0, 0);
    fields->addWidget(lSeq, 0, 1);
    fields->addWidget(ePreT, 1, 0);
    fields->addWidget(ePreI, 1, 0);
    fields->addWidget(eSeq, 1, 1);
    fields->addWidget(lConvert, 2, 0, 1, 2);
    fields->addWidget(cbConvert, 3, 0, 1, 2);
    fields->addWidget(lNameOption, 4, 0, 1, 2);
    auto *naming = new QHBoxLayout;
    naming->addWidget(cbNameOption, 1);
    naming->addWidget(SpeedButton1);
    fields->addLayout(naming, 5, 0, 1, 2);
    fields->setColumnStretch(0, 3);
    fields->setColumnStretch(1, 1);
    auto *right = new QVBoxLayout;
    right->addLayout(fields);
    right->addStretch(1);
    right->addLayout(ButtonRow({ bBck1, bNxt2 }));

    auto *body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(6, 4, 6, 6);
    column->addWidget(PageTitle(kPageTitles[1], "lTitle2"));
    column->addLayout(body, 1);
    return page;
}

QWidget *MainWindow::buildThumbnailPage()
{
    auto *page = Named(new QWidget, "tsTO");
    // The radio group "rgResize": its group box carries the name, its button group the choice.
    auto *speed = Named(new QGroupBox(QStringLiteral("Resize Speed")), "rgResize");
    rbFast = Named(new QRadioButton(QStringLiteral("Fast Resize")), "rbFast");
    rbQuality = Named(new QRadioButton(QStringLiteral("Quality Resize")), "rbQuality");
    rgResize = new QButtonGroup(speed);
    rgResize->addButton(rbFast, 0);
    rgResize->addButton(rbQuality, 1);
    rbQuality->setChecked(true);
    auto *speedColumn = new QVBoxLayout(speed);
    speedColumn->setSpacing(2);
    speedColumn->addWidget(rbFast);
    speedColumn->addWidget(rbQuality);
    speedColumn->addWidget(Explanation(kResizeSpeedExplanation, "lResizeHelp"), 1);

    auto *size = Named(new QGroupBox(QStringLiteral("Thumbnail Size")), "gbSize");
    eWidth = Named(new QLineEdit(QStringLiteral("96")), "eWidth");
    eWidth->setAccessibleName(QStringLiteral("Width"));
    eHeight = Named(new QLineEdit(QStringLiteral("96")), "eHeight");
    eHeight->setAccessibleName(QStringLiteral("Height"));
    for (QLineEdit *field : { eWidth, eHeight })
        field->setMaximumWidth(56);
    lW = Caption(QStringLiteral("W"), "lW", eWidth);
    lH = Caption(QStringLiteral("H"), "lH", eHeight);
    lMax = Caption(QStringLiteral("Max Width/Height"), "lMax", eWidth);
    cbRatio = Named(new QCheckBox(QStringLiteral("Maintain aspect ratio")), "cbRatio");
    cbFWidth = Named(new QCheckBox(QStringLiteral("Force Width")), "cbFWidth");
    cbFHeight = Named(new QCheckBox(QStringLiteral("Force Height")), "cbFHeight");
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(lMax);
    sizeRow->addWidget(lW);
    sizeRow->addWidget(eWidth);
    sizeRow->addSpacing(6);
    sizeRow->addWidget(lH);
    sizeRow->addWidget(eHeight);
    sizeRow->addStretch(1);
    auto *forceRow = new QHBoxLayout;
    forceRow->addWidget(cbFWidth);
    forceRow->addWidget(cbFHeight);
    forceRow->addStretch(1);
    auto *sizeColumn = new QVBoxLayout(size);
    sizeColumn->setSpacing(2);
    sizeColumn->addLayout(sizeRow);
    sizeColumn->addWidget(cbRatio);
    sizeColumn->addLayout(forceRow);
    sizeColumn->addWidget(Explanation(kAspectRatioExplanation, "lRatioHelp"), 1);

    bBck2 = Named(new GradientButton(QStringLiteral("<= Back")), "bBck2");
    bNxt3 = Named(new GradientButton(QStringLiteral("Next =>")), "bNxt3");
    auto *groups = new QHBoxLayout;
    groups->addWidget(speed, 4);
    groups->addWidget(size, 5);
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(4);
    column->addWidget(PageTitle(kPageTitles[2], "lTitle3"));
    column->addLayout(groups, 1);
    column->addLayout(ButtonRow({ bBck2, bNxt3 }));
    return page;
}

QWidget *MainWindow::buildConfirmPage()
{
    auto *page = Named(new QWidget, "tsCS");
    lInDir = PathLabel("lInDir");
    lOutDir = PathLabel("lOutDir");
    lFileTypes = PathLabel("lFileTypes");
    lConvertTo = ValueLabel("lConvertTo");
    lFileNames = ValueLabel("lFileNames");
    lResize = ValueLabel("lResize");
    lWidthVal = ValueLabel("lWidthVal");
    lHeightVal = ValueLabel("lHeightVal");
    lRatio = ValueLabel("lRatio");
    lResizeCap = Caption(QStringLiteral("Thumbnail Resize:"), "lResizeCap");
    lDimCap = Caption(QStringLiteral("Thumbnail Dimensions"), "lDimCap");
    lWCap = Caption(QStringLiteral("W -"), "lWCap");
    lHCap = Caption(QStringLiteral("H -"), "lHCap");

    auto *summary = new QGridLayout;
    summary->setVerticalSpacing(3);
    summary->setHorizontalSpacing(8);
    int row = 0;
    for (auto [caption, value] : { std::pair { "Input Directory:", lInDir },
             std::pair { "Output Directory:", lOutDir }, std::pair { "File Types:", lFileTypes },
             std::pair { "Convert Files To:", lConvertTo } }) {
        summary->addWidget(new QLabel(QString::fromLatin1(caption)), row, 0, Qt::AlignTop);
        summary->addWidget(value, row, 1, 1, 3);
        ++row;
    }
    summary->addWidget(new QLabel(QStringLiteral("Output File Names...")), row++, 0, 1, 4);
    summary->addWidget(lFileNames, row++, 0, 1, 4);
    summary->addWidget(lResizeCap, row, 0);
    summary->addWidget(lResize, row++, 1, 1, 3);
    summary->addWidget(lDimCap, row, 0);
    auto *dimensions = new QHBoxLayout;
    dimensions->addWidget(lWCap);
    dimensions->addWidget(lWidthVal);
    dimensions->addSpacing(10);
    dimensions->addWidget(lHCap);
    dimensions->addWidget(lHeightVal);
    dimensions->addStretch(1);
    summary->addLayout(dimensions, row++, 1, 1, 3);
    summary->addWidget(lRatio, row++, 0, 1, 4);
    summary->setColumnStretch(1, 1);
    summary->setRowStretch(row, 1);

    tbJpg = new ValueSlider(10, 100, QStringLiteral("tbJpg"), QStringLiteral("lJpg"));
    tbJpg->setValue(90);
    lJpgCap = Caption(QStringLiteral("Jpeg Compression"), "lJpgCap", tbJpg->slider());
    // The caption stands outside the slider's own widget, where a buddy is not looked for.
    tbJpg->slider()->setAccessibleName(lJpgCap->text());
    cbOverWrite = Named(new QCheckBox(QStringLiteral("Overwrite Files")), "cbOverWrite");
    cbOverWrite->setChecked(true);
    bBck3 = Named(new GradientButton(QStringLiteral("<= Back")), "bBck3");
    bGO = Named(new GradientButton(QStringLiteral("GO"), GradientButton::kGreen), "bGO");

    auto *right = new QVBoxLayout;
    right->addWidget(lJpgCap);
    right->addWidget(tbJpg);
    right->addSpacing(8);
    right->addWidget(cbOverWrite);
    right->addStretch(1);
    right->addLayout(ButtonRow({ bBck3, bGO }));
    auto *rightBox = new QWidget;
    rightBox->setLayout(right);
    rightBox->setFixedWidth(160);
    right->setContentsMargins(0, 0, 0, 0);

    auto *body = new QHBoxLayout;
    body->addLayout(summary, 1);
    body->addWidget(rightBox);
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(6, 4, 6, 6);
    column->addWidget(PageTitle(kPageTitles[3], "lTitle4"));
    column->addLayout(body, 1);
    return page;
}

QWidget *MainWindow::buildProcessingPage()
{
    auto *page = Named(new QWidget, "tsP");
    lProc = Named(new QLabel, "lProc");
    lProc->setTextFormat(Qt::PlainText);
    pBar = Named(new PercentProgressBar, "pBar");
    pBar->setAccessibleName(QStringLiteral("Progress"));
    bCancelOp = Named(new GradientButton(QStringLiteral("Cancel")), "bCancelOp");
    lDone = Named(new QLabel, "lDone");
    lDone->setTextFormat(Qt::PlainText);
    QFont done = lDone->font();
    done.setBold(true);
    lDone->setFont(done);
    lDone->hide();
    bStartOver = Named(new GradientButton(QStringLiteral("OK!")), "bStartOver");
    bHTML = Named(new GradientButton(QStringLiteral("Do HTML!")), "bHTML");
    // The gallery after a run needs the HTML windows: until they are given, it cannot be used.
    bHTML->setEnabled(false);
    lDoHTM = Named(new QLabel(QString::fromLatin1(kDoHtmlNote)), "lDoHTM");
    lDoHTM->setWordWrap(true);
    SetShown({ bStartOver, bHTML, lDoHTM }, false);

    auto *counter = new QHBoxLayout;
    counter->addWidget(PageTitle(kPageTitles[4], "lTitle5"));
    counter->addWidget(lProc);
    counter->addStretch(1);
    auto *finish = new QHBoxLayout;
    finish->addWidget(bStartOver);
    finish->addWidget(bHTML);
    finish->addStretch(1);
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(12, 8, 12, 8);
    column->addLayout(counter);
    column->addWidget(pBar);
    column->addLayout(ButtonRow({ bCancelOp }));
    column->addWidget(lDone);
    column->addLayout(finish);
    column->addWidget(lDoHTM);
    column->addStretch(1);
    return page;
}

void MainWindow::buildMenus()
{
    pm1 = Named(new QMenu(this), "pm1");
    connect(
        pm1->addAction(QStringLiteral("Next")), &QAction::triggered, this, &MainWindow::bNxt1Click);
    pm1->addSeparator();
    connect(pm1->addAction(QStringLiteral("Exit")), &QAction::triggered, this, &QWidget::close);

    pm2 = Named(new QMenu(this), "pm2");
    connect(
        pm2->addAction(QStringLiteral("Back")), &QAction::triggered, this, &MainWindow::bBck1Click);
    connect(
        pm2->addAction(QStringLiteral("Next")), &QAction::triggered, this, &MainWindow::bNxt2Click);
    pm2->addSeparator();
    connect(pm2->addAction(QStringLiteral("Exit")), &QAction::triggered, this, &QWidget::close);

    const auto attach = [](QWidget *widget, QMenu *menu) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
            [widget, menu](const QPoint &at) { menu->popup(widget->mapToGlobal(at)); });
    };
    attach(fDir, pm1);
    attach(fBox, pm1);
    attach(fNewDir, pm2);
    attach(fNewBox, pm2);
}

void MainWindow::connectRules()
{
    connect(bNxt1, &QPushButton::clicked, this, &MainWindow::bNxt1Click);
    connect(bBck1, &QPushButton::clicked, this, &MainWindow::bBck1Click);
    connect(bNxt2, &QPushButton::clicked, this, &MainWindow::bNxt2Click);
    connect(bBck2, &QPushButton::clicked, this, &MainWindow::bBck2Click);
    connect(bNxt3, &QPushButton::clicked, this, &MainWindow::bNxt3Click);
    connect(bBck3, &QPushButton::clicked, this, &MainWindow::bBck3Click);
    connect(bGO, &QPushButton::clicked, this, &MainWindow::bGOClick);
    connect(bCancelOp, &QPushButton::clicked, this, &MainWindow::bCancelOpClick);
    connect(bStartOver, &QPushButton::clicked, this, &MainWindow::bStartOverClick);
    connect(sbDefaults, &QPushButton::clicked, this, &MainWindow::sbDefaultsClick);
    connect(bRefreshView, &QPushButton::clicked, this, &MainWindow::bRefreshViewClick);
    connect(SpeedButton2, &QPushButton::clicked, this, &MainWindow::SpeedButton2Click);
    connect(sbHelp, &QPushButton::clicked, this, &MainWindow::sbHelpClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &MainWindow::SpeedButton1Click);
    connect(sbAbout, &QPushButton::clicked, this, [this] {
        if (m_openAbout)
            m_openAbout();
    });
    connect(bHTML, &QPushButton::clicked, this, [this] {
        if (m_doHtml)
            m_doHtml();
    });

    // The folder trees feed their lists; the first entry becomes the current one.
    connect(fDir, &FolderTree::folderChanged, this, [this](const QString &folder) {
        lDir->setText(folder);
        lDir->setToolTip(folder);
        fBox->setFolder(folder);
        fBox->makeFirstCurrent();
    });
    connect(fNewDir, &FolderTree::folderChanged, this, [this](const QString &folder) {
        fNewBox->setFolder(folder);
        fNewBox->makeFirstCurrent();
    });
    // A long mask shows its beginning.
    cbMask->lineEdit()->setCursorPosition(0);
    connect(cbMask, &QComboBox::currentTextChanged, this, [this](const QString &mask) {
        fBox->setMask(mask);
        fBox->makeFirstCurrent();
    });
    connect(sbShowAll, &QPushButton::clicked, this,
        [this] { fNewBox->setMask(QString::fromLatin1(kAllFilesMask)); });
    connect(sbShowGrafx, &QPushButton::clicked, this,
        [this] { fNewBox->setMask(QString::fromLatin1(kGraphicFilesMask)); });

    // The mode on page 1 shows in the title at once; the pages follow it when page 1 is left.
    connect(rbThumbs, &QRadioButton::toggled, this,
        [this] { lOutput->setText(ModeTitle(rbThumbs->isChecked())); });
    connect(rbRenameOnly, &QRadioButton::toggled, this, &MainWindow::applyOutputView);
    connect(cbNameOption, &QComboBox::currentIndexChanged, this, &MainWindow::applySequenceView);
    connect(cbRatio, &QCheckBox::toggled, this, &MainWindow::applySizeView);
    // The force flags are never both on: checking one unchecks the other.
    connect(cbFWidth, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            cbFHeight->setChecked(false);
    });
    connect(cbFHeight, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            cbFWidth->setChecked(false);
    });
    applySizeView();
    applySequenceView();
}

void MainWindow::setAboutAction(std::function<void()> open)
{
    m_openAbout = std::move(open);
    sbAbout->setEnabled(bool(m_openAbout));
}

void MainWindow::setDoHtmlAction(std::function<void()> doHtml)
{
    m_doHtml = std::move(doHtml);
    bHTML->setEnabled(bool(m_doHtml));
}

JobSettings MainWindow::currentJobSettings() const
{
    JobSettings job;
    job.ThumbMode = m_thumbMode;
    job.RenameOnly = rbRenameOnly->isChecked();
    job.InputFolder = fDir->folder();
    job.FileMask = cbMask->currentText();
    job.OutputFolder = fNewDir->folder();
    job.ConvertTo = cbConvert->currentText();
    job.NamingOption = std::max(0, cbNameOption->currentIndex());
    job.ThumbQualifier = ePreT->text();
    job.ImageQualifier = ePreI->text();
    job.SequenceStart = eSeq->text();
    job.ResizeSpeed = rbQuality->isChecked() ? 1 : 0;
    job.MaxWidth = eWidth->text();
    job.MaxHeight = eHeight->text();
    job.KeepRatio = cbRatio->isChecked();
    job.ForceWidth = cbFWidth->isChecked();
    job.ForceHeight = cbFHeight->isChecked();
    job.JpegQuality = tbJpg->value();
    job.OverwriteFiles = cbOverWrite->isChecked();
    return job;
}

void MainWindow::showPage(WizardPage target)
{
    const int from = int(m_page);
    const int to = int(target);
    PageControl1->setTabVisible(to, true);
    PageControl1->setTabEnabled(to, true);
    PageControl1->setCurrentIndex(to);
    if (from != to) {
        PageControl1->setTabVisible(from, false);
        PageControl1->setTabEnabled(from, false);
    }
    m_page = target;
    mHelp->showText(QString::fromLatin1(kHelpTexts[to]));
    switch (target) {
    case WizardPage::InputFiles:
        fBox->makeFirstCurrent();
        break;
    case WizardPage::OutputOptions:
        fNewBox->makeFirstCurrent();
        break;
    case WizardPage::Confirm:
        tsCSShow();
        break;
    default:
        break;
    }
}

void MainWindow::bNxt1Click()
{
    if (m_page != WizardPage::InputFiles)
        return;
    const auto highlighted = SelectedFromHighlighted(fBox->entries(), fBox->highlighted());
    const QStringList names = highlighted.value_or(QStringList());
    if (!names.isEmpty()) {
        // The selection is taken before the duplicate check, which may keep the user here.
        m_selectedFiles = names;
        lbMFL->clear();
        lbMFL->addItems(names);
        lMFL->setText(SourceFilesCaption(int(names.size())));
    }
    if (!CheckLeavingInputPage(names, m_messages))
        return;
    leaveInputPage();
}

void MainWindow::leaveInputPage()
{
    m_thumbMode = rbThumbs->isChecked();
    lOutput->setText(ModeTitle(m_thumbMode));
    applySequenceView();
    applyOutputView();
    fNewDir->setFolder(fDir->folder());
    lOutput->show();
    showPage(WizardPage::OutputOptions);
}

void MainWindow::applyOutputView()
{
    const OutputPageView view = OutputPageViewFor(m_thumbMode, rbRenameOnly->isChecked());
    SetShown({ rbRenameOnly, rbCpyCvrt }, view.renameChoice);
    SetShown({ lConvert, cbConvert, fNewDir, fNewBox, sbShowAll, sbShowGrafx, cbOverWrite },
        view.outputControls);
    lRenameNotice->setVisible(view.renameNotice);
    ePreT->setVisible(view.thumbQualifier);
    ePreI->setVisible(view.imageQualifier);
    lPreT->setBuddy(view.thumbQualifier ? ePreT : ePreI);
    SetShown({ lResizeCap, lResize, lDimCap, lWCap, lWidthVal, lHCap, lHeightVal, lRatio },
        view.summaryThumbRows);
}

void MainWindow::applySizeView()
{
    const SizeControlsView view = SizeControlsViewFor(cbRatio->isChecked());
    lMax->setVisible(view.maxLabel);
    SetShown({ cbFWidth, cbFHeight }, view.forceBoxes);
    SetShown({ lW, lH }, view.widthHeightLabels);
    eHeight->setVisible(view.heightField);
    // The width field is labelled by whichever caption stands before it.
    lW->setBuddy(view.widthHeightLabels ? eWidth : nullptr);
    lMax->setBuddy(view.maxLabel ? eWidth : nullptr);
}

void MainWindow::applySequenceView()
{
    const bool shown = UsesSequence(NamingOption(std::max(0, cbNameOption->currentIndex())));
    SetShown({ lSeq, eSeq }, shown);
}

void MainWindow::bBck1Click()
{
    if (m_page != WizardPage::OutputOptions)
        return;
    lbMFL->clear();
    lMFL->setText(SourceFilesCaption(0));
    showPage(WizardPage::InputFiles);
}

void MainWindow::bNxt2Click()
{
    if (m_page != WizardPage::OutputOptions)
        return;
    if (!CheckLeavingOutputPage(currentJobSettings(), m_selectedFiles, m_messages))
        return;
    showPage(NextFromOutputPage(m_thumbMode));
}

void MainWindow::bBck2Click()
{
    if (m_page == WizardPage::ThumbnailOptions)
        showPage(WizardPage::OutputOptions);
}

void MainWindow::bNxt3Click()
{
    if (m_page == WizardPage::ThumbnailOptions)
        showPage(WizardPage::Confirm);
}

void MainWindow::bBck3Click()
{
    if (m_page == WizardPage::Confirm)
        showPage(BackFromConfirmPage(m_thumbMode));
}

void MainWindow::tsCSShow()
{
    const ConfirmationSummary s = SummaryFor(currentJobSettings());
    lInDir->setText(s.inputDirectory);
    lOutDir->setText(s.outputDirectory);
    lFileTypes->setText(s.fileTypes);
    for (QLabel *label : { lInDir, lOutDir, lFileTypes })
        label->setToolTip(label->text());
    lConvertTo->setText(s.convertTo);
    lFileNames->setText(s.fileNames);
    SetShown({ lResizeCap, lResize, lDimCap }, s.thumbRows);
    lResize->setText(s.resize);
    SetShown({ lWCap, lWidthVal, lHCap, lHeightVal }, s.thumbRows && s.sizeValues);
    lWidthVal->setText(s.width);
    lHeightVal->setText(s.height);
    lRatio->setVisible(s.thumbRows && s.ratioLine);
    lRatio->setText(s.ratioText);
    SetShown({ lJpgCap, tbJpg }, s.jpegSlider);
}

void MainWindow::bGOClick()
{
    if (m_page != WizardPage::Confirm || m_running)
        return;
    m_running = true;
    m_runner.bGOClick(*this, m_selectedFiles);
    m_running = false;
    // A close asked for during the run was held back until the run had finished.
    if (m_closeRequested)
        close();
}

void MainWindow::bCancelOpClick()
{
    m_runner.state().CancelRequested = true;
}

void MainWindow::runStarting(RunState &)
{
    showPage(WizardPage::Processing);
    // The folders and naming of a running job are not to move under it.
    sbDefaults->setEnabled(false);
    SetShown({ lDir, lbMFL, lMFL }, false);
    setPreviewShown(false);
    Image1->clearPicture();
    pBar->showProgress(0, int(m_selectedFiles.size()));
    pBar->show();
    bCancelOp->show();
    SetShown({ lDone, bStartOver, bHTML, lDoHTM }, false);
}

void MainWindow::setProcessingText(const QString &text)
{
    lProc->setText(text);
}

void MainWindow::setProgress(int position, int maximum)
{
    pBar->showProgress(position, maximum);
}

void MainWindow::pumpEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

Messages &MainWindow::messages()
{
    return m_messages;
}

void MainWindow::refreshFileLists()
{
    fBox->refresh();
    fNewBox->refresh();
}

void MainWindow::runFinished(const QString &outcome)
{
    bCancelOp->hide();
    SetShown({ bStartOver, bHTML, lDoHTM }, true);
    lDone->setText(outcome);
    lDone->show();
    pBar->hide();
    sbDefaults->setEnabled(true);
    bStartOver->setFocus();
}

void MainWindow::bStartOverClick()
{
    if (m_page != WizardPage::Processing || m_running)
        return;
    showPage(WizardPage::InputFiles);
    m_selectedFiles.clear();
    pBar->showProgress(0, 1);
    pBar->show();
    lDone->hide();
    setPreviewShown(true);
    bCancelOp->show();
    SetShown({ bStartOver, bHTML, lDoHTM }, false);
    lbMFL->clear();
    lMFL->setText(SourceFilesCaption(0));
    SetShown({ lbMFL, lMFL, lDir }, true);
}

void MainWindow::setPreviewShown(bool shown)
{
    SetShown({ lPreview, pnlPreview, Image1 }, shown);
}

void MainWindow::sbDefaultsClick()
{
    if (m_running)
        return;
    if (m_messages.ask(MessageIcon::Question, QString::fromLatin1(kResetConfirmation),
            MessageButtons::YesCancel)
        != MessageAnswer::Yes)
        return;
    const StoredSettings defaults = StoredSettings::Defaults(CurrentDriveRoot());
    applyMainSettings(defaults.main);
    m_stored.deleteConfirm = defaults.deleteConfirm;
    m_fileCommands->setKeptSettings(defaults.deleteConfirm);
    m_stored.htmlOptions = defaults.htmlOptions;
    m_stored.htmlOutput = defaults.htmlOutput;
    Q_EMIT keptSettingsReset(defaults);
    // The selection and summary of pages 2 to 4 described the old folders: start from page 1.
    if (m_page == WizardPage::OutputOptions || m_page == WizardPage::ThumbnailOptions
        || m_page == WizardPage::Confirm) {
        lbMFL->clear();
        lMFL->setText(SourceFilesCaption(0));
        showPage(WizardPage::InputFiles);
    }
}

void MainWindow::bRefreshViewClick()
{
    fDir->refresh();
    fBox->refresh();
    fBox->makeFirstCurrent();
    fNewDir->refresh();
    fNewBox->refresh();
    fNewBox->makeFirstCurrent();
}

void MainWindow::SpeedButton2Click()
{
    if (m_page == WizardPage::InputFiles)
        m_shell.exploreFolder(fDir->folder());
    else if (m_page == WizardPage::OutputOptions)
        m_shell.exploreFolder(fNewDir->folder());
    else
        m_shell.startProgram(Shell::Program::FileManager);
}

void MainWindow::sbHelpClick()
{
    m_shell.showHelpContents();
}

void MainWindow::SpeedButton1Click()
{
    m_messages.inform(QString::fromLatin1(kNamingOptionsHelp));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_running) {
        // The run in hand finishes its file and stops; the window closes when it has returned.
        m_closeRequested = true;
        m_runner.state().CancelRequested = true;
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT closed();
}

void MainWindow::loadSettings()
{
    const IniFile ini = IniFile::Open(m_settingsPath);
    QString error;
    m_stored = StoredSettings::Load(ini, CurrentDriveRoot(), &error);
    // The other windows' records hold what their controls show after their load rules ran.
    m_stored.htmlOptions = AfterLoadRules(m_stored.htmlOptions);
    if (!error.isEmpty())
        m_messages.error(error);
    applyMainSettings(m_stored.main);
}

void MainWindow::applyMainSettings(const MainWindowSettings &s)
{
    if (!fDir->setFolder(s.InputFolder))
        fDir->setFolder(CurrentDriveRoot());
    if (!fNewDir->setFolder(s.OutputFolder))
        fNewDir->setFolder(CurrentDriveRoot());
    (s.ResizeSpeed == 1 ? rbQuality : rbFast)->setChecked(true);
    eWidth->setText(s.MaxWidth);
    eHeight->setText(s.MaxHeight);
    // Each box is set on its own, so its click rule runs as a click would: when both force flags
    // are stored, the later one ("Force Height") wins.
    cbRatio->setChecked(s.KeepRatio);
    cbFWidth->setChecked(s.ForceWidth);
    cbFHeight->setChecked(s.ForceHeight);
    cbConvert->setCurrentText(s.ConvertTo);
    cbNameOption->setCurrentIndex(std::clamp(s.NamingOption, 0, 3));
    ePreT->setText(s.ThumbQualifier);
    tbJpg->setValue(s.JpegQuality);
    cbOverWrite->setChecked(s.OverwriteFiles);
}

MainWindowSettings MainWindow::readMainSettings() const
{
    const JobSettings job = currentJobSettings();
    MainWindowSettings s = job.toStored();
    s.InputFolder = fDir->folder();
    s.OutputFolder = fNewDir->folder();
    return s;
}

void MainWindow::saveSettings()
{
    IniFile ini = IniFile::Open(m_settingsPath);
    m_stored.main = readMainSettings();
    m_stored.deleteConfirm = m_fileCommands->keptSettings();
    Q_EMIT collectingKeptSettings(m_stored);
    m_stored.save(ini);
    if (const auto error = ini.save())
        m_messages.error(*error);
}

} // namespace pixmaro
