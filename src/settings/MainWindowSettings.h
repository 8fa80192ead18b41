// The main window's kept settings: [Directories] Input and Output, and all of [Thumbnails].
#pragma once

#include "settings/IniFile.h"
#include "settings/SettingKeys.h"

#include <QString>

#include <optional>
#include <span>

namespace pixmaro {

/// The words "Create As" accepts, in the type combo box's item order.
inline constexpr const char *kConvertToItems[]
    = { "jpg", "gif", "bmp", "emf", "wmf", "No Conversion" };
/// The words "Naming Option" is stored as, by option 0 to 3.
inline constexpr const char *kNamingOptionWords[] = { "PreSeq", "PreName", "SufSeq", "SufName" };
/// The words "Resize Speed" is stored as, by the resize group's items.
inline constexpr const char *kResizeSpeedWords[] = { "Fast", "Quality" };

/// The values the main window feeds into its controls at start-up and writes back at exit.
/// Field names follow the job settings the controls hold. A new record holds the factory
/// defaults of Keys(), with empty folders.
struct MainWindowSettings {
    QString InputFolder; // "Input": the input folder tree's folder
    QString OutputFolder; // "Output": the output folder tree's folder
    int ResizeSpeed; // "Resize Speed": 0 Fast, 1 Quality
    QString MaxWidth; // "Thumb Width"
    QString MaxHeight; // "Thumb Height"
    bool KeepRatio; // "Maintain Ratio"
    bool ForceWidth; // "Force Width"
    bool ForceHeight; // "Force Height"
    QString ConvertTo; // "Create As": the type combo box's text
    int NamingOption; // "Naming Option": 0 PreSeq, 1 PreName, 2 SufSeq, 3 SufName
    QString ThumbQualifier; // "Output File Qualifier"
    int JpegQuality; // "Jpg Compression", 10 to 100
    bool OverwriteFiles; // "Overwrite Files"

    MainWindowSettings();

    /// Every kept key of the main window with its default, in written order.
    static std::span<const SettingKey<MainWindowSettings>> Keys();

    /// The factory defaults, with both folders at `driveRoot`.
    static MainWindowSettings Defaults(const QString &driveRoot);

    /// Reads the keys in their written order. A stored folder that no longer exists gives the
    /// nearest existing folder above it; when there is none, that folder stays at `driveRoot`,
    /// `error` receives "The <folder> directory does not exist" (one line per such folder) and
    /// the remaining keys are read as usual, so the exit does not write defaults over them.
    static MainWindowSettings Load(
        const IniFile &ini, const QString &driveRoot, QString *error = nullptr);

    /// Writes every key in order. At most one force flag is written as 1; when both are set,
    /// "Force Height" wins.
    void save(IniFile &ini) const;
};

} // namespace pixmaro
