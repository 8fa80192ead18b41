// The main window's kept settings: [Directories] Input and Output, and all of [Thumbnails].
#pragma once

#include "settings/IniFile.h"

#include <QString>

#include <functional>
#include <optional>

namespace pixmaro {

/// The values the main window feeds into its controls at start-up and writes back at exit.
/// Field names follow the job settings the controls hold.
struct MainWindowSettings {
    QString InputFolder; // "Input": the input folder tree's folder
    QString OutputFolder; // "Output": the output folder tree's folder
    int ResizeSpeed = 1; // "Resize Speed": 0 Fast, 1 Quality
    QString MaxWidth = "96"; // "Thumb Width"
    QString MaxHeight = "96"; // "Thumb Height"
    bool KeepRatio = false; // "Maintain Ratio"
    bool ForceWidth = false; // "Force Width"
    bool ForceHeight = false; // "Force Height"
    QString ConvertTo = "jpg"; // "Create As": the type combo box's text
    int NamingOption = 0; // "Naming Option": 0 PreSeq, 1 PreName, 2 SufSeq, 3 SufName
    QString ThumbQualifier = "Thumb"; // "Output File Qualifier"
    int JpegQuality = 90; // "Jpg Compression", 10 to 100
    bool OverwriteFiles = true; // "Overwrite Files"

    /// The factory defaults, with both folders at `driveRoot`.
    static MainWindowSettings Defaults(const QString &driveRoot);

    /// Reads the keys in their written order. A stored folder that no longer exists gives the
    /// nearest existing folder above it; when there is none, the folder stays at `driveRoot` and
    /// `error` receives "The <folder> directory does not exist" (both lines, joined by CR LF, when
    /// both folders are missing). The other keys are read all the same.
    static MainWindowSettings Load(
        const IniFile &ini, const QString &driveRoot, QString *error = nullptr);

    /// Writes every key in order. At most one force flag is written as 1; when both are set,
    /// "Force Height" wins.
    void save(IniFile &ini) const;
};

/// The words "Create As" accepts, in the type combo box's item order.
inline constexpr const char *kConvertToItems[]
    = { "jpg", "gif", "bmp", "emf", "wmf", "No Conversion" };
/// The words "Naming Option" is stored as, by option 0 to 3.
inline constexpr const char *kNamingOptionWords[] = { "PreSeq", "PreName", "SufSeq", "SufName" };

/// The folder a folder tree opens for a stored path: the path itself when it is an existing folder,
/// else the nearest existing folder above it; nothing when the path is not absolute.
std::optional<QString> NearestExistingFolder(const QString &stored);

} // namespace pixmaro
