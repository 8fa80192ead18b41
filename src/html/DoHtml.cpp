// "Do HTML!": the location of the page, the options, the gallery written and shown in the editor.
#include "html/DoHtml.h"

#include "editor/HtmlEditorWindow.h"
#include "html/GalleryFlow.h"
#include "html/HtmlOptionsDialog.h"
#include "html/HtmlOutputDialog.h"

namespace pixmaro {

bool DoHtml(HtmlOutputDialog &location, HtmlOptionsDialog &options, HtmlEditorWindow &editor,
    const RunState &state, const JobSettings &job, Messages &messages)
{
    location.prepareToShow(RunOutputFolder(state, job));
    if (location.exec() != QDialog::Accepted)
        return false;
    editor.clearBrowseFile();
    const GalleryLocation page = location.location();
    const RunFolders folders = FoldersOfRun(state, job);
    options.prepareToShow(HtmlOptionsCaption(page, state.ProcessedCount), page.folder,
        folders.originals, folders.thumbs);
    if (options.exec() != QDialog::Accepted)
        return false;
    return WriteGalleryOfRun(state, options.options(), page, editor, messages);
}

} // namespace pixmaro
