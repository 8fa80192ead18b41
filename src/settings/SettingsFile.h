// All kept settings of the program, read at start-up and written at exit window by window.
#pragma once

#include "settings/DeleteConfirmSettings.h"
#include "settings/HtmlOptions.h"
#include "settings/HtmlOutputSettings.h"
#include "settings/IniFile.h"
#include "settings/MainWindowSettings.h"

#include <QString>

namespace pixmaro {

struct StoredSettings {
    MainWindowSettings main;
    DeleteConfirmSettings deleteConfirm;
    HtmlOptions htmlOptions;
    HtmlOutputSettings htmlOutput;

    static StoredSettings Defaults(const QString &driveRoot);
    /// Reads every window's keys as each window does when it is created, in creation order.
    /// `error` receives the main window's folder error, if any (see MainWindowSettings::Load).
    static StoredSettings Load(
        const IniFile &ini, const QString &driveRoot, QString *error = nullptr);
    /// Writes every window's keys as each window does when it is destroyed: the main window,
    /// the deletion confirmation, the HTML options, the HTML output location.
    void save(IniFile &ini) const;
};

} // namespace pixmaro
