// The gallery options of the HTML options dialog and their [Linking], [Layout], [Colors] and
// [Tables] keys.
#include "settings/HtmlOptions.h"

namespace pixmaro {

namespace {

using H = HtmlOptions;

constexpr const char *kLinking = "Linking";
constexpr const char *kLayout = "Layout";
constexpr const char *kColors = "Colors";
constexpr const char *kTables = "Tables";

// In the order the dialog writes them. Reading order does not matter for the record: each key
// sets its own field.
constexpr SettingKey<H> kKeys[] = {
    IndexKey(kLinking, "OriginalLinkOpt", &H::OriginalLinkOpt, int(LinkMode::RelativeLocation), 4),
    FlagIsOneKey(kLinking, "LinkOriginal", &H::LinkOriginal, true),
    IndexKey(kLinking, "ThumbLinkOpt", &H::ThumbLinkOpt, int(LinkMode::RelativeLocation), 4),

    IndexKey(kLayout, "WindowOpt", &H::WindowOpt, 0, 2),
    TextKey(kLayout, "LinkBorderSize", &H::LinkBorderSize, "1"),
    FlagIsOneKey(kLayout, "LinkBorder", &H::LinkBorder, true),
    FlagIsOneKey(kLayout, "LinkStats", &H::LinkStats, true),

    ColourKey(kColors, "PageBkgd", &H::PageBkgd, kWhite),
    ColourKey(kColors, "Text", &H::Text, kBlack),
    ColourKey(kColors, "BannerText", &H::BannerText, kBlack),

    TextKey(kLayout, "BannerString", &H::BannerString, "Pixmaro"),
    IndexKey(kLayout, "BannerHeadSize", &H::BannerHeadSize, 0, 3),

    TextKey(kTables, "Columns", &H::Columns, "5"),
    TextKey(kTables, "BorderSize", &H::BorderSize, "1"),
    TextKey(kTables, "TableWidth", &H::TableWidth, "0"),
    TextKey(kTables, "CellPad", &H::CellPad, "2"),
    TextKey(kTables, "CellSpace", &H::CellSpace, "2"),
    TextKey(kTables, "TableAlignment", &H::TableAlignment, "Center"),
    ColourKey(kColors, "TableBkgd", &H::TableBkgd, kGrey160),
    FlagIsOneKey(kTables, "UseBkgdColor", &H::UseBkgdColor, true),
    TextKey(kTables, "TableCaption", &H::TableCaption, "Click thumbnail to see full size image"),
    FlagIsOneKey(kTables, "IncludeCaption", &H::IncludeCaption, true),
    TextKey(kTables, "CaptionAlign", &H::CaptionAlign, "Top"),
    TextKey(kTables, "CellHAlign", &H::CellHAlign, "Center"),
    TextKey(kTables, "CellVAlign", &H::CellVAlign, "Middle"),
    ColourKey(kColors, "CellBkgd", &H::CellBkgd, kWhite),
    FlagNotZeroKey(kTables, "UseCellColor", &H::UseCellColor, false),

    TextKey(kLayout, "ThmPerPage", &H::ThmPerPage, "25"),
    FlagIsOneKey(kLayout, "MultiPg", &H::MultiPg, true),
    // Only 0, 1 or 2 checks a navigation button; any other value leaves the buttons as they are.
    ChoiceKey(kLayout, "NavBtns", &H::NavBtns, 2, 0, 2),
    FlagIsOneKey(kLayout, "UseNavBtns", &H::UseNavBtns, true),
    FlagIsOneKey(kTables, "UseTables", &H::UseTables, true),
    FlagNotZeroKey(kLayout, "UseFrames", &H::UseFrames, false),
    FlagNotZeroKey(kLayout, "TileBkgd", &H::TileBkgd, false),
    FlagNotZeroKey(kLayout, "SampleText", &H::SampleText, false),
};

} // namespace

HtmlOptions::HtmlOptions()
{
    ApplyDefaults(Keys(), *this, QString());
}

std::span<const SettingKey<HtmlOptions>> HtmlOptions::Keys()
{
    return kKeys;
}

template struct KeyedSettings<HtmlOptions>;

} // namespace pixmaro
