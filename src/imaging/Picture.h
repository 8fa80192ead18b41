// A loaded picture of one of the supported kinds, and the decode into the working raster.
#pragma once

#include "base/MappedFile.h"
#include "imaging/JpegDecoder.h"
#include "imaging/WorkingBitmap.h"
#include "imaging/metafile/Metafile.h"

#include <QImage>
#include <QString>

#include <atomic>
#include <vector>

namespace pixmaro {

/// One loaded image: a JPEG, bitmap, GIF (its first frame) or icon held as a 24-bit raster, or a
/// metafile held as its records. One object serves a whole run: each load replaces its content and
/// reuses its memory.
class Picture {
public:
    enum class Kind { None, Jpeg, Bitmap, Gif, Wmf, Emf, Icon };

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::None; }
    int width() const;
    int height() const;
    /// GIFs and metafiles are drawn over white: what they leave undrawn is white.
    bool drawsOnWhite() const
    {
        return m_kind == Kind::Gif || m_kind == Kind::Wmf || m_kind == Kind::Emf;
    }

    /// Draws the picture stretched into (0, 0)-(W, H) of `target`, which is at least that large:
    /// rasters by nearest neighbour (target pixel x takes source column
    /// floor((2x + 1) × width ÷ 2W), the source pixel under the target pixel's centre; rows alike),
    /// metafiles played at that size. Returns false when a metafile's playback stopped early: the
    /// cancel flag given to LoadPicture was set, or, drawn far larger than its nominal size, it ran
    /// past its work budget. The picture is then partly drawn and the caller discards it.
    bool drawStretched(WorkingBitmap &target, int W, int H) const;

    /// The raster of a raster kind (empty for metafiles).
    const WorkingBitmap &pixels() const { return m_pixels; }
    const metafile::Metafile &metafile() const { return m_metafile; }

    /// Empties the picture (keeping its memory for the next load).
    void reset();

private:
    friend bool LoadPicture(const QString &path, Picture &picture, const std::atomic<bool> *cancel,
        const RowChooser &rows);
    // Metafiles are played from the file's bytes; rasters are decoded at load.
    bool drawsFromFile() const { return m_kind == Kind::Wmf || m_kind == Kind::Emf; }
    friend void MoveToBitmap(WorkingBitmap &target, Picture &source);

    Kind m_kind = Kind::None;
    WorkingBitmap m_pixels;
    mutable std::vector<int> m_columns; // the stretch's source columns, kept for the next file
    metafile::Metafile m_metafile;
    MappedFile m_file; // the source file, kept mapped while a metafile plays from it
    const std::atomic<bool> *m_cancel = nullptr;
};

/// Loads the picture at `path`, choosing the decoder by its extension (jpg, jpeg, bmp, gif, wmf,
/// emf, ico; letter case ignored). Only a regular file (after following links) is read: a FIFO,
/// a device or a folder fails at once, without blocking. Returns false and leaves `picture` empty
/// when the file cannot be read, has another extension, does not hold a valid picture of that
/// kind, needs more work than a picture may (a metafile's playback budget), or when `cancel`
/// (which may be null) is set while it loads. The picture keeps `cancel` for its playback.
/// A JPEG is streamed from the file and, with `rows`, keeps only the rows `rows` chooses for its
/// size (its raster then holds just those; see WorkingBitmap); other kinds hold every row.
bool LoadPicture(const QString &path, Picture &picture, const std::atomic<bool> *cancel = nullptr,
    const RowChooser &rows = {});

/// Makes `target` a raster of exactly the source's size holding the source drawn 1:1: on white for
/// a GIF or metafile, with no fill otherwise (the raster starts black).
void DecodeToBitmap(WorkingBitmap &target, const Picture &source);
void DecodeToBitmap(WorkingBitmap &target, const WorkingBitmap &source);
/// As DecodeToBitmap, but a raster picture hands its pixels to `target` instead of copying them:
/// the picture is empty afterwards and keeps the target's former memory for its next load.
void MoveToBitmap(WorkingBitmap &target, Picture &source);

/// Draws `source` stretched over (0, 0)-(W, H) of `target`, which is at least that large, by
/// nearest neighbour: target pixel x takes source column floor((2x + 1) × width ÷ 2W), rows alike.
/// `columns` is working memory, kept by the caller so a run of draws allocates once.
void StretchRaster(
    const WorkingBitmap &source, WorkingBitmap &target, int W, int H, std::vector<int> &columns);
/// As above, with working memory of its own.
inline void StretchRaster(const WorkingBitmap &source, WorkingBitmap &target, int W, int H)
{
    std::vector<int> columns;
    StretchRaster(source, target, W, H, columns);
}

/// A QImage that paints straight into `raster`'s memory (24-bit, blue-green-red).
QImage ImageOver(WorkingBitmap &raster);

} // namespace pixmaro
