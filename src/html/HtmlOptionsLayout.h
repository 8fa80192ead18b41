// Which controls of the HTML options dialog are shown and enabled for a set of options.
#pragma once

#include "settings/HtmlOptions.h"

namespace pixmaro {

/// What the dialog shows: every flag names a control (or a group of controls with their labels)
/// by its object name. The rules of the dialog's check boxes and radio buttons all reduce to this,
/// so loading, resetting and clicking always agree on what is on screen.
struct HtmlOptionsLayout {
    bool eHREF = true; // the originals' address field (hidden without links or in the generic mode)
    bool rgHREF = true; // the originals' address modes
    bool eIMG = true; // the thumbnails' address field (hidden in the generic mode)
    bool eBorder = true; // with its label "Size"
    bool eCaption = true; // with its label, cbCAlign and its label
    bool cpTBkgd = true; // with its label "Background Color"
    bool cpCBkgd = false; // with its label "Cell Color"
    bool GroupBox3 = true; // "Table Properties"
    bool GroupBox4 = true; // "Cell Properties"
    bool Label24 = true; // "Page Layout - Single or MultiPage"
    bool gbPages = true; // "Number of Pages"
    bool eTperPg = true; // with its label "Thumbnails per Page"
    bool gbNavBtns = true; // "Navigation Buttons"
    bool navButtons = true; // rbNavTop, rbNavBot, rbNavBoth
    bool lMHelp = true; // the multi-page naming note
    bool lFrameHelp = false; // the frames naming note
    bool cbBkgd = false; // "Tile Image in Frame" and "Add Sample Text" are shown
    bool cbTxtEnabled = false; // "Add Sample Text" can be checked
    bool cbUseTableEnabled = true;
    bool tableShapeEnabled = true; // eTCols, cbTAlign and cbCAlign

    friend bool operator==(const HtmlOptionsLayout &, const HtmlOptionsLayout &) = default;
};

/// The controls shown and enabled for `options`: a control depends only on the options that its
/// rule names (a border size only with a border, a caption only with a caption, the page and
/// navigation settings only for table pages without frames, the frame settings only with frames).
HtmlOptionsLayout LayoutFor(const HtmlOptions &options);

} // namespace pixmaro
