// The question shown when frames are chosen without links to the originals: turn the links on,
// and in which mode.
#include "html/HrefPromptDialog.h"

#include "html/LinkModeGroup.h"
#include "html/LinkResolution.h"
#include "ui/MessageBoxes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pixmaro {

HrefPromptDialog::HrefPromptDialog(Messages &messages, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
{
    setObjectName("THRFPrmpt");
    setWindowTitle(QStringLiteral("Set HREF to Original Option?"));
    setModal(true);

    auto *text = new QLabel(MessageBoxText(QString::fromLatin1(kHrefPromptText)), this);
    text->setObjectName("lPrompt");
    auto *group = new QGroupBox(QStringLiteral("Link to Original Images"), this);
    group->setObjectName("gbLink");
    auto *cbHREF = new QCheckBox(QStringLiteral("HREF to Original File"), group);
    cbHREF->setObjectName("cbHREF");
    cbHREF->setChecked(true);
    cbHREF->setEnabled(false);
    rgHREF = new LinkModeGroup(QStringLiteral("HREF Options"), group);
    rgHREF->setObjectName("rgHREF");
    eHREF = new QLineEdit(group);
    eHREF->setObjectName("eHREF");
    eHREF->setAccessibleName(QStringLiteral("HREF Address"));
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(cbHREF);
    groupLayout->addWidget(rgHREF);
    groupLayout->addWidget(eHREF);

    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Yes)->setObjectName("bYes");
    buttons->button(QDialogButtonBox::No)->setObjectName("bNo");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("bCancel");
    connect(buttons->button(QDialogButtonBox::Yes), &QPushButton::clicked, this,
        [this] { finish(MessageAnswer::Yes); });
    connect(buttons->button(QDialogButtonBox::No), &QPushButton::clicked, this,
        [this] { finish(MessageAnswer::No); });
    connect(buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this,
        [this] { finish(MessageAnswer::Cancel); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(group);
    layout->addWidget(buttons);

    connect(rgHREF, &LinkModeGroup::modeChosen, this, &HrefPromptDialog::modeChosen);
}

void HrefPromptDialog::prepare(const QString &relativePrefix, const QString &address, int mode,
    const QString &originalsFolder, const QString &pageFolder)
{
    m_relativePrefix = relativePrefix;
    m_originalsFolder = originalsFolder;
    m_pageFolder = pageFolder;
    m_answer = MessageAnswer::Cancel;
    rgHREF->setMode(mode);
    eHREF->setText(address);
    eHREF->setVisible(mode != int(LinkMode::GenericLocation));
}

int HrefPromptDialog::mode() const
{
    return rgHREF->mode();
}

void HrefPromptDialog::modeChosen(int mode)
{
    // The prompt's own field follows the mode as the options dialog's does, with a fresh http
    // prefix; nothing of it is taken over but the mode.
    int chosen = mode;
    QString address;
    QString http = QStringLiteral("http://");
    QString relative = m_relativePrefix;
    const auto warning
        = ApplyModeRule({ chosen, address, http, relative, m_originalsFolder }, m_pageFolder);
    eHREF->setText(address);
    eHREF->setVisible(mode != int(LinkMode::GenericLocation));
    if (warning)
        m_messages.inform(*warning);
}

void HrefPromptDialog::finish(MessageAnswer answer)
{
    m_answer = answer;
    done(answer == MessageAnswer::Yes ? Accepted : Rejected);
}

void HrefPromptDialog::reject()
{
    m_answer = MessageAnswer::Cancel;
    QDialog::reject();
}

} // namespace pixmaro
