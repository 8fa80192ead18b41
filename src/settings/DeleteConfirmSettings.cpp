// The deletion confirmation's kept setting: [Directories] RecycleBin.
#include "settings/DeleteConfirmSettings.h"

namespace pixmaro {

DeleteConfirmSettings DeleteConfirmSettings::Load(const IniFile &ini)
{
    DeleteConfirmSettings s;
    s.RecycleBin = ini.readString("Directories", "RecycleBin", "Yes") == QLatin1String("Yes");
    return s;
}

void DeleteConfirmSettings::save(IniFile &ini) const
{
    ini.writeString("Directories", "RecycleBin", RecycleBin ? "Yes" : "No");
}

} // namespace pixmaro
