// JPEG decoding with libjpeg into the working raster, from memory or streamed from a file, whole
// or only the rows a resize reads.
#include "imaging/JpegDecoder.h"

#include "base/Cancel.h"
#include "imaging/GreyDither.h"
#include "imaging/JpegErrors.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <jerror.h>
#include <jpeglib.h>

namespace pixmaro {

namespace {

// Bytes read from a file at a time. libjpeg's fast Huffman decoder runs only while a few KiB are
// buffered, so a larger piece leaves less of each file to the slow one.
constexpr std::size_t kFileChunk = 256 * 1024;

// A libjpeg data source reading a file piece by piece.
struct FileSource {
    jpeg_source_mgr manager; // first: libjpeg sees a pointer to it
    QFile *file = nullptr;
    std::unique_ptr<JOCTET[]> buffer;
    bool atStart = true;
};

void InitSource(j_decompress_ptr)
{
}

boolean FillFromFile(j_decompress_ptr info)
{
    auto *source = reinterpret_cast<FileSource *>(info->src);
    const qint64 got
        = source->file->read(reinterpret_cast<char *>(source->buffer.get()), kFileChunk);
    if (got < 0)
        ERREXIT(info, JERR_FILE_READ);
    if (got == 0) {
        if (source->atStart)
            ERREXIT(info, JERR_INPUT_EMPTY);
        // A truncated file ends as if its end-of-image marker followed, as libjpeg's own
        // sources do: the rows not in the file come out grey.
        WARNMS(info, JWRN_JPEG_EOF);
        source->buffer[0] = JOCTET(0xFF);
        source->buffer[1] = JOCTET(JPEG_EOI);
        source->manager.next_input_byte = source->buffer.get();
        source->manager.bytes_in_buffer = 2;
        return TRUE;
    }
    source->atStart = false;
    source->manager.next_input_byte = source->buffer.get();
    source->manager.bytes_in_buffer = std::size_t(got);
    return TRUE;
}

// Skips `count` bytes of either source, refilling it as often as needed; at the end of the data
// the source supplies an end-of-image marker.
void SkipBytes(j_decompress_ptr info, long count)
{
    jpeg_source_mgr *source = info->src;
    if (count <= 0)
        return;
    while (count > long(source->bytes_in_buffer)) {
        count -= long(source->bytes_in_buffer);
        source->fill_input_buffer(info);
    }
    source->next_input_byte += count;
    source->bytes_in_buffer -= std::size_t(count);
}

void TermSource(j_decompress_ptr)
{
}

// A data source with nothing read yet that gets its bytes from `fill`.
void SetUpSource(jpeg_source_mgr &manager, boolean (*fill)(j_decompress_ptr))
{
    manager.init_source = InitSource;
    manager.fill_input_buffer = fill;
    manager.skip_input_data = SkipBytes;
    manager.resync_to_restart = jpeg_resync_to_restart;
    manager.term_source = TermSource;
    manager.next_input_byte = nullptr;
    manager.bytes_in_buffer = 0;
}

// The progress monitor: the decode's budget of scans, its cancel flag and its tick.
struct Progress {
    jpeg_progress_mgr manager; // first: libjpeg sees a pointer to it
    const std::atomic<bool> *cancel = nullptr;
    std::function<void()> tick;
    std::chrono::steady_clock::time_point tickAt;
};

constexpr auto kTickInterval = std::chrono::milliseconds(50);

void StopAfterTooManyScans(j_common_ptr common)
{
    auto *info = reinterpret_cast<j_decompress_ptr>(common);
    auto *progress = reinterpret_cast<Progress *>(info->progress);
    if (progress->tick) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= progress->tickAt) {
            progress->tick();
            progress->tickAt = std::chrono::steady_clock::now() + kTickInterval;
        }
    }
    if (info->input_scan_number > kMaxJpegScans || Cancelled(progress->cancel)) {
        common->err->msg_code = JERR_NOT_COMPILED; // any code: the decode ends here
        common->err->error_exit(common);
    }
}

