// The gallery options of the HTML options dialog and their [Linking], [Layout], [Colors] and
// [Tables] keys.
#include "settings/HtmlOptions.h"

namespace pixmaro {

namespace {

const QString kLinking = QStringLiteral("Linking");
const QString kLayout = QStringLiteral("Layout");
const QString kColors = QStringLiteral("Colors");
const QString kTables = QStringLiteral("Tables");

// Two kinds of stored flag: some are on only when the value is exactly 1, others whenever it
// is not 0.
bool FlagIsOne(const IniFile &ini, const QString &section, const char *key, bool fallback)
{
    return ini.readInteger(section, key, fallback ? 1 : 0) == 1;
}
bool FlagNotZero(const IniFile &ini, const QString &section, const char *key, bool fallback)
{
    return ini.readInteger(section, key, fallback ? 1 : 0) != 0;
}
void WriteFlag(IniFile &ini, const QString &section, const char *key, bool on)
{
    ini.writeInteger(section, key, on ? 1 : 0);
}

} // namespace

HtmlOptions HtmlOptions::Load(const IniFile &ini)
{
    HtmlOptions o;
    o.OriginalLinkOpt = ini.readIndex(kLinking, "OriginalLinkOpt", o.OriginalLinkOpt, 4);
    o.LinkOriginal = FlagIsOne(ini, kLinking, "LinkOriginal", o.LinkOriginal);
    o.ThumbLinkOpt = ini.readIndex(kLinking, "ThumbLinkOpt", o.ThumbLinkOpt, 4);

    o.WindowOpt = ini.readIndex(kLayout, "WindowOpt", o.WindowOpt, 2);
    o.LinkBorderSize = ini.readString(kLayout, "LinkBorderSize", o.LinkBorderSize);
    o.LinkBorder = FlagIsOne(ini, kLayout, "LinkBorder", o.LinkBorder);
    o.LinkStats = FlagIsOne(ini, kLayout, "LinkStats", o.LinkStats);

    o.PageBkgd = ini.readInteger(kColors, "PageBkgd", o.PageBkgd);
    o.Text = ini.readInteger(kColors, "Text", o.Text);
    o.BannerText = ini.readInteger(kColors, "BannerText", o.BannerText);

    o.BannerString = ini.readString(kLayout, "BannerString", o.BannerString);
    o.BannerHeadSize = ini.readIndex(kLayout, "BannerHeadSize", o.BannerHeadSize, 3);

    o.Columns = ini.readString(kTables, "Columns", o.Columns);
    o.BorderSize = ini.readString(kTables, "BorderSize", o.BorderSize);
    o.TableWidth = ini.readString(kTables, "TableWidth", o.TableWidth);
    o.CellPad = ini.readString(kTables, "CellPad", o.CellPad);
    o.CellSpace = ini.readString(kTables, "CellSpace", o.CellSpace);
    o.TableAlignment = ini.readString(kTables, "TableAlignment", o.TableAlignment);
    o.TableBkgd = ini.readInteger(kColors, "TableBkgd", o.TableBkgd);
    o.UseBkgdColor = FlagIsOne(ini, kTables, "UseBkgdColor", o.UseBkgdColor);
    o.TableCaption = ini.readString(kTables, "TableCaption", o.TableCaption);
    o.IncludeCaption = FlagIsOne(ini, kTables, "IncludeCaption", o.IncludeCaption);
    o.CaptionAlign = ini.readString(kTables, "CaptionAlign", o.CaptionAlign);
    o.CellHAlign = ini.readString(kTables, "CellHAlign", o.CellHAlign);
    o.CellVAlign = ini.readString(kTables, "CellVAlign", o.CellVAlign);
    o.CellBkgd = ini.readInteger(kColors, "CellBkgd", o.CellBkgd);
    o.UseCellColor = FlagNotZero(ini, kTables, "UseCellColor", o.UseCellColor);

    o.TileBkgd = FlagNotZero(ini, kLayout, "TileBkgd", o.TileBkgd);
    o.SampleText = FlagNotZero(ini, kLayout, "SampleText", o.SampleText);
    o.ThmPerPage = ini.readString(kLayout, "ThmPerPage", o.ThmPerPage);
    o.MultiPg = FlagIsOne(ini, kLayout, "MultiPg", o.MultiPg);
    // Only 0, 1 or 2 checks a navigation button; any other value leaves the buttons as they are.
    if (const int nav = ini.readInteger(kLayout, "NavBtns", o.NavBtns); nav >= 0 && nav <= 2)
        o.NavBtns = nav;
    o.UseNavBtns = FlagIsOne(ini, kLayout, "UseNavBtns", o.UseNavBtns);
    o.UseTables = FlagIsOne(ini, kTables, "UseTables", o.UseTables);
    o.UseFrames = FlagNotZero(ini, kLayout, "UseFrames", o.UseFrames);
    return o;
}

void HtmlOptions::save(IniFile &ini) const
{
    ini.writeInteger(kLinking, "OriginalLinkOpt", OriginalLinkOpt);
    WriteFlag(ini, kLinking, "LinkOriginal", LinkOriginal);
    ini.writeInteger(kLinking, "ThumbLinkOpt", ThumbLinkOpt);

    ini.writeInteger(kLayout, "WindowOpt", WindowOpt);
    ini.writeString(kLayout, "LinkBorderSize", LinkBorderSize);
    WriteFlag(ini, kLayout, "LinkBorder", LinkBorder);
    WriteFlag(ini, kLayout, "LinkStats", LinkStats);

    ini.writeInteger(kColors, "PageBkgd", PageBkgd);
    ini.writeInteger(kColors, "Text", Text);
    ini.writeInteger(kColors, "BannerText", BannerText);

    ini.writeString(kLayout, "BannerString", BannerString);
    ini.writeInteger(kLayout, "BannerHeadSize", BannerHeadSize);

    ini.writeString(kTables, "Columns", Columns);
    ini.writeString(kTables, "BorderSize", BorderSize);
    ini.writeString(kTables, "TableWidth", TableWidth);
    ini.writeString(kTables, "CellPad", CellPad);
    ini.writeString(kTables, "CellSpace", CellSpace);
    ini.writeString(kTables, "TableAlignment", TableAlignment);
    ini.writeInteger(kColors, "TableBkgd", TableBkgd);
    WriteFlag(ini, kTables, "UseBkgdColor", UseBkgdColor);
    ini.writeString(kTables, "TableCaption", TableCaption);
    WriteFlag(ini, kTables, "IncludeCaption", IncludeCaption);
    ini.writeString(kTables, "CaptionAlign", CaptionAlign);
    ini.writeString(kTables, "CellHAlign", CellHAlign);
    ini.writeString(kTables, "CellVAlign", CellVAlign);
    ini.writeInteger(kColors, "CellBkgd", CellBkgd);
    WriteFlag(ini, kTables, "UseCellColor", UseCellColor);

    ini.writeString(kLayout, "ThmPerPage", ThmPerPage);
    WriteFlag(ini, kLayout, "MultiPg", MultiPg);
    ini.writeInteger(kLayout, "NavBtns", NavBtns >= 0 && NavBtns <= 2 ? NavBtns : 2);
    WriteFlag(ini, kLayout, "UseNavBtns", UseNavBtns);
    WriteFlag(ini, kTables, "UseTables", UseTables);
    WriteFlag(ini, kLayout, "UseFrames", UseFrames);
    WriteFlag(ini, kLayout, "TileBkgd", TileBkgd);
    WriteFlag(ini, kLayout, "SampleText", SampleText);
}

} // namespace pixmaro
