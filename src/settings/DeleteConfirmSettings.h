// The deletion confirmation's kept setting: [Directories] RecycleBin.
#pragma once

#include "settings/IniFile.h"
#include "settings/SettingKeys.h"

#include <span>

namespace pixmaro {

/// The words "RecycleBin" is stored as: off, on.
inline constexpr const char *kRecycleBinWords[] = { "No", "Yes" };

struct DeleteConfirmSettings : KeyedSettings<DeleteConfirmSettings> {
    bool RecycleBin; // "Delete to Recycle Bin"

    DeleteConfirmSettings();

    static std::span<const SettingKey<DeleteConfirmSettings>> Keys();

    // Load (from KeyedSettings): exactly "Yes" turns the recycle bin on; any other text turns it
    // off.
};

extern template struct KeyedSettings<DeleteConfirmSettings>;

} // namespace pixmaro
