// The HTML options dialog: every option of the gallery on two tabs, with the rules that keep the
// options consistent and the link addresses derived each time it opens.
#pragma once

#include "html/LinkResolution.h"
#include "settings/HtmlOptions.h"
#include "shell/Messages.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace pixmaro {

class ColorPickerButton;
class HrefPromptDialog;
class LinkModeGroup;

inline constexpr const char *kLayoutReminder
    = "*Reminder* - click the Table and Page Layout\r\ntab at the top of the window to see more "
      "options. \r\n\r\nWould you like to go there now?";
inline constexpr const char *kMultiPageNote
    = "Additional pages will be saved as 'original'_1.htm, 'original'_2.htm, etc.  If the original "
      "file name is MyWeb.htm, additional pages will be saved as MyWeb_1.htm, MyWeb_2.htm, and so "
      "on.";
inline constexpr const char *kFramesNote
    = "For Frames, the framepage will have the originalname.htm name.  The top frame page will be "
      "named originalnameb.htm (\"b\" for Banner).  The left frame page will be named "
      "originalnamet.htm (\"t\" for Thumbnails).  The right frame page will be named "
      "originalnamep.htm (\"p\" for Pictures).";

class HtmlOptionsDialog : public QDialog {
    Q_OBJECT
public:
    /// Questions, warnings and conversion errors go through `messages`.
    explicit HtmlOptionsDialog(Messages &messages, QWidget *parent = nullptr);

    /// The windows the dialog opens: the help window ("&Help!") and the HREF prompt (frames
    /// without links). Without a prompt the links question is answered No.
    void setHelpWindow(QDialog *help) { m_help = help; }
    void setHrefPrompt(HrefPromptDialog *prompt) { m_prompt = prompt; }

    /// Feeds the controls from stored options as loading them does: each control's rule runs as
    /// a click would, and the HREF question, having no one to ask while loading, is declined.
    void loadSettings(const HtmlOptions &stored);
    /// The factory defaults, shown as a load of them shows them.
    void resetToDefaults();
    /// The options as the controls hold them now (the addresses included).
    HtmlOptions options() const;

    /// Readies a showing: the caption, the first tab, the layout tab not yet seen, and the link
    /// addresses derived for a page in `pageFolder` linking into the two folders (each with its
    /// trailing separator).
    void prepareToShow(const QString &caption, const QString &pageFolder,
        const QString &originalsFolder, const QString &thumbsFolder);

    /// Whether "Table and Page Layout Options" has been shown during this showing.
    bool layoutTabSeen() const { return m_layoutTabSeen; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLinkingTab(QWidget *page);
    void buildLayoutTab(QWidget *page);
    /// Writes every control from `options` without running any rule, then shows the layout.
    void setControls(const HtmlOptions &options);
    void applyLayout();

    // The two link sides: links to the original images, and the thumbnails' own sources.
    enum class Side { Originals, Thumbs };
    // One side of `o`, with this dialog's prefixes and that side's folder.
    LinkSide sideOf(HtmlOptions &o, Side side);
    // A mode chosen on one side: its address follows the mode, then any warning is shown.
    void linkModeChosen(Side side);

    void bOKClick();
    void cbHREFClick(bool checked);
    void cbUseTableClick(bool checked);
    void cbFramesClick(bool checked);
    void rgHREFClick();
    void rgIMGClick();
    void eHREFExit();
    void eIMGExit();
    void eTWidthExit();
    void BitBtn1Click();

    Messages &m_messages;
    QDialog *m_help = nullptr;
    HrefPromptDialog *m_prompt = nullptr;
    LinkPrefixes m_prefixes;
    QString m_pageFolder;
    QString m_originalsFolder;
    QString m_thumbsFolder;
    bool m_layoutTabSeen = false;

    QTabWidget *m_tabs;
    // Background and Linking Options
    QCheckBox *cbHREF;
    LinkModeGroup *rgHREF;
    QLineEdit *eHREF;
    LinkModeGroup *rgIMG;
    QLineEdit *eIMG;
    QGroupBox *rgDisp;
    QButtonGroup *m_disp;
    QCheckBox *cbBorder;
    QLabel *lBorder;
    QLineEdit *eBorder;
    QCheckBox *cbStats;
    ColorPickerButton *cpBack;
    ColorPickerButton *cpFont;
    ColorPickerButton *cpBanr;
    QLineEdit *eBanr;
    QGroupBox *rgBanr;
    QButtonGroup *m_banr;
    // Table and Page Layout Options
    QCheckBox *cbUseTable;
    QCheckBox *cbFrames;
    QCheckBox *cbBkgd;
    QCheckBox *cbTxt;
    QGroupBox *GroupBox3;
    QLineEdit *eTCols;
    QLineEdit *eTBord;
    QLineEdit *eTWidth;
    QLineEdit *eTPad;
    QLineEdit *eTSpace;
    QComboBox *cbTAlign;
    QCheckBox *cbTBColor;
    QLabel *lBColor;
    ColorPickerButton *cpTBkgd;
    QCheckBox *cbCaption;
    QLabel *lTCap;
    QLineEdit *eCaption;
    QLabel *lCAlign;
    QComboBox *cbCAlign;
    QGroupBox *GroupBox4;
    QComboBox *cbCHAlign;
    QComboBox *cbCVAlign;
    QCheckBox *cbCBColor;
    QLabel *lCColor;
    ColorPickerButton *cpCBkgd;
    QLabel *Label24;
    QGroupBox *gbPages;
    QRadioButton *rb1pg;
    QRadioButton *rbMpg;
    QLabel *lTperPg;
    QLineEdit *eTperPg;
    QGroupBox *gbNavBtns;
    QCheckBox *cbAddNav;
    QButtonGroup *m_nav;
    QRadioButton *rbNavTop;
    QRadioButton *rbNavBot;
    QRadioButton *rbNavBoth;
    QLabel *lMHelp;
    QLabel *lFrameHelp;
};

} // namespace pixmaro
