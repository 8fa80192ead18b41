// Which controls of the HTML options dialog are shown and enabled for a set of options.
#include "html/HtmlOptionsLayout.h"

namespace pixmaro {

HtmlOptionsLayout LayoutFor(const HtmlOptions &o)
{
    HtmlOptionsLayout l;
    l.rgHREF = o.LinkOriginal;
    l.eHREF = o.LinkOriginal && o.OriginalLinkOpt != int(LinkMode::GenericLocation);
    l.eIMG = o.ThumbLinkOpt != int(LinkMode::GenericLocation);
    l.eBorder = o.LinkBorder;
    l.eCaption = o.IncludeCaption;
    l.cpTBkgd = o.UseBkgdColor;
    l.cpCBkgd = o.UseCellColor;
    l.GroupBox3 = o.UseTables;
    l.GroupBox4 = o.UseTables;
    // Frames always use one table on one page: the page settings belong to the table pages only.
    const bool tablePages = o.UseTables && !o.UseFrames;
    l.Label24 = tablePages;
    l.gbPages = tablePages;
    l.eTperPg = o.MultiPg;
    l.gbNavBtns = tablePages && o.MultiPg;
    l.navButtons = o.UseNavBtns;
    l.lMHelp = tablePages && o.MultiPg;
    l.lFrameHelp = o.UseFrames;
    l.cbBkgd = o.UseFrames;
    l.cbTxtEnabled = o.TileBkgd;
    l.cbUseTableEnabled = !o.UseFrames;
    l.tableShapeEnabled = !o.UseFrames;
    return l;
}

} // namespace pixmaro
