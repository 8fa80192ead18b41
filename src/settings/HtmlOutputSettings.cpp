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

template struct KeyedSettings<HtmlOutputSettings>;

} // namespace pixmaro
