// The duplicate-names warning (TForm3): two selected files would get the same converted name.
#include "job/DupeWarnDialog.h"

#include "job/PreRunChecks.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace pixmaro {

namespace {

constexpr int kMargin = 12;

} // namespace

DupeWarnDialog::DupeWarnDialog(QWidget *parent)
    : QDialog(parent)
    , m_heading(new QLabel(QString::fromLatin1(kDuplicateNamesHeading), this))
    , m_label2(new QLabel(this))
    , m_memo1(new QPlainTextEdit(this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QString::fromLatin1(kDuplicateNamesCaption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);

    m_heading->setObjectName(QStringLiteral("Label1"));
    QFont big = m_heading->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    m_heading->setFont(big);
    m_heading->setAlignment(Qt::AlignCenter);

    // The text box is as wide as its longest line and as tall as all fifteen, so every line reads
    // as written, whatever the font.
    m_memo1->setObjectName(QStringLiteral("Memo1"));
    m_memo1->setReadOnly(true);
    m_memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QStringList lines;
    int longest = 0;
    for (const char *line : kDuplicateNamesText) {
        lines << QString::fromLatin1(line);
        longest = std::max(longest, m_memo1->fontMetrics().horizontalAdvance(lines.last()));
    }
    m_memo1->setPlainText(lines.join(u'\n'));
    m_memo1->setAccessibleName(QString::fromLatin1(kDuplicateNamesHeading));
    const int frame = 2 * m_memo1->frameWidth() + 2 * int(m_memo1->document()->documentMargin());
    const int memoWidth = longest + frame + m_memo1->verticalScrollBar()->sizeHint().width() + 4;
    const int memoHeight = int(lines.size()) * m_memo1->fontMetrics().lineSpacing() + frame + 4;
    const int dialogWidth = memoWidth + 2 * kMargin;

    m_heading->setGeometry(
        kMargin, kMargin, dialogWidth - 2 * kMargin, m_heading->sizeHint().height());

    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setTextFormat(Qt::PlainText);
    const int labelTop = m_heading->geometry().bottom() + 8;
    m_label2->move(kMargin, labelTop);

    const int buttonHeight = std::max(28, m_ok->sizeHint().height());
    const int memoTop = labelTop + m_label2->fontMetrics().height() + 10;
    m_memo1->setGeometry(kMargin, memoTop, memoWidth, memoHeight);
    const int buttonTop = memoTop + memoHeight + 10;
    setFixedSize(dialogWidth, buttonTop + buttonHeight + kMargin);

    m_ok->setObjectName(QStringLiteral("bOK"));
    m_cancel->setObjectName(QStringLiteral("bCancel"));
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    const int buttonWidth = std::max(88, m_cancel->sizeHint().width());
    m_ok->setGeometry(dialogWidth / 2 - buttonWidth - 8, buttonTop, buttonWidth, buttonHeight);
    m_cancel->setGeometry(dialogWidth / 2 + 8, buttonTop, buttonWidth, buttonHeight);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DupeWarnDialog::centreLabel()
{
    m_label2->setWordWrap(false);
    m_label2->adjustSize();
    const int client = width();
    int extra = 0;
    if (m_label2->width() > client - 2 * kMargin) {
        // Names too long for one line are wrapped inside the dialog rather than cut off; the text
        // box and the buttons move down to make room for the lines.
        m_label2->setWordWrap(true);
        const int height = m_label2->heightForWidth(client - 2 * kMargin);
        m_label2->setGeometry(kMargin, m_label2->y(), client - 2 * kMargin, height);
        extra = std::max(0, height - m_label2->fontMetrics().height());
    } else {
        m_label2->move((client - m_label2->width()) / 2, m_label2->y());
    }
    const int shift = extra - m_labelExtra;
    m_labelExtra = extra;
    if (shift == 0)
        return;
    for (QWidget *below : { static_cast<QWidget *>(m_memo1), static_cast<QWidget *>(m_ok),
             static_cast<QWidget *>(m_cancel) })
        below->move(below->x(), below->y() + shift);
    setFixedSize(width(), height() + shift);
}

void DupeWarnDialog::showEvent(QShowEvent *event)
{
    centreLabel();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

bool DupeWarnDialog::confirm(const QString &label)
{
    m_label2->setText(label);
    centreLabel();
    m_ok->setFocus();
    return exec() == QDialog::Accepted;
}

} // namespace pixmaro
