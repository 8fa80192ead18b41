// Small helpers the main window's files share while they build and show its controls.
#pragma once

#include <QLatin1String>
#include <QWidget>

#include <initializer_list>

namespace pixmaro::mainwindow {

/// Gives `widget` its object name and returns it, so a control is made and named in one line.
template <typename W> W *Named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

/// Shows or hides every one of `widgets`.
inline void SetShown(std::initializer_list<QWidget *> widgets, bool shown)
{
    for (QWidget *widget : widgets)
        widget->setVisible(shown);
}

} // namespace pixmaro::mainwindow
