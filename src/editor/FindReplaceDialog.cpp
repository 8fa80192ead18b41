// The editor's find and replace dialogs: modeless, kept once made, with match case, whole word and
// the direction of the search.
#include "editor/FindReplaceDialog.h"

#include <QCheckBox>
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

// A text field named `name` with its caption in row `row` of `fields`; the caption's "&" marks the
// key that reaches the field, and the caption without it is the field's accessible name.
QLineEdit *AddField(
    QGridLayout *fields, int row, const char *name, const QString &caption, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    auto *label = new QLabel(caption, parent);
    label->setBuddy(edit);
    edit->setAccessibleName(QString(caption).remove(u'&'));
    fields->addWidget(label, row, 0);
    fields->addWidget(edit, row, 1);
    return edit;
}

} // namespace

FindReplaceDialog::FindReplaceDialog(Kind kind, QWidget *parent)
    : QDialog(parent)
{
    const bool replacing = kind == Kind::Replace;
    setObjectName(replacing ? "ReplaceDialog1" : "FindDialog1");
    setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
    setModal(false);

    auto *fields = new QGridLayout;
    eFind = AddField(fields, 0, "eFind", QStringLiteral("Fi&nd what:"), this);
    if (replacing)
        eReplace = AddField(fields, 1, "eReplace", QStringLiteral("Re&place with:"), this);

    cbWholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    cbWholeWord->setObjectName("cbWholeWord");
    cbMatchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    cbMatchCase->setObjectName("cbMatchCase");
    auto *direction = new QGroupBox(QStringLiteral("Direction"), this);
    direction->setObjectName("gbDirection");
    rbUp = new QRadioButton(QStringLiteral("&Up"), direction);
    rbUp->setObjectName("rbUp");
    rbDown = new QRadioButton(QStringLiteral("&Down"), direction);
    rbDown->setObjectName("rbDown");
    rbDown->setChecked(true);
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(rbUp);
    directionLayout->addWidget(rbDown);

    auto *checks = new QVBoxLayout;
    checks->addWidget(cbWholeWord);
    checks->addWidget(cbMatchCase);
    auto *options = new QHBoxLayout;
    options->addLayout(checks);
    options->addWidget(direction);

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();

    auto *buttons = new QVBoxLayout;
    auto *bFindNext = new QPushButton(QStringLiteral("&Find Next"), this);
    bFindNext->setObjectName("bFindNext");
    bFindNext->setDefault(true);
    buttons->addWidget(bFindNext);
    connect(bFindNext, &QPushButton::clicked, this, &FindReplaceDialog::findNext);
    if (replacing) {
        auto *bReplace = new QPushButton(QStringLiteral("&Replace"), this);
        bReplace->setObjectName("bReplace");
        auto *bReplaceAll = new QPushButton(QStringLiteral("Replace &All"), this);
        bReplaceAll->setObjectName("bReplaceAll");
        buttons->addWidget(bReplace);
        buttons->addWidget(bReplaceAll);
        connect(bReplace, &QPushButton::clicked, this, &FindReplaceDialog::replace);
        connect(bReplaceAll, &QPushButton::clicked, this, &FindReplaceDialog::replaceAll);
    }
    auto *bCancel = new QPushButton(QStringLiteral("Cancel"), this);
    bCancel->setObjectName("bCancel");
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(bCancel);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
}

QString FindReplaceDialog::findText() const
{
    return eFind->text();
}

void FindReplaceDialog::setFindText(const QString &text)
{
    eFind->setText(text);
    eFind->selectAll();
}

QString FindReplaceDialog::replaceText() const
{
    return eReplace ? eReplace->text() : QString();
}

void FindReplaceDialog::setReplaceText(const QString &text)
{
    if (eReplace)
        eReplace->setText(text);
}

FindOptions FindReplaceDialog::options() const
{
    return { cbMatchCase->isChecked(), cbWholeWord->isChecked(), rbDown->isChecked() };
}

} // namespace pixmaro