// One pixel of a four-channel JPEG to red, green and blue. Adobe files store the inks inverted
// (0 is full ink); others store them plainly.
inline void CmykToBgr(const JSAMPLE *in, std::uint8_t *out, bool inverted)
{
    unsigned c = in[0], m = in[1], y = in[2], k = in[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    out[0] = std::uint8_t((y * k + 127) / 255);
    out[1] = std::uint8_t((m * k + 127) / 255);
    out[2] = std::uint8_t((c * k + 127) / 255);
}

// The number of grey levels a grey picture is reduced to.
constexpr int kGreyLevels = 236;

// Converts a row read into the spare row (and already dithered, when grey) to blue-green-red.
void ConvertRow(const jpeg_decompress_struct &info, const JSAMPLE *in, std::uint8_t *out)
{
    const int width = int(info.output_width);
    if (info.out_color_space == JCS_CMYK) {
        for (int x = 0; x < width; ++x)
            CmykToBgr(in + 4 * x, out + 3 * x, info.saw_Adobe_marker);
    } else {
        for (int x = 0; x < width; ++x) {
            out[3 * x] = in[x];
            out[3 * x + 1] = in[x];
            out[3 * x + 2] = in[x];
        }
    }
}

// Reads the next row into the spare row; a grey row is dithered, as every grey row must be in
// turn, whether it is kept or not.
void ReadSpare(jpeg_decompress_struct &info, JSAMPARRAY spare, std::optional<GreyDither> &grey)
{
    jpeg_read_scanlines(&info, spare, 1);
    if (info.out_color_space == JCS_GRAYSCALE) {
        if (!grey)
            grey.emplace(int(info.output_width), kGreyLevels);
        grey->apply(spare[0]);
    }
}

// Whether libjpeg's jpeg_skip_scanlines leaves the rows after a skip exactly as a full decode
// gives them. It does with no upsampling and with the fancy upsamplers of the common samplings
// (checked on every row for 4:4:4, 4:2:2, 4:4:0 and 4:2:0); it does not with the plain 2 x 2
// upsampler that libjpeg takes for a 4:2:0 component at most 2 samples wide (a picture at most 4
// pixels wide), and other samplings are not relied on. Those pictures are read row by row.
bool SkipIsExact(const jpeg_decompress_struct &info)
{
    if (info.out_color_space == JCS_GRAYSCALE) // the dithering carries its error from row to row
        return false;
    for (int i = 0; i < info.num_components; ++i) {
        const jpeg_component_info &c = info.comp_info[i];
        const int h = info.max_h_samp_factor / c.h_samp_factor;
        const int v = info.max_v_samp_factor / c.v_samp_factor;
        const bool even = info.max_h_samp_factor % c.h_samp_factor == 0
            && info.max_v_samp_factor % c.v_samp_factor == 0;
        if (!even || h > 2 || v > 2)
            return false;
        if (h == 2 && v == 2 && c.downsampled_width <= 2)
            return false;
    }
    return true;
}

} // namespace

struct JpegReader::State {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    Progress progress;
    FileSource source;
    QFile file;
    bool created = false;
    bool opened = false; // the header is read and nothing decoded yet
    bool headerRead = false;
    bool inRows = false; // between startRows() and finishRows()
    JSAMPARRAY spare = nullptr; // a row for startRows() .. finishRows()
    std::optional<GreyDither> grey; // the dithering of a grey picture's rows
};

JpegReader::JpegReader()
    : m_state(std::make_unique<State>())
{
}

JpegReader::~JpegReader()
{
    if (m_state->created)
        jpeg_destroy_decompress(&m_state->info);
}

int JpegReader::width() const
{
    return m_state->headerRead ? int(m_state->info.image_width) : 0;
}

int JpegReader::height() const
{
    return m_state->headerRead ? int(m_state->info.image_height) : 0;
}

