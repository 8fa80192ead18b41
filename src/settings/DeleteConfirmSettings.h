// The deletion confirmation's kept setting: [Directories] RecycleBin.
#pragma once

#include "settings/IniFile.h"
#include "settings/SettingKeys.h"

#include <span>

namespace pixmaro {

/// The words "RecycleBin" is stored as: off, on.
inline constexpr const char *kRecycleBinWords[] = { "No", "Yes" };

struct DeleteConfirmSettings {
    bool RecycleBin; // "Delete to Recycle Bin"

    DeleteConfirmSettings();

    static std::span<const SettingKey<DeleteConfirmSettings>> Keys();

    /// Exactly "Yes" turns the recycle bin on; any other text turns it off.
    static DeleteConfirmSettings Load(const IniFile &ini);
    void save(IniFile &ini) const;
};

} // namespace pixmaro
