// Message boxes on screen: plain text, line breaks for carriage returns, and the answers.
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(MessageBoxText, CarriageReturnsBecomeLineBreaks)
{
    EXPECT_EQ(MessageBoxText("same.\r\rContinue?"), "same.\n\nContinue?");
    EXPECT_EQ(MessageBoxText("a\r\nb"), "a\nb");
    EXPECT_EQ(MessageBoxText("<b>x</b>"), "<b>x</b>");
}

/// Presses `button` in the next message box that opens, or closes it when `button` is NoButton;
/// reports the text it showed and whether it was plain text.
void AnswerNextBox(QMessageBox::StandardButton button, QString *text, bool *plain)
{
    QTimer::singleShot(0, [=] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *text = box->text();
        *plain = box->textFormat() == Qt::PlainText;
        if (button == QMessageBox::NoButton)
            box->reject();
        else
            box->button(button)->click();
    });
}

TEST(ShowMessageBox, ReturnsThePressedButtonAndEscapeAnswersSafely)
{
    struct Row {
        MessageButtons buttons;
        QMessageBox::StandardButton press;
        MessageAnswer expected;
    };
    const Row rows[] = {
        { MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok },
        { MessageButtons::YesNo, QMessageBox::Yes, MessageAnswer::Yes },
        { MessageButtons::YesNo, QMessageBox::No, MessageAnswer::No },
        { MessageButtons::YesNo, QMessageBox::NoButton, MessageAnswer::No },
        { MessageButtons::OkCancel, QMessageBox::NoButton, MessageAnswer::Cancel },
        { MessageButtons::YesNoCancel, QMessageBox::Cancel, MessageAnswer::Cancel },
        { MessageButtons::YesNoCancel, QMessageBox::NoButton, MessageAnswer::Cancel },
    };
    for (const Row &row : rows) {
        QString text;
        bool plain = false;
        AnswerNextBox(row.press, &text, &plain);
        const MessageAnswer answer
            = ShowMessageBox(nullptr, MessageIcon::Warning, "<i>a</i>\r\rContinue?", row.buttons);
        EXPECT_EQ(answer, row.expected) << int(row.buttons) << ' ' << int(row.press);
        EXPECT_EQ(text, "<i>a</i>\n\nContinue?");
        EXPECT_TRUE(plain);
    }
}

} // namespace
} // namespace pixmaro
