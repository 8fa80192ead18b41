// What assistive technology reads of a window: the controls without a name.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QWidget>

namespace pixmaro::test {

inline QString AccessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

/// The controls of `window` that can be operated but have no accessible name (by object name,
/// or class name when they have none). Controls inside `skip` (a toolkit's own dialog) are left
/// out.
inline QStringList UnnamedControls(QWidget &window, QWidget *skip = nullptr)
{
    QStringList unnamed;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (skip && (widget == skip || skip->isAncestorOf(widget)))
            continue;
        const bool operable = qobject_cast<QAbstractButton *>(widget)
            || qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractItemView *>(widget)
            || qobject_cast<QComboBox *>(widget) || qobject_cast<QPlainTextEdit *>(widget);
        // The parts of a combo box (its edit field, its drop-down list) are named by the box; a
        // hidden header is never reached.
        bool insideCombo = false;
        for (QWidget *up = widget->parentWidget(); up && !insideCombo; up = up->parentWidget())
            insideCombo = qobject_cast<QComboBox *>(up) != nullptr;
        if (!operable || insideCombo || qobject_cast<QHeaderView *>(widget))
            continue;
        if (AccessibleName(widget).isEmpty())
            unnamed << (widget->objectName().isEmpty()
                    ? QString::fromLatin1(widget->metaObject()->className())
                    : widget->objectName());
    }
    return unnamed;
}

} // namespace pixmaro::test
