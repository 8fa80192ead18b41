// The message boxes of the program on screen: QMessageBox for the fixed texts, the duplicate-names
// dialog for its warning.
#pragma once

#include "job/DupeWarnDialog.h"
#include "shell/Messages.h"

#include <QPointer>

class QWidget;

namespace pixmaro {

class WindowMessages : public Messages {
public:
    /// Boxes are shown over `parent` while it is visible (over the splash window during start-up,
    /// so a message raised while the main window loads is never hidden behind the splash).
    void setParentWidget(QWidget *parent) { m_parent = parent; }
    /// The duplicate-names dialog created at start-up; until then one is made when needed.
    void setDuplicateNamesDialog(DupeWarnDialog *dialog) { m_duplicates = dialog; }

    MessageAnswer ask(MessageIcon icon, const QString &text, MessageButtons buttons) override;
    bool confirmDuplicateNames(const QString &label) override;

    /// The window boxes are shown over now, or none.
    QWidget *boxParent() const;

private:
    QPointer<QWidget> m_parent;
    QPointer<DupeWarnDialog> m_duplicates;
};

} // namespace pixmaro
