// The options of one job, as the wizard's controls hold them.
#pragma once

#include "settings/MainWindowSettings.h"

#include <QString>

namespace pixmaro {

inline constexpr const char *kDefaultFileMask = "*.jpg;*.jpeg;*.gif;*.bmp;*.wmf;*.emf";

/// The run "GO" starts for a job.
enum class RunKind { Thumbnails, Rename, Copy, Convert };

/// A plain record: numeric fields stay the text typed and are parsed only where a run uses them.
/// The fields the settings file keeps (folders, resize, sizes, ratio and force flags, target
/// type, naming option, thumbnail qualifier, JPEG quality, overwrite) and their defaults come
/// from MainWindowSettings; the rest start from their built-in values at every start.
struct JobSettings : MainWindowSettings {
    bool ThumbMode = true; // create thumbnails; false: rename, copy or convert
    bool RenameOnly = true; // in rename/copy/convert mode: rename in place, else copy/convert
    QString FileMask = kDefaultFileMask;
    QString ImageQualifier = "Image";
    QString SequenceStart = "001";

    /// The qualifier the current mode names files with.
    const QString &qualifier() const { return ThumbMode ? ThumbQualifier : ImageQualifier; }
    /// Whether the job renames files in their own folder.
    bool renames() const { return !ThumbMode && RenameOnly; }
    /// The run the job makes: thumbnails; rename; a plain copy when the target type is "No
    /// Conversion"; otherwise a conversion.
    RunKind runKind() const;

    /// Sets the force flags as the two check boxes do: checking one unchecks the other.
    void setForceWidth(bool on);
    void setForceHeight(bool on);

    /// Takes the kept fields from the settings file's values, as the window's controls do when
    /// they are fed at start-up (when both force flags are stored, "Force Height" is read last
    /// and unchecks "Force Width").
    void applyStored(const MainWindowSettings &stored);
    /// The kept fields as the settings file stores them.
    MainWindowSettings toStored() const;
};

} // namespace pixmaro
