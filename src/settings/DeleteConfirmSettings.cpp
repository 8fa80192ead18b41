// The deletion confirmation's kept setting: [Directories] RecycleBin.
#include "settings/DeleteConfirmSettings.h"

namespace pixmaro {

namespace {

using D = DeleteConfirmSettings;

constexpr SettingKey<D> kKeys[] = {
    WordKey("Directories", "RecycleBin", &D::RecycleBin, kRecycleBinWords, 1),
};

} // namespace

DeleteConfirmSettings::DeleteConfirmSettings()
{
    ApplyDefaults(Keys(), *this, QString());
}

std::span<const SettingKey<DeleteConfirmSettings>> DeleteConfirmSettings::Keys()
{
    return kKeys;
}

template struct KeyedSettings<DeleteConfirmSettings>;

} // namespace pixmaro
