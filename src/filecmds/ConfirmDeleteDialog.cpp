// The deletion confirmation: how many files go, to the trash or for good, Yes or No.
#include "filecmds/ConfirmDeleteDialog.h"

#include "filecmds/FileCommands.h"
#include "shell/Messages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

namespace pixmaro {

ConfirmDeleteDialog::ConfirmDeleteDialog(
    const DeleteConfirmSettings &kept, Messages &messages, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , Image1(new QLabel(this))
    , lNumDel(new QLabel(this))
    , cbRecycle(new QCheckBox(QStringLiteral("Delete to Recycle Bin"), this))
    , bYesDel(new QPushButton(QStringLiteral("Yes"), this))
    , bNoDel(new QPushButton(QStringLiteral("No"), this))
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Confirm File Deletion"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    Image1->setFixedSize(48, 48);
    Image1->setCursor(Qt::PointingHandCursor);
    // The note behind the picture is reachable with Tab and opens with Space or Enter too.
    Image1->setFocusPolicy(Qt::TabFocus);
    Image1->setAccessibleName(QStringLiteral("Recycle Bin note"));
    Image1->installEventFilter(this);

    lNumDel->setObjectName(QStringLiteral("lNumDel"));
    lNumDel->setTextFormat(Qt::PlainText);
    QFont bold = lNumDel->font();
    bold.setBold(true);
    lNumDel->setFont(bold);
    lNumDel->setText(DeleteConfirmationText(0));

    cbRecycle->setObjectName(QStringLiteral("cbRecycle"));
    cbRecycle->setChecked(kept.RecycleBin);
    bYesDel->setObjectName(QStringLiteral("bYesDel"));
    bNoDel->setObjectName(QStringLiteral("bNoDel"));
    bNoDel->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(lNumDel, 0, 1);
    grid->addWidget(cbRecycle, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bYesDel);
    buttons->addWidget(bNoDel);
    buttons->addStretch();
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);

    connect(bYesDel, &QPushButton::clicked, this, &QDialog::accept);
    connect(bNoDel, &QPushButton::clicked, this, &QDialog::reject);
}

DeleteConfirmSettings ConfirmDeleteDialog::keptSettings() const
{
    DeleteConfirmSettings kept;
    kept.RecycleBin = cbRecycle->isChecked();
    return kept;
}

void ConfirmDeleteDialog::setKeptSettings(const DeleteConfirmSettings &kept)
{
    cbRecycle->setChecked(kept.RecycleBin);
}

bool ConfirmDeleteDialog::toRecycleBin() const
{
    return cbRecycle->isChecked();
}

QString ConfirmDeleteDialog::RecycleNote()
{
    return QStringLiteral("You can delete files immediately by unselecting the Recycle Bin "
                          "option.  It's faster, but you will not be able to recover them.");
}

bool ConfirmDeleteDialog::confirmDeletion(int count)
{
    lNumDel->setText(DeleteConfirmationText(count));
    adjustSize();
    bNoDel->setFocus();
    return exec() == QDialog::Accepted;
}

bool ConfirmDeleteDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Image1Click();
        return true;
    }
    if (watched == Image1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            Image1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ConfirmDeleteDialog::Image1Click()
{
    m_messages.inform(RecycleNote());
}

} // namespace pixmaro
