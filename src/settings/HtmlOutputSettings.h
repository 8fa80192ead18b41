// The HTML output-location dialog's kept setting: [Directories] htmlName.
#pragma once

#include "settings/IniFile.h"
#include "settings/SettingKeys.h"

#include <QString>

#include <span>

namespace pixmaro {

struct HtmlOutputSettings : KeyedSettings<HtmlOutputSettings> {
    QString htmlName; // the file name field

    HtmlOutputSettings();

    static std::span<const SettingKey<HtmlOutputSettings>> Keys();
};

extern template struct KeyedSettings<HtmlOutputSettings>;

} // namespace pixmaro
