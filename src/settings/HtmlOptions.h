// The gallery options of the HTML options dialog and their [Linking], [Layout], [Colors] and
// [Tables] keys.
#pragma once

#include "settings/IniFile.h"
#include "settings/SettingKeys.h"

#include <QString>

#include <span>

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
/// numbers when it needs them. Radio-group indexes may be -1 (no item selected). A new record
/// holds the factory defaults of Keys().
struct HtmlOptions : KeyedSettings<HtmlOptions> {
    bool LinkOriginal;
    int OriginalLinkOpt; // a LinkMode
    int ThumbLinkOpt; // a LinkMode
    int WindowOpt; // 0 same window, 1 new window
    bool LinkBorder;
    QString LinkBorderSize;
    bool LinkStats;
    int PageBkgd;
    int Text;
    int BannerText;
    QString BannerString;
    int BannerHeadSize; // 0 H1, 1 H2, 2 H3
    bool UseTables;
    bool UseFrames;
    QString Columns;
    QString BorderSize;
    QString TableWidth;
    QString CellPad;
    QString CellSpace;
    QString TableAlignment;
    bool UseBkgdColor;
    int TableBkgd;
    bool IncludeCaption;
    QString TableCaption;
    QString CaptionAlign;
    QString CellHAlign;
    QString CellVAlign;
    bool UseCellColor;
    int CellBkgd;
    bool MultiPg;
    QString ThmPerPage;
    bool UseNavBtns;
    int NavBtns; // 0 top, 1 bottom, 2 both
    bool TileBkgd;
    bool SampleText;

    // Not stored: derived from the link modes each time the dialog opens.
    QString OriginalLinkAddress;
    QString ThumbLinkAddress;

    HtmlOptions();

    /// Every stored option with its key and default, in written order.
    static std::span<const SettingKey<HtmlOptions>> Keys();
    // Load and save come from KeyedSettings: a missing or malformed key reads as its default, and
    // the options are written section by section in the dialog's order.
};

extern template struct KeyedSettings<HtmlOptions>;

} // namespace pixmaro
