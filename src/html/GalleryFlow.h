// The gallery behind "Do HTML!": the options dialog's caption, the link addresses derived for the
// last run, and the writer the options choose, with failures shown through Messages.
#pragma once

#include "html/GalleryWriter.h"
#include "html/LinkResolution.h"
#include "job/JobSettings.h"
#include "job/RunState.h"
#include "settings/HtmlOptions.h"
#include "shell/Messages.h"

#include <QString>

namespace pixmaro {

/// Where the gallery goes: the folder chosen in the location dialog and its file name.
struct GalleryLocation {
    QString folder;
    QString fileName;
    /// The folder, the separator and the file name.
    QString pagePath() const;
};

/// "HTML Options - <page path> - <count> Files".
QString HtmlOptionsCaption(const GalleryLocation &location, int processedCount);

/// The folder the location dialog opens on: the folder of the first gallery entry's output, else
/// the job's output folder (with its trailing separator as the run reports folders).
QString RunOutputFolder(const RunState &state, const JobSettings &job);

/// The folders the links of a run point into, each with its trailing separator.
struct RunFolders {
    QString originals; // the folder of the first gallery entry's source
    QString thumbs; // the folder of its output
};

/// The originals' and thumbnails' folders of the first gallery entry of the run; the job's input
/// and output folders when the run left no entry.
RunFolders FoldersOfRun(const RunState &state, const JobSettings &job);

/// What opening the options dialog does: the link addresses are derived from the first gallery
/// entry of the run (the originals' and thumbnails' folders) for a page in `pageFolder`.
void DeriveAddressesForRun(HtmlOptions &options, LinkPrefixes &prefixes, const RunState &state,
    const JobSettings &job, const QString &pageFolder);

/// Writes the gallery of the last run as the options ask (frames, table pages or the list page)
/// and hands the page to show to `editor`. A failure is shown once through `messages` with the
/// system's text; returns whether the gallery was written.
bool WriteGalleryOfRun(const RunState &state, const HtmlOptions &options,
    const GalleryLocation &location, GeneratedPageSink &editor, Messages &messages);

} // namespace pixmaro
