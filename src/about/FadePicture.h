// A picture held by the cross-fade control: a raster, an icon with its transparency, or a metafile.
#pragma once

#include "imaging/WorkingBitmap.h"

#include <QImage>
#include <QString>

#include <memory>

namespace pixmaro {

class Picture;

/// One picture of any kind the cross-fade control shows. Copies are cheap and share the immutable
/// pixels or records, so a copy may be read by a pass's worker thread while the control's own
/// picture is replaced on the user-interface thread.
class FadePicture {
public:
    enum class Kind { None, Raster, Icon, Metafile };

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::None; }
    bool isIcon() const { return m_kind == Kind::Icon; }
    bool isMetafile() const { return m_kind == Kind::Metafile; }
    int width() const;
    int height() const;

    /// Empties the picture.
    void clear();
    /// Becomes an opaque raster holding `image` (any alpha is ignored); empty for a null image or
    /// one beyond the size limit.
    void setRaster(const QImage &image);
    /// Becomes an icon holding `image` with its transparency; empty for a null image or one beyond
    /// the size limit.
    void setIcon(const QImage &image);
    /// Loads the picture at `path` (JPEG, BMP, GIF, WMF, EMF or icon, by its extension; Qt resource
    /// paths work too). Returns false and leaves the picture empty when it cannot be read.
    bool load(const QString &path);

    /// Draws the picture stretched over (0, 0)-(W, H) of `target`, which is at least that large:
    /// rasters and icons by nearest neighbour (icons over whatever `target` holds), metafiles
    /// played at that size.
    void drawStretched(WorkingBitmap &target, int W, int H) const;
    /// Draws the picture one to one at the top-left corner of `target`.
    void drawOneToOne(WorkingBitmap &target) const { drawStretched(target, width(), height()); }

    /// Whether two pictures hold the same content (the same shared data).
    friend bool operator==(const FadePicture &a, const FadePicture &b)
    {
        return a.m_kind == b.m_kind && a.m_raster == b.m_raster && a.m_metafile == b.m_metafile
            && a.m_icon == b.m_icon;
    }

private:
    Kind m_kind = Kind::None;
    std::shared_ptr<const WorkingBitmap> m_raster; // Raster
    QImage m_icon; // Icon, premultiplied ARGB
    std::shared_ptr<const Picture> m_metafile; // Metafile
};

} // namespace pixmaro
