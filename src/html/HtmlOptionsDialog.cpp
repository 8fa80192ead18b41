// The HTML options dialog: every option of the gallery on two tabs, with the rules that keep the
// options consistent and the link addresses derived each time it opens. The tabs themselves are
// built in HtmlOptionsDialogTabs.cpp.
#include "html/HtmlOptionsDialog.h"

#include "base/IntegerText.h"
#include "html/ColorPickerButton.h"
#include "html/HrefPromptDialog.h"
#include "html/HtmlOptionRules.h"
#include "html/HtmlOptionsLayout.h"
#include "html/LinkModeGroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace pixmaro {

namespace {

// Checks item `index`, or none for an index out of range.
void SetIndex(QButtonGroup *group, int index)
{
    if (QAbstractButton *button = group->button(index)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

} // namespace

HtmlOptionsDialog::HtmlOptionsDialog(Messages &messages, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
{
    setObjectName("TForm6");
    setWindowTitle(QStringLiteral("HTML Options"));
    setModal(true);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("PageControl1");
    auto *linking = new QWidget;
    linking->setObjectName("tsLinking");
    auto *layoutPage = new QWidget;
    layoutPage->setObjectName("tsLayout");
    m_tabs->addTab(linking, QStringLiteral("Background and Linking Options"));
    m_tabs->addTab(layoutPage, QStringLiteral("Table and Page Layout Options"));
    buildLinkingTab(linking);
    buildLayoutTab(layoutPage);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);

    // Any way of reaching the second tab counts as having seen it.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            m_layoutTabSeen = true;
    });

    connect(cbHREF, &QCheckBox::clicked, this, &HtmlOptionsDialog::cbHREFClick);
    connect(cbUseTable, &QCheckBox::clicked, this, &HtmlOptionsDialog::cbUseTableClick);
    connect(cbFrames, &QCheckBox::clicked, this, &HtmlOptionsDialog::cbFramesClick);
    connect(rgHREF, &LinkModeGroup::modeChosen, this, &HtmlOptionsDialog::rgHREFClick);
    connect(rgIMG, &LinkModeGroup::modeChosen, this, &HtmlOptionsDialog::rgIMGClick);
    const QList<QAbstractButton *> layoutButtons { cbBorder, cbCaption, cbTBColor, cbCBColor,
        cbAddNav, cbBkgd, rb1pg, rbMpg };
    for (QAbstractButton *button : layoutButtons)
        connect(button, &QAbstractButton::clicked, this, &HtmlOptionsDialog::applyLayout);

    for (QLineEdit *edit :
        { eTCols, eTBord, eTWidth, eTPad, eTSpace, eTperPg, eBorder, eHREF, eIMG })
        edit->installEventFilter(this);

    setControls(AfterLoadRules(HtmlOptions()));
}

void HtmlOptionsDialog::loadSettings(const HtmlOptions &stored)
{
    setControls(AfterLoadRules(stored));
}

void HtmlOptionsDialog::resetToDefaults()
{
    setControls(AfterLoadRules(HtmlOptions()));
}

HtmlOptions HtmlOptionsDialog::options() const
{
    HtmlOptions o;
    o.LinkOriginal = cbHREF->isChecked();
    o.OriginalLinkOpt = rgHREF->mode();
    o.OriginalLinkAddress = eHREF->text();
    o.ThumbLinkOpt = rgIMG->mode();
    o.ThumbLinkAddress = eIMG->text();
    o.WindowOpt = m_disp->checkedId();
    o.LinkBorder = cbBorder->isChecked();
    o.LinkBorderSize = eBorder->text();
    o.LinkStats = cbStats->isChecked();
    o.PageBkgd = cpBack->color();
    o.Text = cpFont->color();
    o.BannerText = cpBanr->color();
    o.BannerString = eBanr->text();
    o.BannerHeadSize = m_banr->checkedId();
    o.UseTables = cbUseTable->isChecked();
    o.UseFrames = cbFrames->isChecked();
    o.Columns = eTCols->text();
    o.BorderSize = eTBord->text();
    o.TableWidth = eTWidth->text();
    o.CellPad = eTPad->text();
    o.CellSpace = eTSpace->text();
    o.TableAlignment = cbTAlign->currentText();
    o.UseBkgdColor = cbTBColor->isChecked();
    o.TableBkgd = cpTBkgd->color();
    o.IncludeCaption = cbCaption->isChecked();
    o.TableCaption = eCaption->text();
    o.CaptionAlign = cbCAlign->currentText();
    o.CellHAlign = cbCHAlign->currentText();
    o.CellVAlign = cbCVAlign->currentText();
    o.UseCellColor = cbCBColor->isChecked();
    o.CellBkgd = cpCBkgd->color();
    o.MultiPg = rbMpg->isChecked();
    o.ThmPerPage = eTperPg->text();
    o.UseNavBtns = cbAddNav->isChecked();
    o.NavBtns = m_nav->checkedId() >= 0 ? m_nav->checkedId() : 2;
    o.TileBkgd = cbBkgd->isChecked();
    o.SampleText = cbTxt->isChecked();
    return o;
}

