// The main window (TForm1): the five-page wizard that edits the job, builds the selected files,
// runs the checks, starts the run on "GO" and keeps its settings in the settings file.
// Its controls are built in MainWindowPages.cpp, its page changes in MainWindowNavigation.cpp; this
// file wires them, hosts the run and reads and writes the settings.
#include "app/MainWindow.h"

#include "app/MainWindowHelpers.h"
#include "app/PixmaroArt.h"
#include "app/WizardTexts.h"
#include "filecmds/FileCommandsController.h"
#include "html/HtmlOptionRules.h"
#include "settings/SettingsLocation.h"
#include "shell/Messages.h"
#include "ui/ElidingLabel.h"
#include "ui/FileListBox.h"
#include "ui/FolderTree.h"
#include "ui/GradientButton.h"
#include "ui/HelpBox.h"
#include "ui/PercentProgressBar.h"
#include "ui/PreviewPane.h"
#include "ui/ValueSlider.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

namespace pixmaro {

using mainwindow::Named;
using mainwindow::SetShown;

namespace {

constexpr int kClientWidth = 536;
constexpr int kClientHeight = 453;
constexpr int kTopAreaHeight = 168;

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
