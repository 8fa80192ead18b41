// The four ways of addressing images as a group of radio buttons ("HREF Options", "IMG Options").
#include "html/LinkModeGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pixmaro {

LinkModeGroup::LinkModeGroup(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
    , m_buttons(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        auto *button = new QRadioButton(QString::fromLatin1(kLinkModeItems[i]), this);
        m_buttons->addButton(button, i);
        layout->addWidget(button);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, &LinkModeGroup::modeChosen);
}

int LinkModeGroup::mode() const
{
    return m_buttons->checkedId();
}

void LinkModeGroup::setMode(int mode)
{
    if (mode >= 0 && mode < 4) {
        m_buttons->button(mode)->setChecked(true);
        return;
    }
    // No item: an exclusive group cannot uncheck its last button.
    m_buttons->setExclusive(false);
    for (QAbstractButton *button : m_buttons->buttons())
        button->setChecked(false);
    m_buttons->setExclusive(true);
}

} // namespace pixmaro