void HtmlOptionsDialog::setControls(const HtmlOptions &o)
{
    cbHREF->setChecked(o.LinkOriginal);
    rgHREF->setMode(o.OriginalLinkOpt);
    eHREF->setText(o.OriginalLinkAddress);
    rgIMG->setMode(o.ThumbLinkOpt);
    eIMG->setText(o.ThumbLinkAddress);
    SetIndex(m_disp, o.WindowOpt);
    cbBorder->setChecked(o.LinkBorder);
    eBorder->setText(o.LinkBorderSize);
    cbStats->setChecked(o.LinkStats);
    cpBack->setColor(o.PageBkgd);
    cpFont->setColor(o.Text);
    cpBanr->setColor(o.BannerText);
    eBanr->setText(o.BannerString);
    SetIndex(m_banr, o.BannerHeadSize);
    cbUseTable->setChecked(o.UseTables);
    cbFrames->setChecked(o.UseFrames);
    eTCols->setText(o.Columns);
    eTBord->setText(o.BorderSize);
    eTWidth->setText(o.TableWidth);
    eTPad->setText(o.CellPad);
    eTSpace->setText(o.CellSpace);
    cbTAlign->setCurrentText(o.TableAlignment);
    cbTBColor->setChecked(o.UseBkgdColor);
    cpTBkgd->setColor(o.TableBkgd);
    cbCaption->setChecked(o.IncludeCaption);
    eCaption->setText(o.TableCaption);
    cbCAlign->setCurrentText(o.CaptionAlign);
    cbCHAlign->setCurrentText(o.CellHAlign);
    cbCVAlign->setCurrentText(o.CellVAlign);
    cbCBColor->setChecked(o.UseCellColor);
    cpCBkgd->setColor(o.CellBkgd);
    (o.MultiPg ? rbMpg : rb1pg)->setChecked(true);
    eTperPg->setText(o.ThmPerPage);
    cbAddNav->setChecked(o.UseNavBtns);
    SetIndex(m_nav, o.NavBtns);
    cbBkgd->setChecked(o.TileBkgd);
    cbTxt->setChecked(o.SampleText);
    applyLayout();
}

void HtmlOptionsDialog::applyLayout()
{
    const HtmlOptionsLayout l = LayoutFor(options());
    rgHREF->setVisible(l.rgHREF);
    eHREF->setVisible(l.eHREF);
    eIMG->setVisible(l.eIMG);
    lBorder->setVisible(l.eBorder);
    eBorder->setVisible(l.eBorder);
    for (QWidget *w : { static_cast<QWidget *>(lTCap), static_cast<QWidget *>(eCaption),
             static_cast<QWidget *>(lCAlign), static_cast<QWidget *>(cbCAlign) })
        w->setVisible(l.eCaption);
    lBColor->setVisible(l.cpTBkgd);
    cpTBkgd->setVisible(l.cpTBkgd);
    lCColor->setVisible(l.cpCBkgd);
    cpCBkgd->setVisible(l.cpCBkgd);
    GroupBox3->setVisible(l.GroupBox3);
    GroupBox4->setVisible(l.GroupBox4);
    Label24->setVisible(l.Label24);
    gbPages->setVisible(l.gbPages);
    lTperPg->setVisible(l.eTperPg);
    eTperPg->setVisible(l.eTperPg);
    gbNavBtns->setVisible(l.gbNavBtns);
    for (QWidget *w : { rbNavTop, rbNavBot, rbNavBoth })
        w->setVisible(l.navButtons);
    lMHelp->setVisible(l.lMHelp);
    lFrameHelp->setVisible(l.lFrameHelp);
    cbBkgd->setVisible(l.cbBkgd);
    cbTxt->setVisible(l.cbBkgd);
    cbTxt->setEnabled(l.cbTxtEnabled);
    cbUseTable->setEnabled(l.cbUseTableEnabled);
    for (QWidget *w : { static_cast<QWidget *>(eTCols), static_cast<QWidget *>(cbTAlign),
             static_cast<QWidget *>(cbCAlign) })
        w->setEnabled(l.tableShapeEnabled);
}

