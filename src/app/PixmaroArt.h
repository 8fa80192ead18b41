// Pixmaro's own pictures, drawn rather than stored: the splash picture, the banner and the icon.
#pragma once

#include <QPixmap>

namespace pixmaro {

/// The splash picture: 256 by 128 pixels.
QPixmap SplashPicture();
/// The banner above the wizard pages, `width` by `height` pixels.
QPixmap BannerPicture(int width, int height);
/// The program icon at `side` pixels square: three stacked photo frames.
QPixmap IconPicture(int side);

} // namespace pixmaro
