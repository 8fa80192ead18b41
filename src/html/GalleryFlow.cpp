// The gallery behind "Do HTML!": the options dialog's caption, the link addresses derived for the
// last run, and the writer the options choose, with failures shown through Messages.
#include "html/GalleryFlow.h"

#include "base/Paths.h"

#include <exception>

namespace pixmaro {

namespace {

QString WithSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

QString GalleryLocation::pagePath() const
{
    return PathIn(folder, fileName);
}

QString HtmlOptionsCaption(const GalleryLocation &location, int processedCount)
{
    return QStringLiteral("HTML Options - ") + location.pagePath() + QStringLiteral(" - ")
        + QString::number(processedCount) + QStringLiteral(" Files");
}

QString RunOutputFolder(const RunState &state, const JobSettings &job)
{
    const GalleryEntries entries = EntriesOfRun(state);
    return entries.empty() ? WithSeparator(job.OutputFolder) : FolderOf(entries.front().OutputPath);
}

RunFolders FoldersOfRun(const RunState &state, const JobSettings &job)
{
    // The folders of the originals and thumbnails are those of the first picture.
    const GalleryEntries entries = EntriesOfRun(state);
    if (entries.empty())
        return { WithSeparator(job.InputFolder), WithSeparator(job.OutputFolder) };
    return { FolderOf(entries.front().SourcePath), FolderOf(entries.front().OutputPath) };
}

void DeriveAddressesForRun(HtmlOptions &options, LinkPrefixes &prefixes, const RunState &state,
    const JobSettings &job, const QString &pageFolder)
{
    const RunFolders folders = FoldersOfRun(state, job);
    DeriveAddressesOnOpening(options, prefixes, pageFolder, folders.originals, folders.thumbs);
}

bool WriteGalleryOfRun(const RunState &state, const HtmlOptions &options,
    const GalleryLocation &location, GeneratedPageSink &editor, Messages &messages)
{
    try {
        WriteGallery(options, EntriesOfRun(state), state.ThumbMax, location.folder,
            location.fileName, editor);
    } catch (const std::exception &e) {
        messages.error(QString::fromUtf8(e.what()));
        return false;
    }
    return true;
}

} // namespace pixmaro
