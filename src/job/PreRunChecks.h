// The checks made before a run: selection, duplicate base names, same folders, empty qualifier.
#pragma once

#include "job/JobSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace pixmaro {

inline constexpr const char *kNoFilesSelected = "No files selected!";
inline constexpr const char *kSameFolderWarning
    = "Input and Output Directories are the same. This could result in files being overwritten or "
      "not processed.\r\rContinue?";
inline constexpr const char *kInvalidQualifier
    = "Invalid output qualifier for option chosen.  Please specify a qualifier, or choose a "
      "different naming option.";

/// The duplicate-names warning: caption, heading and the lines of its text box.
inline constexpr const char *kDuplicateNamesCaption = "Duplicate File Names";
inline constexpr const char *kDuplicateNamesHeading = "Warning!";
extern const char *const kDuplicateNamesText[15];

/// Two entries of the selected files whose names differ only in their last three characters
/// (the type extension), `first` before `second` in the selection.
struct DuplicatePair {
    int first = -1;
    int second = -1;
    friend bool operator==(const DuplicatePair &, const DuplicatePair &) = default;
};

/// Looks for two selected files that would get the same name when converted: the key of a name is
/// the name without its last three characters. The keys are sorted ignoring case, and neighbours
/// compared exactly; the last equal pair in that order is returned. Keys that are exactly equal
/// sort next to each other, so no such pair is ever missed.
std::optional<DuplicatePair> FindDuplicateBaseName(const QStringList &names);

/// The warning's one-line label: the two names joined by " and ".
QString DuplicateNamesLabel(const QStringList &names, DuplicatePair pair);

/// The same-folder warning, when it applies (every mode but rename-only) and the two folders are
/// equal as exact text; the user may go on.
std::optional<QString> SameFolderWarning(const JobSettings &job);

/// The refusal of a rename that would not change the names: rename-only mode, naming option 1 or 3
/// and an empty qualifier.
std::optional<QString> EmptyQualifierRefusal(const JobSettings &job);

} // namespace pixmaro
