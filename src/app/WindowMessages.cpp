// The message boxes of the program on screen: QMessageBox for the fixed texts, the duplicate-names
// dialog for its warning.
#include "app/WindowMessages.h"

#include "job/DupeWarnDialog.h"
#include "ui/MessageBoxes.h"

#include <QWidget>

namespace pixmaro {

QWidget *WindowMessages::boxParent() const
{
    return m_parent && m_parent->isVisible() ? m_parent.data() : nullptr;
}

MessageAnswer WindowMessages::ask(MessageIcon icon, const QString &text, MessageButtons buttons)
{
    return ShowMessageBox(boxParent(), icon, text, buttons);
}

bool WindowMessages::confirmDuplicateNames(const QString &label)
{
    if (m_duplicates)
        return m_duplicates->confirm(label);
    DupeWarnDialog dialog(boxParent());
    return dialog.confirm(label);
}

} // namespace pixmaro
