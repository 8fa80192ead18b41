// The help window of the HTML options: how each of the four link modes forms its addresses.
#include "html/HtmlOptionsHelpWindow.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pixmaro {

const char *const kHtmlOptionsHelpText
    = "HREF and IMG options\n"
      "\n"
      "The HREF options say how the links to the original images are written; the IMG options "
      "say how the thumbnails are referred to. Each offers the same four choices.\n"
      "\n"
      "1. Refer to images on local hard drive\n"
      "The address is the full path of the folder holding the images, for example\n"
      "    file:///C:\\Graphics\\Thumbs\\\n"
      "Use this for a gallery that is only looked at on this computer. The page does not work "
      "anywhere else.\n"
      "\n"
      "2. Explicit internet location\n"
      "The address is the place on the web where you will put the images, for example\n"
      "    http://www.example.com/~ann/gallery/images/\n"
      "REMEMBER TO ADD THE TRAILING SLASH...\n"
      "The address typed is remembered while the program runs.\n"
      "\n"
      "3. Relative location\n"
      "The address is the way from the folder of the page to the folder of the images, such as\n"
      "    ../Textures/    or    /Images/\n"
      "For example, with this folder tree under C:\\My Documents\\My Webs\\Personal:\n"
      "    Personal\\index.htm (the page)\n"
      "    Personal\\Images\\ (the thumbnails)\n"
      "    Textures\\ (beside Personal, the originals)\n"
      "the thumbnails are \"Images/\" and the originals \"../Textures/\". The relative address "
      "is worked out each time the options are shown, from where the page is saved. Images on "
      "another drive than the page cannot be reached this way; their local drive address is "
      "used instead.\n"
      "\n"
      "4. Generic location\n"
      "No address at all: the images are expected in the same folder as the page. Put the page, "
      "the thumbnails and the originals all in one folder.\n";

HtmlOptionsHelpWindow::HtmlOptionsHelpWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("TForm5");
    setWindowTitle(QStringLiteral("HTML Options"));
    setModal(true);
    resize(520, 440);

    auto *text = new QPlainTextEdit(this);
    text->setObjectName("mHelp");
    text->setAccessibleName(QStringLiteral("HTML Options Help"));
    text->setReadOnly(true);
    text->setPlainText(QString::fromLatin1(kHtmlOptionsHelpText));
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("bOK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

} // namespace pixmaro
