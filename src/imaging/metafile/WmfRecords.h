// The records of Windows metafiles (WMF) that the player draws, and their playback.
#pragma once

#include "base/ByteReader.h"

#include <cstddef>
#include <cstdint>

namespace pixmaro::metafile {

class Player;

/// WMF record functions (the META_ values).
enum WmfRecord : std::uint16_t {
    MetaEof = 0x0000,
    MetaSaveDc = 0x001E,
    MetaCreatePalette = 0x00F7,
    MetaSetBkMode = 0x0102,
    MetaSetMapMode = 0x0103,
    MetaSetPolyFillMode = 0x0106,
    MetaRestoreDc = 0x0127,
    MetaSelectObject = 0x012D,
    MetaSetTextAlign = 0x012E,
    MetaDibCreatePatternBrush = 0x0142,
    MetaDeleteObject = 0x01F0,
    MetaCreatePatternBrush = 0x01F9,
    MetaSetBkColor = 0x0201,
    MetaSetTextColor = 0x0209,
    MetaSetWindowOrg = 0x020B,
    MetaSetWindowExt = 0x020C,
    MetaSetViewportOrg = 0x020D,
    MetaSetViewportExt = 0x020E,
    MetaLineTo = 0x0213,
    MetaMoveTo = 0x0214,
    MetaCreatePenIndirect = 0x02FA,
    MetaCreateFontIndirect = 0x02FB,
    MetaCreateBrushIndirect = 0x02FC,
    MetaPolygon = 0x0324,
    MetaPolyline = 0x0325,
    MetaEllipse = 0x0418,
    MetaRectangle = 0x041B,
    MetaSetPixel = 0x041F,
    MetaTextOut = 0x0521,
    MetaPolyPolygon = 0x0538,
    MetaRoundRect = 0x061C,
    MetaCreateRegion = 0x06FF,
    MetaDibBitBlt = 0x0940,
    MetaExtTextOut = 0x0A32,
    MetaDibStretchBlt = 0x0B41,
    MetaStretchDib = 0x0F43,
};

/// The key that starts a placeable WMF's 22-byte header.
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;

/// Plays the records of a Windows metafile from `recordsAt` (after its header) until the end
/// record, a malformed record, or the player's budget or cancel flag stops it. The records that
/// set the map mode and viewport are ignored: the player's own map the picture onto its target.
void PlayWmf(Player &player, const ByteReader &file, std::size_t recordsAt);

} // namespace pixmaro::metafile
