// Where a job's outputs go: the output path of each selected file, and the selected sources that
// an output would replace.
#pragma once

#include "job/JobSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace pixmaro {

/// The output name entry `index` gets in the job's run, as the run names it (the extension of the
/// target type included). Throws InvalidInteger when a numbering option meets a sequence start
/// that is not a number.
QString OutputName(const JobSettings &job, const QString &entry, int index);

/// Whether two folders are the same: equal texts, or equal canonical paths ("/a/./b", a trailing
/// separator or a symbolic link to the other).
bool SameFolder(const QString &a, const QString &b);

/// A selected source that another file's output would replace, and the file it would be made from.
struct SourceReplacement {
    int source = -1; // the selected entry whose file would be replaced
    int madeFrom = -1; // the selected entry whose output it would be
    friend bool operator==(const SourceReplacement &, const SourceReplacement &) = default;
};

/// Whose source an output replaces: its own, or another selected file's.
enum class Replacing { Own, Other };

/// The first output, in file order, whose path is the path of a selected source of the kind
/// asked for, for runs that replace files ("Overwrite Files" on, not a rename, which never
/// replaces anything; a plain copy onto its own source leaves it alone). Nothing when the names
/// cannot be computed (the run then fails on its own).
std::optional<SourceReplacement> FindSourceReplacement(
    const JobSettings &job, const QStringList &selected, Replacing which);

} // namespace pixmaro
