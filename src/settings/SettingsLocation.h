// Where the settings file lives, and the folder that stands for "the root of the current drive".
#pragma once

#include <QString>

namespace pixmaro {

inline constexpr const char *kSettingsFileName = "Pixmaro.ini";

/// The settings file beside the executable in `executableDir` when one is there or that folder is
/// writable (a portable install or a build folder); otherwise Pixmaro.ini in the user's
/// configuration folder ($XDG_CONFIG_HOME/Pixmaro, by default ~/.config/Pixmaro).
QString SettingsFilePath(const QString &executableDir);

/// The root of the drive of the current folder: "/" on POSIX, such as "C:\" on Windows.
QString CurrentDriveRoot();

} // namespace pixmaro
