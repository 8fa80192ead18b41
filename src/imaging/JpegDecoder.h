// JPEG decoding with libjpeg into the working raster, from memory or streamed from a file, whole
// or only the rows a resize reads.
#pragma once

#include "imaging/JpegBlocks.h"
#include "imaging/WorkingBitmap.h"

#include <QString>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace pixmaro {

/// The most scans a progressive JPEG may have; more is treated as a broken or hostile file.
constexpr int kMaxJpegScans = 100;

/// The largest JPEG file Pixmaro opens (it streams the file, but scans all of it).
constexpr std::int64_t kMaxJpegFileSize = std::int64_t(2) << 30;

/// Chooses, once a picture's size is known, which of its rows to keep: the rows (ascending,
/// distinct, each below the height), or std::nullopt for every row.
using RowChooser = std::function<std::optional<std::vector<int>>(int width, int height)>;

/// One JPEG being decoded: open it (which reads its header and so its size), then decode it once.
/// The settings are always those of a full-scale decode: accurate integer DCT, fancy upsampling,
/// block smoothing, 24-bit colour. A grey JPEG goes through libjpeg's one-pass colour quantiser
/// (236 levels, Floyd-Steinberg dithering) and is stored as grey. CMYK and YCCK files are converted
/// to RGB (Adobe files store their ink values inverted). Corrupt data that libjpeg can decode past
/// gives the picture it decodes; a fatal error, a picture beyond the size limit or more than
/// kMaxJpegScans scans is a failure.
class JpegReader {
public:
    JpegReader();
    ~JpegReader();
    JpegReader(const JpegReader &) = delete;
    JpegReader &operator=(const JpegReader &) = delete;

    /// Reads the header of a JPEG held in memory; `data` must stay valid until decode() returns.
    /// False when it is not a JPEG of a size Pixmaro takes.
    bool openMemory(const std::uint8_t *data, std::size_t size);
    /// Opens the file at `path` and reads its header; the file is read piece by piece, never
    /// whole. Only a regular file is opened (a FIFO or a device is refused without blocking).
    /// False when it cannot be read, is larger than kMaxJpegFileSize, or its header is not that
    /// of a JPEG of a size Pixmaro takes.
    bool openFile(const QString &path);
    /// Makes the decode stop with a failure soon after `cancel` (which may be null) is set.
    void setCancel(const std::atomic<bool> *cancel);
    /// Calls `tick` about every 50 ms while the picture is decoded, from inside the decode (so it
    /// may let a window's events through); a cancel flag it sets is seen right after.
    void setTick(std::function<void()> tick);

    int width() const;
    int height() const;
    /// Whether the picture comes in several scans (a progressive file): libjpeg then holds all of
    /// its coefficients while it decodes.
    bool multiScan() const;

    /// Decodes the picture into `out`. With `rows`, `out` holds only those rows (ascending,
    /// distinct, below the height): the rows in between are skipped without being decoded where
    /// libjpeg can skip them (colour pictures) and each kept row is exactly the row a full decode
    /// gives; the rest of the file is still read through, so a file fails exactly when its full
    /// decode fails. Returns false on failure, leaving `out` empty.
    bool decode(WorkingBitmap &out, const std::vector<int> *rows = nullptr);

    /// Decodes row by row instead, for a caller that needs each row once (an encoder fed as the
    /// picture is decoded, so the whole raster is never held): startRows(), then readRow() for
    /// each row top to bottom into `bgr` (width × 3 bytes, blue-green-red), then finishRows(),
    /// which reads the rest of the file as decode() does. Each returns false on failure, after
    /// which the reader is done.
    bool startRows();
    bool readRow(std::uint8_t *bgr);
    bool finishRows();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

/// Decodes a JPEG held in memory at full scale into `out` (see JpegReader). Returns false on
/// failure, leaving `out` empty.
bool DecodeJpeg(const std::uint8_t *data, std::size_t size, WorkingBitmap &out);

/// Decodes the JPEG file at `path` into `out`, streaming it (see JpegReader): with `rows`, only the
/// rows it chooses for the picture's size are kept. Returns false on failure or when `cancel`
/// (which may be null) is set meanwhile, leaving `out` empty. An exception thrown by `rows` passes
/// to the caller.
bool DecodeJpegFile(const QString &path, WorkingBitmap &out, const RowChooser &rows = {},
    const std::atomic<bool> *cancel = nullptr);

/// An 8-bit picture: one colour-map index per pixel, rows top to bottom.
struct QuantizedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indexes;
    std::vector<std::array<std::uint8_t, 3>> colors; // red, green, blue
};

/// Decodes a colour JPEG through libjpeg's colour quantiser: `colors` colours at most, two-pass
/// (a palette chosen from the whole picture) with Floyd-Steinberg dithering, accurate integer DCT,
/// fancy upsampling and block smoothing. Returns false on any library error, setting `errorCode`
/// to libjpeg's message code.
bool DecodeJpegQuantized(
    const std::uint8_t *data, std::size_t size, int colors, QuantizedImage &out, int *errorCode);
/// As above, from JPEG data in blocks that are freed as soon as libjpeg has read them: the
/// compressed picture never sits whole beside the quantiser's own copy. `data` is empty after.
bool DecodeJpegQuantized(JpegBlocks &&data, int colors, QuantizedImage &out, int *errorCode);

} // namespace pixmaro