bool JpegReader::multiScan() const
{
    return m_state->headerRead && jpeg_has_multiple_scans(&m_state->info);
}

namespace {

// The decompressor's settings for a full-scale 24-bit decode.
void ChooseOutput(jpeg_decompress_struct &info, Progress &progress)
{
    info.scale_num = 1;
    info.scale_denom = 1;
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.do_block_smoothing = TRUE;
    const bool fourChannels
        = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    if (info.num_components == 1) {
        info.out_color_space = JCS_GRAYSCALE; // dithered to kGreyLevels as each row is read
    } else if (fourChannels) {
        info.out_color_space = JCS_CMYK;
    } else {
        info.out_color_space = JCS_EXT_BGR;
    }
    progress.manager.progress_monitor = StopAfterTooManyScans;
    info.progress = &progress.manager;
}

// Reads the header with the source already set up; false when it is no JPEG Pixmaro takes.
// The libjpeg objects live in the caller's State: only this frame holds the jump target.
bool ReadHeader(jpeg_decompress_struct &info, JpegErrorManager &errors, Progress &progress)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_read_header(&info, TRUE);
    if (!SizeAllowed(info.image_width, info.image_height) || info.image_width == 0
        || info.image_height == 0)
        return false;
    ChooseOutput(info, progress);
    return true;
}

} // namespace

bool JpegReader::openMemory(const std::uint8_t *data, std::size_t size)
{
    State &s = *m_state;
    if (s.created || size == 0)
        return false;
    s.info.err = InstallJpegErrorManager(s.errors);
    jpeg_create_decompress(&s.info);
    s.created = true;
    jpeg_mem_src(&s.info, data, static_cast<unsigned long>(size));
    s.opened = s.headerRead = ReadHeader(s.info, s.errors, s.progress);
    return s.opened;
}

bool JpegReader::openFile(const QString &path)
{
    State &s = *m_state;
    // A pipe or a device named like a picture is never opened: opening it could wait for ever.
    if (s.created || !QFileInfo(path).isFile())
        return false;
    s.file.setFileName(path);
    if (!s.file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)
        || s.file.size() > kMaxJpegFileSize)
        return false;
    s.info.err = InstallJpegErrorManager(s.errors);
    jpeg_create_decompress(&s.info);
    s.created = true;
    s.source.file = &s.file;
    s.source.buffer.reset(new JOCTET[kFileChunk]);
    SetUpSource(s.source.manager, FillFromFile);
    s.info.src = &s.source.manager;
    s.opened = s.headerRead = ReadHeader(s.info, s.errors, s.progress);
    return s.opened;
}

namespace {

// Decodes the opened picture into `out`: every row, or only `rows`. The libjpeg objects live in
// the caller's State: only this frame holds the jump target.
bool DecodeRows(jpeg_decompress_struct &info, JpegErrorManager &errors, WorkingBitmap &out,
    const std::vector<int> *rows, std::optional<GreyDither> &grey)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_start_decompress(&info);
    const int height = int(info.output_height);
    if (rows)
        ResizeRowsOrJump(out, int(info.output_width), height, *rows, info);
    else
        ResizeOrJump(out, int(info.output_width), height, info);

