// The HTML options dialog: every option of the gallery on two tabs, with the rules that keep the
// options consistent and the link addresses derived each time it opens.
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
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace pixmaro {

namespace {

QCheckBox *CheckBox(const char *name, const QString &text, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QLineEdit *Edit(const char *name, QWidget *parent, int width = 0)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (width > 0)
        edit->setMaximumWidth(width);
    return edit;
}

QLabel *Label(const char *name, const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    if (buddy)
        buddy->setAccessibleName(QString(text).remove(u'&'));
    return label;
}

QComboBox *Combo(const char *name, const QStringList &items, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->addItems(items);
    return combo;
}

// A titled group of radio buttons numbered from 0.
QButtonGroup *RadioGroup(QGroupBox *box, const QStringList &items, bool across = false)
{
    auto *group = new QButtonGroup(box);
    QBoxLayout *layout = across ? static_cast<QBoxLayout *>(new QHBoxLayout(box))
                                : static_cast<QBoxLayout *>(new QVBoxLayout(box));
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    return group;
}

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

    m_prefixes = LinkPrefixes();
    setControls(AfterLoadRules(HtmlOptions()));
}

void HtmlOptionsDialog::buildLinkingTab(QWidget *page)
{
    auto *gbHREF = new QGroupBox(QStringLiteral("Link to Original Images"), page);
    gbHREF->setObjectName("gbHREF");
    cbHREF = CheckBox("cbHREF", QStringLiteral("HREF to Original File"), gbHREF);
    rgHREF = new LinkModeGroup(QStringLiteral("HREF Options"), gbHREF);
    rgHREF->setObjectName("rgHREF");
    eHREF = Edit("eHREF", gbHREF);
    eHREF->setAccessibleName(QStringLiteral("HREF Address"));
    eHREF->setToolTip(QStringLiteral("Written before each original's file name in the link"));
    auto *hrefLayout = new QVBoxLayout(gbHREF);
    hrefLayout->addWidget(cbHREF);
    hrefLayout->addWidget(rgHREF);
    hrefLayout->addWidget(eHREF);

    auto *gbIMG = new QGroupBox(QStringLiteral("Thumbnail Images"), page);
    gbIMG->setObjectName("gbIMG");
    rgIMG = new LinkModeGroup(QStringLiteral("IMG Options"), gbIMG);
    rgIMG->setObjectName("rgIMG");
    eIMG = Edit("eIMG", gbIMG);
    eIMG->setAccessibleName(QStringLiteral("IMG Address"));
    eIMG->setToolTip(QStringLiteral("Written before each thumbnail's file name in the image tag"));
    auto *imgLayout = new QVBoxLayout(gbIMG);
    imgLayout->addWidget(rgIMG);
    imgLayout->addWidget(eIMG);

    rgDisp = new QGroupBox(QStringLiteral("Original Image Display"), page);
    rgDisp->setObjectName("rgDisp");
    m_disp = RadioGroup(
        rgDisp, { QStringLiteral("Open in Same Window"), QStringLiteral("Open in New Window") });

    auto *gbThumb = new QGroupBox(QStringLiteral("Thumbnail Options"), page);
    gbThumb->setObjectName("gbThumb");
    cbBorder = CheckBox("cbBorder", QStringLiteral("Border"), gbThumb);
    eBorder = Edit("eBorder", gbThumb, 50);
    lBorder = Label("lBorder", QStringLiteral("Size"), eBorder, gbThumb);
    cbStats = CheckBox("cbStats", QStringLiteral("Show Statistics in ALT"), gbThumb);
    auto *thumbLayout = new QGridLayout(gbThumb);
    thumbLayout->addWidget(cbBorder, 0, 0);
    thumbLayout->addWidget(lBorder, 0, 1, Qt::AlignRight);
    thumbLayout->addWidget(eBorder, 0, 2);
    thumbLayout->addWidget(cbStats, 1, 0, 1, 3);

    auto *gbColors = new QGroupBox(QStringLiteral("Page Colors"), page);
    gbColors->setObjectName("gbColors");
    cpBack = new ColorPickerButton(gbColors);
    cpBack->setObjectName("cpBack");
    cpFont = new ColorPickerButton(gbColors);
    cpFont->setObjectName("cpFont");
    cpBanr = new ColorPickerButton(gbColors);
    cpBanr->setObjectName("cpBanr");
    auto *colorLayout = new QFormLayout(gbColors);
    colorLayout->addRow(
        Label("lBack", QStringLiteral("Page Background"), cpBack, gbColors), cpBack);
    colorLayout->addRow(Label("lFont", QStringLiteral("Text"), cpFont, gbColors), cpFont);
    colorLayout->addRow(Label("lBanr", QStringLiteral("Banner Text"), cpBanr, gbColors), cpBanr);

    auto *gbBanner = new QGroupBox(QStringLiteral("Banner"), page);
    gbBanner->setObjectName("gbBanner");
    eBanr = Edit("eBanr", gbBanner);
    rgBanr = new QGroupBox(QStringLiteral("Banner Text Size"), gbBanner);
    rgBanr->setObjectName("rgBanr");
    m_banr = RadioGroup(rgBanr,
        { QStringLiteral("Head1"), QStringLiteral("Head2"), QStringLiteral("Head3") }, true);
    auto *bannerLayout = new QFormLayout(gbBanner);
    bannerLayout->addRow(
        Label("lBanrText", QStringLiteral("Banner / Title"), eBanr, gbBanner), eBanr);
    bannerLayout->addRow(rgBanr);

    auto *BitBtn1 = new QPushButton(QStringLiteral("&Help!"), page);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setAutoDefault(false);
    auto *bOK = new QPushButton(QStringLiteral("OK"), page);
    bOK->setObjectName("bOK");
    bOK->setDefault(true);
    auto *bCancel = new QPushButton(QStringLiteral("Cancel"), page);
    bCancel->setObjectName("bCancel");
    bCancel->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &HtmlOptionsDialog::BitBtn1Click);
    connect(bOK, &QPushButton::clicked, this, &HtmlOptionsDialog::bOKClick);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *grid = new QGridLayout(page);
    grid->addWidget(gbHREF, 0, 0, 2, 1);
    grid->addWidget(gbIMG, 2, 0, 2, 1);
    grid->addWidget(rgDisp, 0, 1);
    grid->addWidget(gbThumb, 1, 1);
    grid->addWidget(gbColors, 2, 1);
    grid->addWidget(gbBanner, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    buttons->addWidget(bOK);
    buttons->addWidget(bCancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setRowStretch(3, 1);
}

void HtmlOptionsDialog::buildLayoutTab(QWidget *page)
{
    cbUseTable = CheckBox("cbUseTable", QStringLiteral("Use Table for Thumbnail Layout"), page);
    cbFrames = CheckBox("cbFrames", QStringLiteral("Use Frames For Display"), page);
    cbBkgd = CheckBox("cbBkgd", QStringLiteral("Tile Image in Frame"), page);
    cbBkgd->setToolTip(
        QStringLiteral("Show the original as the tiled background of the picture frame"));
    cbTxt = CheckBox("cbTxt", QStringLiteral("Add Sample Text"), page);
    cbTxt->setToolTip(QStringLiteral("Write colour sample lines over the tiled background"));

    GroupBox3 = new QGroupBox(QStringLiteral("Table Properties"), page);
    GroupBox3->setObjectName("GroupBox3");
    eTCols = Edit("eTCols", GroupBox3, 60);
    eTBord = Edit("eTBord", GroupBox3, 60);
    eTWidth = Edit("eTWidth", GroupBox3, 60);
    eTWidth->setToolTip(QStringLiteral("Percent of the page; 0 lets the browser choose"));
    eTPad = Edit("eTPad", GroupBox3, 60);
    eTSpace = Edit("eTSpace", GroupBox3, 60);
    cbTAlign = Combo("cbTAlign",
        { QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right") }, GroupBox3);
    cbTBColor = CheckBox("cbTBColor", QStringLiteral("Color Background"), GroupBox3);
    cpTBkgd = new ColorPickerButton(GroupBox3);
    cpTBkgd->setObjectName("cpTBkgd");
    lBColor = Label("lBColor", QStringLiteral("Background Color"), cpTBkgd, GroupBox3);
    cbCaption = CheckBox("cbCaption", QStringLiteral("Include a Caption with Table"), GroupBox3);
    eCaption = Edit("eCaption", GroupBox3);
    lTCap = Label("lTCap", QStringLiteral("Table Caption"), eCaption, GroupBox3);
    cbCAlign = Combo("cbCAlign",
        { QStringLiteral("Top"), QStringLiteral("Bottom"), QStringLiteral("Left"),
            QStringLiteral("Right") },
        GroupBox3);
    lCAlign = Label("lCAlign", QStringLiteral("Caption Alignment"), cbCAlign, GroupBox3);
    auto *t = new QGridLayout(GroupBox3);
    t->addWidget(Label("lTCols", QStringLiteral("Columns"), eTCols, GroupBox3), 0, 0);
    t->addWidget(eTCols, 0, 1);
    t->addWidget(Label("lTBord", QStringLiteral("Border Size"), eTBord, GroupBox3), 1, 0);
    t->addWidget(eTBord, 1, 1);
    t->addWidget(Label("lTWidth", QStringLiteral("Table Width %"), eTWidth, GroupBox3), 2, 0);
    t->addWidget(eTWidth, 2, 1);
    t->addWidget(Label("lTPad", QStringLiteral("Cell Padding"), eTPad, GroupBox3), 0, 2);
    t->addWidget(eTPad, 0, 3);
    t->addWidget(Label("lTSpace", QStringLiteral("Cell Spacing"), eTSpace, GroupBox3), 1, 2);
    t->addWidget(eTSpace, 1, 3);
    t->addWidget(Label("lTAlign", QStringLiteral("Table Alignment"), cbTAlign, GroupBox3), 2, 2);
    t->addWidget(cbTAlign, 2, 3);
    t->addWidget(cbTBColor, 3, 0, 1, 2);
    t->addWidget(lBColor, 3, 2);
    t->addWidget(cpTBkgd, 3, 3);
    t->addWidget(cbCaption, 4, 0, 1, 4);
    t->addWidget(lTCap, 5, 0);
    t->addWidget(eCaption, 5, 1, 1, 3);
    t->addWidget(lCAlign, 6, 0, 1, 2);
    t->addWidget(cbCAlign, 6, 2, 1, 2);

    GroupBox4 = new QGroupBox(QStringLiteral("Cell Properties"), page);
    GroupBox4->setObjectName("GroupBox4");
    cbCHAlign = Combo("cbCHAlign",
        { QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right") }, GroupBox4);
    cbCVAlign = Combo("cbCVAlign",
        { QStringLiteral("Top"), QStringLiteral("Middle"), QStringLiteral("Bottom") }, GroupBox4);
    cbCBColor = CheckBox("cbCBColor", QStringLiteral("Color Cells"), GroupBox4);
    cpCBkgd = new ColorPickerButton(GroupBox4);
    cpCBkgd->setObjectName("cpCBkgd");
    lCColor = Label("lCColor", QStringLiteral("Cell Color"), cpCBkgd, GroupBox4);
    auto *c = new QGridLayout(GroupBox4);
    c->addWidget(
        Label("lCHAlign", QStringLiteral("Horizontal Alignment"), cbCHAlign, GroupBox4), 0, 0);
    c->addWidget(cbCHAlign, 0, 1);
    c->addWidget(
        Label("lCVAlign", QStringLiteral("Vertical Alignment"), cbCVAlign, GroupBox4), 1, 0);
    c->addWidget(cbCVAlign, 1, 1);
    c->addWidget(cbCBColor, 2, 0, 1, 2);
    c->addWidget(lCColor, 3, 0);
    c->addWidget(cpCBkgd, 3, 1);
    c->setRowStretch(4, 1);

    Label24 = new QLabel(QStringLiteral("Page Layout - Single or MultiPage"), page);
    Label24->setObjectName("Label24");
    gbPages = new QGroupBox(QStringLiteral("Number of Pages"), page);
    gbPages->setObjectName("gbPages");
    rb1pg = new QRadioButton(QStringLiteral("One Page"), gbPages);
    rb1pg->setObjectName("rb1pg");
    rbMpg = new QRadioButton(QStringLiteral("Multi-Page"), gbPages);
    rbMpg->setObjectName("rbMpg");
    eTperPg = Edit("eTperPg", gbPages, 60);
    lTperPg = Label("lTperPg", QStringLiteral("Thumbnails per Page"), eTperPg, gbPages);
    auto *p = new QGridLayout(gbPages);
    p->addWidget(rb1pg, 0, 0);
    p->addWidget(rbMpg, 1, 0);
    p->addWidget(lTperPg, 2, 0);
    p->addWidget(eTperPg, 2, 1);

    gbNavBtns = new QGroupBox(QStringLiteral("Navigation Buttons"), page);
    gbNavBtns->setObjectName("gbNavBtns");
    cbAddNav = CheckBox("cbAddNav", QStringLiteral("Add Navigation Buttons"), gbNavBtns);
    rbNavTop = new QRadioButton(QStringLiteral("Top"), gbNavBtns);
    rbNavTop->setObjectName("rbNavTop");
    rbNavBot = new QRadioButton(QStringLiteral("Bottom"), gbNavBtns);
    rbNavBot->setObjectName("rbNavBot");
    rbNavBoth = new QRadioButton(QStringLiteral("Both"), gbNavBtns);
    rbNavBoth->setObjectName("rbNavBoth");
    m_nav = new QButtonGroup(gbNavBtns);
    m_nav->addButton(rbNavTop, 0);
    m_nav->addButton(rbNavBot, 1);
    m_nav->addButton(rbNavBoth, 2);
    auto *n = new QGridLayout(gbNavBtns);
    n->addWidget(cbAddNav, 0, 0, 1, 3);
    n->addWidget(rbNavTop, 1, 0);
    n->addWidget(rbNavBot, 1, 1);
    n->addWidget(rbNavBoth, 1, 2);

    lMHelp = new QLabel(QString::fromLatin1(kMultiPageNote), page);
    lMHelp->setObjectName("lMHelp");
    lMHelp->setWordWrap(true);
    lFrameHelp = new QLabel(QString::fromLatin1(kFramesNote), page);
    lFrameHelp->setObjectName("lFrameHelp");
    lFrameHelp->setWordWrap(true);

    auto *bOK2 = new QPushButton(QStringLiteral("OK"), page);
    bOK2->setObjectName("bOK2");
    auto *bCancel2 = new QPushButton(QStringLiteral("Cancel"), page);
    bCancel2->setObjectName("bCancel2");
    bCancel2->setAutoDefault(false);
    connect(bOK2, &QPushButton::clicked, this, &QDialog::accept);
    connect(bCancel2, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QGridLayout;
    top->addWidget(cbUseTable, 0, 0);
    top->addWidget(cbFrames, 1, 0);
    top->addWidget(cbBkgd, 0, 1);
    top->addWidget(cbTxt, 1, 1);

    auto *pages = new QHBoxLayout;
    pages->addWidget(gbPages);
    pages->addWidget(gbNavBtns);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bOK2);
    buttons->addWidget(bCancel2);

    auto *v = new QVBoxLayout(page);
    v->addLayout(top);
    auto *groups = new QHBoxLayout;
    groups->addWidget(GroupBox3, 3);
    groups->addWidget(GroupBox4, 2);
    v->addLayout(groups);
    v->addWidget(Label24);
    v->addLayout(pages);
    v->addWidget(lMHelp);
    v->addWidget(lFrameHelp);
    v->addStretch();
    v->addLayout(buttons);
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
        warning = ApplyModeRule(
            { o.OriginalLinkOpt, o.OriginalLinkAddress, m_prefixes.OriginalHttpPrefix,
                m_prefixes.OriginalRelativePrefix, m_originalsFolder },
            m_pageFolder);
    }
    setControls(o);
    if (warning)
        m_messages.inform(*warning);
}

void HtmlOptionsDialog::rgHREFClick()
{
    HtmlOptions o = options();
    const auto warning
        = ApplyModeRule({ o.OriginalLinkOpt, o.OriginalLinkAddress, m_prefixes.OriginalHttpPrefix,
                            m_prefixes.OriginalRelativePrefix, m_originalsFolder },
            m_pageFolder);
    setControls(o);
    if (warning)
        m_messages.inform(*warning);
}

void HtmlOptionsDialog::rgIMGClick()
{
    HtmlOptions o = options();
    const auto warning
        = ApplyModeRule({ o.ThumbLinkOpt, o.ThumbLinkAddress, m_prefixes.ThumbHttpPrefix,
                            m_prefixes.ThumbRelativePrefix, m_thumbsFolder },
            m_pageFolder);
    setControls(o);
    if (warning)
        m_messages.inform(*warning);
}

void HtmlOptionsDialog::eHREFExit()
{
    HtmlOptions o = options();
    RememberAddress({ o.OriginalLinkOpt, o.OriginalLinkAddress, m_prefixes.OriginalHttpPrefix,
        m_prefixes.OriginalRelativePrefix, m_originalsFolder });
}

void HtmlOptionsDialog::eIMGExit()
{
    HtmlOptions o = options();
    RememberAddress({ o.ThumbLinkOpt, o.ThumbLinkAddress, m_prefixes.ThumbHttpPrefix,
        m_prefixes.ThumbRelativePrefix, m_thumbsFolder });
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
