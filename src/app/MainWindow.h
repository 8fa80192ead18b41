// The main window (TForm1): the five-page wizard that edits the job, builds the selected files,
// runs the checks, starts the run on "GO" and keeps its settings in the settings file.
#pragma once

#include "app/WizardRules.h"
#include "job/BatchRunner.h"
#include "job/RunHost.h"
#include "settings/SettingsFile.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace pixmaro {

class FileCommandsController;
class FileListBox;
class FolderTree;
class GradientButton;
class HelpBox;
class Messages;
class PercentProgressBar;
class PreviewPane;
class Shell;
class ValueSlider;

class MainWindow : public QWidget, private RunHost {
    Q_OBJECT
public:
    /// Creates the window with every control at its default, then reads the main window's keys
    /// (and keeps the other windows' records) from the settings file at `settingsPath`. A folder
    /// that cannot be found is reported through `messages` and the rest is read all the same.
    MainWindow(
        Messages &messages, Shell &shell, const QString &settingsPath, QWidget *parent = nullptr);
    /// Writes the settings file once ("Unable to write to ..." is reported and the window goes
    /// on closing).
    ~MainWindow() override;

    /// The job as the controls hold it now (the mode is the one fixed when page 1 was left).
    JobSettings currentJobSettings() const;
    const QStringList &selectedFiles() const { return m_selectedFiles; }
    const RunState &runState() const { return m_runner.state(); }
    WizardPage currentPage() const { return m_page; }
    bool isRunning() const { return m_running; }

    /// The records of the windows whose settings this window keeps until they exist themselves.
    const StoredSettings &storedSettings() const { return m_stored; }

    /// Opens the about box; until one is given, "About Pixmaro" stays disabled.
    void setAboutAction(std::function<void()> open);
    /// Runs the gallery flow of "Do HTML!"; until one is given, the button stays disabled.
    void setDoHtmlAction(std::function<void()> doHtml);

    // Handlers, named after their controls.
    void bNxt1Click();
    void bBck1Click();
    void bNxt2Click();
    void bBck2Click();
    void bNxt3Click();
    void bBck3Click();
    void bGOClick();
    void bCancelOpClick();
    void bStartOverClick();
    void sbDefaultsClick();
    void bRefreshViewClick();
    void SpeedButton2Click();
    void sbHelpClick();
    void SpeedButton1Click();
    void tsCSShow();

Q_SIGNALS:
    /// The window was closed: the program ends.
    void closed();
    /// Just before the settings file is written: the windows that keep settings put what their
    /// controls hold now into their records of `stored`.
    void collectingKeptSettings(StoredSettings &stored);
    /// "Reset Settings to Defaults" was confirmed: the windows that keep settings show `defaults`.
    void keptSettingsReset(const StoredSettings &defaults);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // RunHost: the window is the run's display and message pump.
    JobSettings jobSettings() override { return currentJobSettings(); }
    void runStarting(RunState &state) override;
    void setProcessingText(const QString &text) override;
    void setProgress(int position, int maximum) override;
    void pumpEvents() override;
    Messages &messages() override;
    void refreshFileLists() override;
    void runFinished(const QString &outcome) override;

    void buildTopArea();
    QWidget *buildInputPage();
    QWidget *buildOutputPage();
    QWidget *buildThumbnailPage();
    QWidget *buildConfirmPage();
    QWidget *buildProcessingPage();
    void buildMenus();
    void connectRules();

    /// Hides the current page's tab, shows and enables `target`'s, and shows its help text.
    void showPage(WizardPage target);
    void leaveInputPage();
    void applyOutputView();
    void applySizeView();
    void applySequenceView();
    void setPreviewShown(bool shown);

    void loadSettings();
    void applyMainSettings(const MainWindowSettings &s);
    MainWindowSettings readMainSettings() const;
    void saveSettings();

    Messages &m_messages;
    Shell &m_shell;
    QString m_settingsPath;
    StoredSettings m_stored;
    BatchRunner m_runner;
    QStringList m_selectedFiles; // SelectedFiles
    bool m_thumbMode = true; // ThumbMode, fixed when page 1 is left
    WizardPage m_page = WizardPage::InputFiles;
    bool m_running = false;
    bool m_closeRequested = false;
    std::function<void()> m_openAbout;
    FileCommandsController *m_fileCommands = nullptr; // the file commands, TForm2 and TForm4
    std::function<void()> m_doHtml;

    // Above the pages.
    QLabel *lBanner;
    QLabel *lOutput;
    QLabel *lPreview;
    QFrame *pnlPreview;
    PreviewPane *Image1;
    QLabel *lDir;
    QListWidget *lbMFL;
    QLabel *lMFL;
    QLabel *lHints;
    HelpBox *mHelp;
    QPushButton *sbDefaults;
    QPushButton *bRefreshView;
    QPushButton *SpeedButton2;
    QPushButton *sbAbout;
    QPushButton *sbHelp;
    QTabWidget *PageControl1;
    QWidget *m_pages[5];

    // Page 1.
    FolderTree *fDir;
    FileListBox *fBox;
    QLabel *lMask;
    QComboBox *cbMask;
    QRadioButton *rbThumbs;
    QRadioButton *rbRename;
    GradientButton *bNxt1;
    QMenu *pm1;

    // Page 2.
    QRadioButton *rbRenameOnly;
    QRadioButton *rbCpyCvrt;
    QLabel *lRenameNotice;
    FolderTree *fNewDir;
    FileListBox *fNewBox;
    QPushButton *sbShowAll;
    QPushButton *sbShowGrafx;
    QLabel *lPreT;
    QLineEdit *ePreT;
    QLineEdit *ePreI;
    QLabel *lSeq;
    QLineEdit *eSeq;
    QLabel *lConvert;
    QComboBox *cbConvert;
    QLabel *lNameOption;
    QComboBox *cbNameOption;
    QPushButton *SpeedButton1;
    GradientButton *bBck1;
    GradientButton *bNxt2;
    QMenu *pm2;

    // Page 3.
    QButtonGroup *rgResize;
    QRadioButton *rbFast;
    QRadioButton *rbQuality;
    QLabel *lW;
    QLineEdit *eWidth;
    QLabel *lH;
    QLineEdit *eHeight;
    QLabel *lMax;
    QCheckBox *cbRatio;
    QCheckBox *cbFWidth;
    QCheckBox *cbFHeight;
    GradientButton *bBck2;
    GradientButton *bNxt3;

    // Page 4.
    QLabel *lInDir;
    QLabel *lOutDir;
    QLabel *lFileTypes;
    QLabel *lConvertTo;
    QLabel *lFileNames;
    QLabel *lResizeCap;
    QLabel *lResize;
    QLabel *lDimCap;
    QLabel *lWCap;
    QLabel *lWidthVal;
    QLabel *lHCap;
    QLabel *lHeightVal;
    QLabel *lRatio;
    QLabel *lJpgCap;
    ValueSlider *tbJpg;
    QCheckBox *cbOverWrite;
    GradientButton *bBck3;
    GradientButton *bGO;

    // Page 5.
    QLabel *lProc;
    PercentProgressBar *pBar;
    GradientButton *bCancelOp;
    QLabel *lDone;
    GradientButton *bStartOver;
    GradientButton *bHTML;
    QLabel *lDoHTM;
};

} // namespace pixmaro
