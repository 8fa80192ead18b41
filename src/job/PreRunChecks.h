// The checks made before a run: selection, duplicate base names, same folders, empty qualifier.
#pragma once

#include "job/JobSettings.h"
#include "shell/Messages.h"

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

/// The refusal of a job in which an output would replace another selected source: %1 is the
/// source that would be replaced, %2 the file whose output it would be.
inline constexpr const char *kOutputReplacesSource
    = "The output of %2 would be written over the selected file %1 before it is processed, and "
      "its content would be lost.  Please choose a different naming option, qualifier or output "
      "folder, or turn off Overwrite Files.";

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
/// the same (SameFolder); the user may go on.
std::optional<QString> SameFolderWarning(const JobSettings &job);

/// The refusal of a rename that would not change the names: rename-only mode, naming option 1 or 3
/// and an empty qualifier.
std::optional<QString> EmptyQualifierRefusal(const JobSettings &job);

/// The refusal of a job whose output would replace another selected source before it is read
/// ("Overwrite Files" on; with it off such outputs are skipped anyway); it names both files.
std::optional<QString> OutputReplacesSourceRefusal(
    const JobSettings &job, const QStringList &selected);

/// Leaving the input page: "No files selected!" when nothing is highlighted, then the
/// duplicate-names warning for the highlighted entries (in list order, as they become the
/// selected files). Returns whether the wizard goes on to the next page.
bool CheckLeavingInputPage(const QStringList &highlighted, Messages &messages);

/// Leaving the output page, in order: the same-folder question (Yes goes on), the empty-qualifier
/// refusal, the refusal of an output that would replace another selected source. Returns whether
/// the wizard goes on; a refused check changes nothing.
bool CheckLeavingOutputPage(
    const JobSettings &job, const QStringList &selected, Messages &messages);

} // namespace pixmaro
