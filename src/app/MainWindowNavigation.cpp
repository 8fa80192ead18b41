// The main window's page changes and the rules that show or hide controls on them, and the small
// buttons above the pages.
#include "app/MainWindow.h"
#include "app/MainWindowHelpers.h"
#include "app/WizardTexts.h"
#include "filecmds/FileCommandsController.h"
#include "job/FileList.h"
#include "job/Naming.h"
#include "job/PreRunChecks.h"
#include "settings/SettingsLocation.h"
#include "shell/Messages.h"
#include "shell/Shell.h"
#include "ui/FileListBox.h"
#include "ui/FolderTree.h"
#include "ui/HelpBox.h"
#include "ui/ValueSlider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace pixmaro {

using mainwindow::SetShown;

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
    // Each tree is read again and selects its folder anew, which reads its list again and makes
    // the list's first entry the current one.
    fDir->refresh();
    fNewDir->refresh();
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

} // namespace pixmaro
