// Writing a gallery: table pages with navigation, the frames variant, the list page, and the
// choice between them.
#pragma once

#include "html/PageWriter.h"
#include "job/RunState.h"
#include "settings/HtmlOptions.h"

#include <QString>

namespace pixmaro {

/// The HTML viewer/editor as the writers see it. ShowGeneratedPage shows a page, stores it at
/// `pagePath` (its text followed by CR LF) and binds the editor to that file; `browseFile`, when
/// not empty, is the page "Open in Browser" opens instead. Throws std::runtime_error with the
/// system's message when the file cannot be written.
struct GeneratedPageSink {
    virtual ~GeneratedPageSink() = default;
    virtual void ShowGeneratedPage(const QString &text, const QString &pagePath,
        const QString &outputFolder, const QString &browseFile)
        = 0;
    virtual void setBrowseEnabled(bool) { }
    virtual void setCaption(const QString &) { }
};

/// Stores a page the writers write themselves: the text followed by CR LF, replacing the file.
/// Throws std::runtime_error("Cannot create file <path>") when it cannot.
void StorePage(const QString &path, const QString &text);

/// The entries of the last run that the gallery shows: every slot the run reached whose output
/// file exists now (written by the run, or already there and kept), in order.
GalleryEntries EntriesOfRun(const RunState &state);

/// The file name the location dialog settles on: empty, or without ".htm" (letter case as typed),
/// gives "MyWeb.htm".
QString ChosenFileName(const QString &typed);

/// `HtmlBaseName`: the chosen name up to its first ".htm".
QString HtmlBaseName(const QString &chosenName);
/// The file name of page `index` (0 for the first): the chosen name, then base "_1.htm", ...
QString PageFileName(const QString &chosenName, int index);
/// The most entries on one page: ThmPerPage with multi-page output, else all entries. Throws
/// InvalidInteger for a ThmPerPage that is not a whole number.
int PerPage(const HtmlOptions &options, int count);
/// The number of table pages. Throws DivisionByZero for a ThmPerPage of 0.
int PageCount(const HtmlOptions &options, int count, int perPage);
/// The Prev/Next buttons of page `number` (1 for the first); empty for a single page.
QString NavigationBlock(const QString &chosenName, int number, bool last);

/// The table pages: page 0 goes to the editor, every further page straight to its file. Nothing is
/// written when ThmPerPage or Columns is not a usable whole number (the exception says which).
void WriteTablePages(const HtmlOptions &options, const GalleryEntries &entries,
    const QString &folder, const QString &chosenName, GeneratedPageSink &editor);

/// The thumbnail column's width: 2 × BorderSize + ThumbMax + 2 × CellSpace + 2 × CellPad + 50.
int FramesColumnWidth(const HtmlOptions &options, int thumbMax);
QString FramesetPage(const HtmlOptions &options, const QString &chosenName, int columnWidth);
QString BannerPage(const HtmlOptions &options);
QString PicsPage(const HtmlOptions &options);
QString ThumbsPage(const HtmlOptions &options, const GalleryEntries &entries);
/// The script that shows an original as the picture frame's tiled background.
QString SetBgScript(const HtmlOptions &options);

/// The four frames pages: frameset, banner, pictures and thumbnails, then the thumbnails page to
/// the editor with the frameset as the page to browse.
void WriteFrames(const HtmlOptions &options, const GalleryEntries &entries, int thumbMax,
    const QString &folder, const QString &chosenName, GeneratedPageSink &editor);

/// The list page, through the editor.
void WriteListPage(const HtmlOptions &options, const GalleryEntries &entries, const QString &folder,
    const QString &chosenName, GeneratedPageSink &editor);

/// Writes the gallery the options ask for: frames, else table pages, else the list page.
void WriteGallery(const HtmlOptions &options, const GalleryEntries &entries, int thumbMax,
    const QString &folder, const QString &chosenName, GeneratedPageSink &editor);

} // namespace pixmaro
