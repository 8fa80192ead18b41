// pixmaro-batch's --html: the gallery of the run, written as the window's flow writes it.
#include "batch/GalleryOutput.h"

#include "html/GalleryWriter.h"
#include "html/LinkResolution.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

namespace pixmaro {

namespace {

// Without an editor, a generated page is simply stored.
class FileSink : public GeneratedPageSink {
public:
    void ShowGeneratedPage(
        const QString &text, const QString &pagePath, const QString &, const QString &) override
    {
        StorePage(pagePath, text);
    }
};

QString WithSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

std::optional<QString> WriteGalleryOfRun(
    const RunState &state, const JobSettings &job, HtmlOptions options, const QString &page)
{
    const QFileInfo info(page);
    const QString folder = QDir::cleanPath(info.absolutePath());
    const QString name = ChosenFileName(info.fileName());
    const GalleryEntries entries = EntriesOfRun(state);
    // The folders of the originals and thumbnails are those of the first picture.
    const QString originals
        = entries.empty() ? WithSeparator(job.InputFolder) : FolderOf(entries.front().SourcePath);
    const QString thumbs
        = entries.empty() ? WithSeparator(job.OutputFolder) : FolderOf(entries.front().OutputPath);
    LinkPrefixes prefixes;
    DeriveAddressesOnOpening(options, prefixes, folder, originals, thumbs);
    try {
        FileSink sink;
        WriteGallery(options, entries, state.ThumbMax, folder, name, sink);
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    }
    return std::nullopt;
}

} // namespace pixmaro
