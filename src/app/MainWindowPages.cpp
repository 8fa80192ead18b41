// The main window's controls: the area above the pages (banner, selected files, preview, hints,
// small buttons) and the five wizard pages.
#include "app/MainWindow.h"
#include "app/MainWindowHelpers.h"
#include "app/PixmaroArt.h"
#include "app/WizardTexts.h"
#include "job/FileList.h"
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
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace pixmaro {

using mainwindow::Named;
using mainwindow::SetShown;

namespace {

/// The first page's mask choices; the first is the default.
constexpr const char *kMaskItems[]
    = { kDefaultFileMask, "*.jpg;*.jpeg", "*.gif", "*.bmp", "*.emf;*.wmf" };
/// The output list's mask before either of its two buttons is pressed.
constexpr const char *kInitialOutputMask = "*.jpg;*.jpeg;*.bmp;*.gif;*.emf;*.wmf";

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

/// The column of wizard page `index`: its margins, its bold title named `titleName`, then `body`,
/// which takes the spare height.
QVBoxLayout *PageColumn(QWidget *page, int index, const char *titleName, QLayout *body)
{
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(6, 4, 6, 6);
    column->addWidget(PageTitle(kPageTitles[index], titleName));
    column->addLayout(body, 1);
    return column;
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

} // namespace

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
    auto *column = PageColumn(page, 0, "lTitle1", body);
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
    PageColumn(page, 1, "lTitle2", body);
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
    auto *column = PageColumn(page, 2, "lTitle3", groups);
    column->setSpacing(4);
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
    PageColumn(page, 3, "lTitle4", body);
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

} // namespace pixmaro
