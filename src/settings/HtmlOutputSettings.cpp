// The HTML output-location dialog's kept setting: [Directories] htmlName.
#include "settings/HtmlOutputSettings.h"

namespace pixmaro {

HtmlOutputSettings HtmlOutputSettings::Load(const IniFile &ini)
{
    HtmlOutputSettings s;
    s.htmlName = ini.readString("Directories", "htmlName", s.htmlName);
    return s;
}

void HtmlOutputSettings::save(IniFile &ini) const
{
    ini.writeString("Directories", "htmlName", htmlName);
}

} // namespace pixmaro