    const bool direct = info.out_color_space == JCS_EXT_BGR;
    const bool canSkip = SkipIsExact(info);
    JSAMPARRAY spare = info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
        info.output_width * JDIMENSION(info.output_components), 1);

    // Reads the next row into row y of `out`, converting it where libjpeg cannot.
    const auto readInto = [&](int y) {
        if (direct) {
            JSAMPROW row = out.row(y);
            jpeg_read_scanlines(&info, &row, 1);
        } else {
            ReadSpare(info, spare, grey);
            ConvertRow(info, spare[0], out.row(y));
        }
    };
    // Moves on to row y without keeping the rows before it.
    const auto advanceTo = [&](int y) {
        while (int(info.output_scanline) < y) {
            if (canSkip && jpeg_skip_scanlines(&info, JDIMENSION(y) - info.output_scanline) > 0)
                continue;
            ReadSpare(info, spare, grey);
        }
    };

    if (!rows) {
        while (int(info.output_scanline) < height)
            readInto(int(info.output_scanline));
    } else {
        for (const int y : *rows) {
            advanceTo(y);
            readInto(y);
        }
        // The rest is read through as well (its last row decoded), so that a file fails here
        // exactly when its full decode would.
        if (int(info.output_scanline) < height) {
            advanceTo(height - 1);
            ReadSpare(info, spare, grey);
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

namespace {

// The steps of a row-by-row decode. The libjpeg objects live in the caller's State: only these
// frames hold the jump target.
bool StartRows(jpeg_decompress_struct &info, JpegErrorManager &errors, JSAMPARRAY &spare)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_start_decompress(&info);
    spare = info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
        info.output_width * JDIMENSION(info.output_components), 1);
    return true;
}

bool ReadRow(jpeg_decompress_struct &info, JpegErrorManager &errors, JSAMPARRAY spare,
    std::optional<GreyDither> &grey, std::uint8_t *bgr)
{
    if (setjmp(errors.jump))
        return false;
    if (info.output_scanline >= info.output_height)
        return false;
    if (info.out_color_space == JCS_EXT_BGR) {
        jpeg_read_scanlines(&info, &bgr, 1);
    } else {
        ReadSpare(info, spare, grey);
        ConvertRow(info, spare[0], bgr);
    }
    return true;
}

bool FinishRows(jpeg_decompress_struct &info, JpegErrorManager &errors, JSAMPARRAY spare)
{
    if (setjmp(errors.jump))
        return false;
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, spare, 1);
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

void JpegReader::setCancel(const std::atomic<bool> *cancel)
{
    m_state->progress.cancel = cancel;
}

void JpegReader::setTick(std::function<void()> tick)
{
    m_state->progress.tick = std::move(tick);
    m_state->progress.tickAt = std::chrono::steady_clock::now() + kTickInterval;
}

bool JpegReader::startRows()
{
    State &s = *m_state;
    const bool ok = s.opened && StartRows(s.info, s.errors, s.spare);
    s.opened = false;
    s.inRows = ok;
    return ok;
}

bool JpegReader::readRow(std::uint8_t *bgr)
{
    State &s = *m_state;
    s.inRows = s.inRows && ReadRow(s.info, s.errors, s.spare, s.grey, bgr);
    return s.inRows;
}

bool JpegReader::finishRows()
{
    State &s = *m_state;
    const bool ok = s.inRows && FinishRows(s.info, s.errors, s.spare);
    s.inRows = false;
    return ok;
}

bool JpegReader::decode(WorkingBitmap &out, const std::vector<int> *rows)
{
    State &s = *m_state;
    const bool ok = s.opened && DecodeRows(s.info, s.errors, out, rows, s.grey);
    s.opened = false; // one decode per open
    if (!ok)
        out.resize(0, 0);
    return ok;
}

bool DecodeJpeg(const std::uint8_t *data, std::size_t size, WorkingBitmap &out)
{
    JpegReader reader;
    if (!reader.openMemory(data, size)) {
        out.resize(0, 0);
        return false;
    }
    return reader.decode(out);
}

bool DecodeJpegFile(const QString &path, WorkingBitmap &out, const RowChooser &rows,
    const std::atomic<bool> *cancel)
{
    JpegReader reader;
    reader.setCancel(cancel);
    if (!reader.openFile(path)) {
        out.resize(0, 0);
        return false;
    }
    std::optional<std::vector<int>> chosen;
    if (rows)
        chosen = rows(reader.width(), reader.height());
    return reader.decode(out, chosen ? &*chosen : nullptr);
}

namespace {

// A libjpeg data source over JpegBlocks that frees each block once it has been read.
struct BlockSource {
    jpeg_source_mgr manager; // first: libjpeg sees a pointer to it
    JpegBlocks *data;
    std::size_t next = 0; // the block to give next
    JOCTET endOfImage[2] = { 0xFF, JPEG_EOI };
};

boolean NextBlock(j_decompress_ptr info)
{
    auto *source = reinterpret_cast<BlockSource *>(info->src);
    JpegBlocks &data = *source->data;
    if (source->next > 0)
        data.blocks[source->next - 1].reset(); // read: its memory goes
    const std::size_t start = source->next * JpegBlocks::kBlockSize;
    if (source->next >= data.blocks.size() || start >= data.size) {
        // The end of the data: an end-of-image marker, as libjpeg's own sources give.
        WARNMS(info, JWRN_JPEG_EOF);
        source->manager.next_input_byte = source->endOfImage;
        source->manager.bytes_in_buffer = 2;
        return TRUE;
    }
    source->manager.next_input_byte = data.blocks[source->next].get();
    source->manager.bytes_in_buffer = std::min(JpegBlocks::kBlockSize, data.size - start);
    ++source->next;
    return TRUE;
}

struct QuantizeState {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
};

// The libjpeg objects live in the caller's QuantizeState, the data source set up by the caller:
// only this frame holds the jump target.
bool Quantize(QuantizeState &s, int colors, QuantizedImage &out)
{
    jpeg_decompress_struct &info = s.info;
    if (setjmp(s.errors.jump))
        return false;
    jpeg_read_header(&info, TRUE);
    if (!SizeAllowed(info.image_width, info.image_height)) {
        info.err->msg_code = JERR_IMAGE_TOO_BIG;
        info.err->error_exit(reinterpret_cast<j_common_ptr>(&info));
    }
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.do_block_smoothing = TRUE;
    info.out_color_space = JCS_RGB;
    info.quantize_colors = TRUE;
    info.desired_number_of_colors = colors;
    info.two_pass_quantize = TRUE;
    info.dither_mode = JDITHER_FS;
    // The first pass, which chooses the palette, runs here.
    jpeg_start_decompress(&info);

    out.width = int(info.output_width);
    out.height = int(info.output_height);
    ResizeOrJump(out.indexes, std::size_t(out.width) * std::size_t(out.height), info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row
            = out.indexes.data() + std::size_t(info.output_scanline) * std::size_t(out.width);
        jpeg_read_scanlines(&info, &row, 1);
    }
    // The colour map is complete once the output pass is done.
    out.colors.resize(std::size_t(info.actual_number_of_colors));
    for (int i = 0; i < info.actual_number_of_colors; ++i) {
        for (int c = 0; c < 3; ++c)
            out.colors[std::size_t(i)][std::size_t(c)] = info.colormap[c][i];
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

bool DecodeJpegQuantized(
    const std::uint8_t *data, std::size_t size, int colors, QuantizedImage &out, int *errorCode)
{
    QuantizeState s;
    s.info.err = InstallJpegErrorManager(s.errors);
    jpeg_create_decompress(&s.info);
    jpeg_mem_src(&s.info, data, static_cast<unsigned long>(size));
    const bool ok = Quantize(s, colors, out);
    if (!ok && errorCode)
        *errorCode = s.errors.code;
    jpeg_destroy_decompress(&s.info);
    return ok;
}

bool DecodeJpegQuantized(JpegBlocks &&data, int colors, QuantizedImage &out, int *errorCode)
{
    QuantizeState s;
    BlockSource source;
    source.data = &data;
    SetUpSource(source.manager, NextBlock);
    s.info.err = InstallJpegErrorManager(s.errors);
    jpeg_create_decompress(&s.info);
    s.info.src = &source.manager;
    const bool ok = Quantize(s, colors, out);
    if (!ok && errorCode)
        *errorCode = s.errors.code;
    jpeg_destroy_decompress(&s.info);
    data.blocks.clear();
    data.size = 0;
    return ok;
}

} // namespace pixmaro
