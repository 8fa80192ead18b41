// The deletion confirmation's kept setting: [Directories] RecycleBin.
#pragma once

#include "settings/IniFile.h"

namespace pixmaro {

struct DeleteConfirmSettings {
    bool RecycleBin = true; // "Delete to Recycle Bin"

    /// Exactly "Yes" turns the recycle bin on; any other text turns it off.
    static DeleteConfirmSettings Load(const IniFile &ini);
    void save(IniFile &ini) const;
};

} // namespace pixmaro
