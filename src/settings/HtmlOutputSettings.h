// The HTML output-location dialog's kept setting: [Directories] htmlName.
#pragma once

#include "settings/IniFile.h"

#include <QString>

namespace pixmaro {

struct HtmlOutputSettings {
    QString htmlName = "MyWeb.htm"; // the file name field

    static HtmlOutputSettings Load(const IniFile &ini);
    void save(IniFile &ini) const;
};

} // namespace pixmaro
