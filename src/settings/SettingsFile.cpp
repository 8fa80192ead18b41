// All kept settings of the program, read at start-up and written at exit window by window.
#include "settings/SettingsFile.h"

namespace pixmaro {

StoredSettings StoredSettings::Defaults(const QString &driveRoot)
{
    StoredSettings s;
    s.main = MainWindowSettings::Defaults(driveRoot);
    return s;
}

StoredSettings StoredSettings::Load(const IniFile &ini, const QString &driveRoot, QString *error)
{
    StoredSettings s;
    s.main = MainWindowSettings::Load(ini, driveRoot, error);
    s.deleteConfirm = DeleteConfirmSettings::Load(ini);
    s.htmlOptions = HtmlOptions::Load(ini);
    s.htmlOutput = HtmlOutputSettings::Load(ini);
    return s;
}

void StoredSettings::save(IniFile &ini) const
{
    main.save(ini);
    deleteConfirm.save(ini);
    htmlOptions.save(ini);
    htmlOutput.save(ini);
}

} // namespace pixmaro