void HtmlOptionsDialog::prepareToShow(const QString &caption, const QString &pageFolder,
    const QString &originalsFolder, const QString &thumbsFolder)
{
    setWindowTitle(caption);
    m_tabs->setCurrentIndex(0);
    m_layoutTabSeen = false;
    m_pageFolder = pageFolder;
    m_originalsFolder = originalsFolder;
    m_thumbsFolder = thumbsFolder;
    HtmlOptions o = options();
    DeriveAddressesOnOpening(o, m_prefixes, pageFolder, originalsFolder, thumbsFolder);
    setControls(o);
}

bool HtmlOptionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && watched != eHREF && watched != eIMG) {
        // Entering a number field selects all of it; after the click that placed the caret.
        auto *edit = static_cast<QLineEdit *>(watched);
        QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    } else if (event->type() == QEvent::FocusOut) {
        // Every departure counts, changed text or not.
        if (watched == eTWidth)
            eTWidthExit();
        else if (watched == eHREF)
            eHREFExit();
        else if (watched == eIMG)
            eIMGExit();
    }
    return QDialog::eventFilter(watched, event);
}

void HtmlOptionsDialog::bOKClick()
{
    if (m_layoutTabSeen) {
        accept();
        return;
    }
    switch (m_messages.ask(
        MessageIcon::Question, QString::fromLatin1(kLayoutReminder), MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        m_tabs->setCurrentIndex(1);
        break;
    case MessageAnswer::No:
        accept();
        break;
    default:
        break;
    }
}

void HtmlOptionsDialog::cbHREFClick(bool checked)
{
    HtmlOptions o = options();
    if (checked)
        o.LinkOriginal = true;
    else
        UncheckLinkOriginal(o);
    setControls(o);
}

void HtmlOptionsDialog::cbUseTableClick(bool checked)
{
    HtmlOptions o = options();
    if (checked)
        CheckUseTables(o);
    else
        o.UseTables = false;
    setControls(o);
}

void HtmlOptionsDialog::cbFramesClick(bool checked)
{
    HtmlOptions o = options();
    if (!checked) {
        o.UseFrames = false;
        setControls(o);
        return;
    }
    const bool linksWereOff = !o.LinkOriginal;
    bool accepted = true;
    int mode = o.OriginalLinkOpt;
    if (linksWereOff) {
        accepted = false;
        if (m_prompt) {
            m_prompt->prepare(m_prefixes.OriginalRelativePrefix, eHREF->text(), o.OriginalLinkOpt,
                m_originalsFolder, m_pageFolder);
            m_prompt->exec();
            accepted = m_prompt->answer() == MessageAnswer::Yes;
            mode = m_prompt->mode();
        }
    }
    CheckFrames(o, accepted);
    std::optional<QString> warning;
    if (accepted && linksWereOff) {
        // Only the mode is taken from the prompt; the address follows from it here.
        o.OriginalLinkOpt = mode;
        warning = ApplyModeRule(sideOf(o, Side::Originals), m_pageFolder);
    }
    setControls(o);
    if (warning)
        m_messages.inform(*warning);
}

LinkSide HtmlOptionsDialog::sideOf(HtmlOptions &o, Side side)
{
    if (side == Side::Originals)
        return { o.OriginalLinkOpt, o.OriginalLinkAddress, m_prefixes.OriginalHttpPrefix,
            m_prefixes.OriginalRelativePrefix, m_originalsFolder };
    return { o.ThumbLinkOpt, o.ThumbLinkAddress, m_prefixes.ThumbHttpPrefix,
        m_prefixes.ThumbRelativePrefix, m_thumbsFolder };
}

void HtmlOptionsDialog::linkModeChosen(Side side)
{
    HtmlOptions o = options();
    const auto warning = ApplyModeRule(sideOf(o, side), m_pageFolder);
    setControls(o);
    if (warning)
        m_messages.inform(*warning);
}

void HtmlOptionsDialog::rgHREFClick()
{
    linkModeChosen(Side::Originals);
}

void HtmlOptionsDialog::rgIMGClick()
{
    linkModeChosen(Side::Thumbs);
}

void HtmlOptionsDialog::eHREFExit()
{
    HtmlOptions o = options();
    RememberAddress(sideOf(o, Side::Originals));
}

void HtmlOptionsDialog::eIMGExit()
{
    HtmlOptions o = options();
    RememberAddress(sideOf(o, Side::Thumbs));
}

void HtmlOptionsDialog::eTWidthExit()
{
    const QString text = eTWidth->text();
    const std::optional<int> width = ParseInteger(text);
    if (!width) {
        m_messages.error(QString::fromUtf8(InvalidInteger(text).what()));
        return;
    }
    if (*width > 100)
        eTWidth->setText(QStringLiteral("100"));
}

void HtmlOptionsDialog::BitBtn1Click()
{
    if (m_help)
        m_help->exec();
}

} // namespace pixmaro
