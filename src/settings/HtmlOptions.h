// The gallery options of the HTML options dialog and their [Linking], [Layout], [Colors] and
// [Tables] keys.
#pragma once

#include "settings/IniFile.h"

#include <QString>

namespace pixmaro {

/// How the address of the originals or of the thumbnails is formed (the items of the dialog's
/// "HREF Options" and "IMG Options" groups, in order).
enum class LinkMode {
    LocalDrive = 0,
    ExplicitInternet = 1,
    RelativeLocation = 2,
    GenericLocation = 3
};

/// Colours are 0x00BBGGRR: red in the low byte.
constexpr int kWhite = 16777215;
constexpr int kBlack = 0;
constexpr int kGrey160 = 10526880;

/// Every option of the gallery. Text fields keep the characters typed; a writer converts them to
/// numbers when it needs them. Radio-group indexes may be -1 (no item selected).
struct HtmlOptions {
    bool LinkOriginal = true;
    int OriginalLinkOpt = int(LinkMode::RelativeLocation);
    int ThumbLinkOpt = int(LinkMode::RelativeLocation);
    int WindowOpt = 0; // 0 same window, 1 new window
    bool LinkBorder = true;
    QString LinkBorderSize = "1";
    bool LinkStats = true;
    int PageBkgd = kWhite;
    int Text = kBlack;
    int BannerText = kBlack;
    QString BannerString = "Pixmaro";
    int BannerHeadSize = 0; // 0 H1, 1 H2, 2 H3
    bool UseTables = true;
    bool UseFrames = false;
    QString Columns = "5";
    QString BorderSize = "1";
    QString TableWidth = "0";
    QString CellPad = "2";
    QString CellSpace = "2";
    QString TableAlignment = "Center";
    bool UseBkgdColor = true;
    int TableBkgd = kGrey160;
    bool IncludeCaption = true;
    QString TableCaption = "Click thumbnail to see full size image";
    QString CaptionAlign = "Top";
    QString CellHAlign = "Center";
    QString CellVAlign = "Middle";
    bool UseCellColor = false;
    int CellBkgd = kWhite;
    bool MultiPg = true;
    QString ThmPerPage = "25";
    bool UseNavBtns = true;
    int NavBtns = 2; // 0 top, 1 bottom, 2 both
    bool TileBkgd = false;
    bool SampleText = false;

    // Not stored: derived from the link modes each time the dialog opens.
    QString OriginalLinkAddress;
    QString ThumbLinkAddress;

    /// Reads every stored option; a missing or malformed key gives its default.
    static HtmlOptions Load(const IniFile &ini);
    /// Writes every stored option, section by section in the dialog's order.
    void save(IniFile &ini) const;
};

} // namespace pixmaro
