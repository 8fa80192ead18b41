// The HTML options dialog's two tabs: background and linking, and table and page layout.
#include "html/ColorPickerButton.h"
#include "html/HtmlOptionsDialog.h"
#include "html/LinkModeGroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pixmaro {

namespace {

QCheckBox *CheckBox(const char *name, const QString &text, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QGroupBox *Group(const char *name, const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
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

} // namespace

void HtmlOptionsDialog::buildLinkingTab(QWidget *page)
{
    auto *gbHREF = Group("gbHREF", QStringLiteral("Link to Original Images"), page);
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

    auto *gbIMG = Group("gbIMG", QStringLiteral("Thumbnail Images"), page);
    rgIMG = new LinkModeGroup(QStringLiteral("IMG Options"), gbIMG);
    rgIMG->setObjectName("rgIMG");
    eIMG = Edit("eIMG", gbIMG);
    eIMG->setAccessibleName(QStringLiteral("IMG Address"));
    eIMG->setToolTip(QStringLiteral("Written before each thumbnail's file name in the image tag"));
    auto *imgLayout = new QVBoxLayout(gbIMG);
    imgLayout->addWidget(rgIMG);
    imgLayout->addWidget(eIMG);

    rgDisp = Group("rgDisp", QStringLiteral("Original Image Display"), page);
    m_disp = RadioGroup(
        rgDisp, { QStringLiteral("Open in Same Window"), QStringLiteral("Open in New Window") });

    auto *gbThumb = Group("gbThumb", QStringLiteral("Thumbnail Options"), page);
    cbBorder = CheckBox("cbBorder", QStringLiteral("Border"), gbThumb);
    eBorder = Edit("eBorder", gbThumb, 50);
    lBorder = Label("lBorder", QStringLiteral("Size"), eBorder, gbThumb);
    cbStats = CheckBox("cbStats", QStringLiteral("Show Statistics in ALT"), gbThumb);
    auto *thumbLayout = new QGridLayout(gbThumb);
    thumbLayout->addWidget(cbBorder, 0, 0);
    thumbLayout->addWidget(lBorder, 0, 1, Qt::AlignRight);
    thumbLayout->addWidget(eBorder, 0, 2);
    thumbLayout->addWidget(cbStats, 1, 0, 1, 3);

    auto *gbColors = Group("gbColors", QStringLiteral("Page Colors"), page);
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

    auto *gbBanner = Group("gbBanner", QStringLiteral("Banner"), page);
    eBanr = Edit("eBanr", gbBanner);
    rgBanr = Group("rgBanr", QStringLiteral("Banner Text Size"), gbBanner);
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

    GroupBox3 = Group("GroupBox3", QStringLiteral("Table Properties"), page);
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

    GroupBox4 = Group("GroupBox4", QStringLiteral("Cell Properties"), page);
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
    gbPages = Group("gbPages", QStringLiteral("Number of Pages"), page);
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

    gbNavBtns = Group("gbNavBtns", QStringLiteral("Navigation Buttons"), page);
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

} // namespace pixmaro
