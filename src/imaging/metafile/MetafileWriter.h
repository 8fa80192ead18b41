// Recording a raster as a metafile: an enhanced metafile, or a placeable Windows metafile.
#pragma once

#include "imaging/WorkingBitmap.h"

#include <QByteArray>

namespace pixmaro::metafile {

/// The reference device recordings are made against: a 96 DPI screen of 960 × 960 pixels and
/// 254 × 254 millimetres.
constexpr int kDevicePixels = 960;
constexpr int kDeviceMillimetres = 254;

/// The recording frame of a `pixels`-wide picture, in hundredths of a millimetre.
int FrameHundredthsMm(int pixels);

/// An enhanced metafile: the header (bounds, frame, reference device, the description
/// "Quorvant 2000" as application name with an empty picture name), one bitmap record that draws
/// the 24-bit raster 1:1 at (0, 0), and the end record.
QByteArray RecordEmf(const WorkingBitmap &raster);

/// A Windows metafile with the 22-byte placeable header (key, bounding box at 96 units per inch,
/// checksum), whose records set the window to the raster's size and draw it 1:1.
QByteArray RecordWmf(const WorkingBitmap &raster);

} // namespace pixmaro::metafile
