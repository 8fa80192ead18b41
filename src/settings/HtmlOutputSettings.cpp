// The HTML output-location dialog's kept setting: [Directories] htmlName.
#include "settings/HtmlOutputSettings.h"

namespace pixmaro {

namespace {

using O = HtmlOutputSettings;

constexpr SettingKey<O> kKeys[] = {
    TextKey("Directories", "htmlName", &O::htmlName, "MyWeb.htm"),
};

} // namespace

HtmlOutputSettings::HtmlOutputSettings()
{
    ApplyDefaults(Keys(), *this, QString());
}

std::span<const SettingKey<HtmlOutputSettings>> HtmlOutputSettings::Keys()
{
    return kKeys;
}

HtmlOutputSettings HtmlOutputSettings::Load(const IniFile &ini)
{
    HtmlOutputSettings s;
    LoadKeys(Keys(), ini, s);
    return s;
}

void HtmlOutputSettings::save(IniFile &ini) const
{
    SaveKeys(Keys(), *this, ini);
}

} // namespace pixmaro
