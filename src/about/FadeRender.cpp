// What the cross-fade control shows before a pass: its two pictures and colours rendered into the
// display and target rasters at the control's size.
#include "about/FadeRender.h"

#include "imaging/Picture.h"

#include <QPainter>

namespace pixmaro {

namespace {

// The picture scaled over the whole raster: metafiles on a fill (they leave parts undrawn), icons
// through DrawIconOnColor, no picture at all as a plain fill.
void DrawScaled(const FadePicture &picture, FadeColor color, WorkingBitmap &raster)
{
    if (picture.isEmpty() || picture.isMetafile())
        FillWithColor(raster, color);
    if (picture.isIcon())
        DrawIconOnColor(picture, raster, color, raster.width(), raster.height());
    else
        picture.drawStretched(raster, raster.width(), raster.height());
}

// The picture at its own size in the top-left corner, on a fill when it has transparent or
// undrawn parts.
void DrawOneToOne(const FadePicture &picture, FadeColor color, WorkingBitmap &raster)
{
    if (picture.isEmpty() || picture.isMetafile() || picture.isIcon())
        FillWithColor(raster, color);
    picture.drawOneToOne(raster);
}

} // namespace

void FillWithColor(WorkingBitmap &raster, FadeColor color)
{
    raster.fill(std::uint8_t(color & 0xFF), std::uint8_t((color >> 8) & 0xFF),
        std::uint8_t((color >> 16) & 0xFF));
}

void DrawIconOnColor(const FadePicture &icon, WorkingBitmap &buffer, FadeColor color, int W, int H)
{
    if (icon.isEmpty())
        return;
    WorkingBitmap backed;
    backed.resizeToOverwrite(icon.width(), icon.height());
    FillWithColor(backed, color);
    icon.drawOneToOne(backed);
    StretchRaster(backed, buffer, std::min(W, buffer.width()), std::min(H, buffer.height()));
}

QSize RenderFadeBuffers(
    const FadeScene &scene, QSize control, WorkingBitmap &display, WorkingBitmap &target)
{
    const FadePicture &from = scene.picFrom;
    const FadePicture &to = scene.picTo;
    QSize size = control;
    if (!scene.stretchToFit) {
        if (!from.isEmpty())
            size = QSize(from.width(), from.height());
        else if (!to.isEmpty())
            size = QSize(to.width(), to.height());
    }
    size = size.expandedTo(QSize(0, 0));
    display.resize(size.width(), size.height());
    target.resize(size.width(), size.height());

    if (scene.stretchToFit) {
        DrawScaled(from, scene.colorFrom, display);
        DrawScaled(to, scene.colorTo, target);
    } else if (from.isEmpty()) {
        FillWithColor(display, scene.colorFrom);
        DrawOneToOne(to, scene.colorTo, target);
    } else {
        DrawOneToOne(from, scene.colorFrom, display);
        DrawScaled(to, scene.colorTo, target);
    }
    return size;
}

} // namespace pixmaro
