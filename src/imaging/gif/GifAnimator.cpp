// Stepping through an animated GIF: one frame decoded and composed at a time, as it is shown.
#include "imaging/gif/GifAnimator.h"

#include "imaging/gif/GifDecoder.h"

#include <QPainter>

#include <cstring>

namespace pixmaro::gif {

namespace {

// Where the blocks of a GIF lie: found by walking the block structure, every length checked.
struct Layout {
    std::size_t headerEnd = 0;
    std::vector<std::pair<std::size_t, std::size_t>> images; // [begin of the blocks, image end)
    int loopCount = -1;
};

class Walker {
public:
    explicit Walker(const QByteArray &bytes)
        : m_data(reinterpret_cast<const std::uint8_t *>(bytes.constData()))
        , m_size(std::size_t(bytes.size()))
    {
    }
    bool has(std::size_t n) const { return m_size - m_at >= n; }
    std::uint8_t byte() { return m_data[m_at++]; }
    std::size_t at() const { return m_at; }
    const std::uint8_t *here() const { return m_data + m_at; }
    void skip(std::size_t n) { m_at += n; }
    // Skips data sub-blocks up to their terminator; false when the data ends first.
    bool subBlocks()
    {
        while (has(1)) {
            const std::size_t length = byte();
            if (length == 0)
                return true;
            if (!has(length))
                return false;
            skip(length);
        }
        return false;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// The layout of the GIF in `bytes`; no images when it is not a GIF. An image cut off by the end
// of the file is kept (the decoder paints what it has); anything after damage is ignored.
Layout Walk(const QByteArray &bytes)
{
    Layout layout;
    Walker in(bytes);
    if (!in.has(13) || std::memcmp(in.here(), "GIF8", 4) != 0)
        return layout;
    in.skip(10);
    const int flags = in.byte();
    in.skip(2);
    if (flags & 0x80) {
        const std::size_t table = std::size_t(3) * (std::size_t(2) << (flags & 7));
        if (!in.has(table))
            return layout;
        in.skip(table);
    }
    layout.headerEnd = in.at();
    std::size_t blocksBegin = in.at();
    while (in.has(1)) {
        const int introducer = in.byte();
        if (introducer == 0x21) {
            if (!in.has(1))
                break;
            const int label = in.byte();
            // An application extension: 11 bytes of name, then the loop sub-block 1, count.
            if (label == 0xFF && in.has(12) && in.here()[0] == 11
                && (std::memcmp(in.here() + 1, "NETSCAPE2.0", 11) == 0
                    || std::memcmp(in.here() + 1, "ANIMEXTS1.0", 11) == 0)) {
                const std::uint8_t *block = in.here() + 12;
                if (in.has(16) && block[0] >= 3 && block[1] == 1)
                    layout.loopCount = block[2] | (block[3] << 8);
            }
            if (!in.subBlocks())
                break;
            continue;
        }
        if (introducer != 0x2C)
            break; // the trailer, or damage
        if (!in.has(10))
            break;
        in.skip(8);
        const int imageFlags = in.byte();
        bool whole = true;
        if (imageFlags & 0x80) {
            const std::size_t table = std::size_t(3) * (std::size_t(2) << (imageFlags & 7));
            whole = in.has(table + 1);
            if (whole)
                in.skip(table);
        }
        if (whole) {
            in.skip(1); // LZW minimum code size
            whole = in.subBlocks();
        }
        layout.images.emplace_back(blocksBegin, whole ? in.at() : std::size_t(bytes.size()));
        if (!whole)
            break;
        blocksBegin = in.at();
    }
    return layout;
}

void Clear(QImage &screen, const QRect &area)
{
    QPainter painter(&screen);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(area, Qt::transparent);
}

} // namespace

int GifAnimator::LoopCount(const QByteArray &bytes)
{
    return Walk(bytes).loopCount;
}

bool GifAnimator::open(const QByteArray &bytes)
{
    clear();
    const Layout layout = Walk(bytes);
    if (layout.images.empty())
        return false;
    m_bytes = bytes;
    m_headerEnd = layout.headerEnd;
    m_frames.reserve(layout.images.size());
    for (const auto &[begin, end] : layout.images)
        m_frames.push_back({ begin, end });
    m_plays = layout.loopCount < 0 ? 1 : layout.loopCount == 0 ? 0 : layout.loopCount + 1;
    if (!compose(0)) {
        clear();
        return false;
    }
    return true;
}

void GifAnimator::clear()
{
    m_bytes.clear();
    m_headerEnd = 0;
    m_frames.clear();
    m_frames.shrink_to_fit();
    m_plays = 1;
    m_played = 0;
    m_current = -1;
    m_delayMs = 0;
    m_disposal = 0;
    m_area = QRect();
    m_screen = QImage();
    m_saved = QImage();
}

bool GifAnimator::advance()
{
    if (m_frames.size() < 2 || m_current < 0)
        return false;
    int next = m_current + 1;
    if (next == int(m_frames.size())) {
        if (m_plays != 0 && m_played + 1 >= m_plays)
            return false;
        ++m_played;
        next = 0;
    }
    // A frame that fails to decode is passed over; a file where none after the first decodes
    // stops rather than looping without end.
    for (int tries = 0; tries < int(m_frames.size()); ++tries) {
        if (compose(next))
            return true;
        next = (next + 1) % int(m_frames.size());
    }
    return false;
}

bool GifAnimator::compose(int index)
{
    const Span &span = m_frames[std::size_t(index)];
    // One frame as a file of its own: the header, the blocks before the image, the image.
    QByteArray single;
    single.reserve(qsizetype(m_headerEnd + (span.end - span.begin) + 1));
    single.append(m_bytes.constData(), qsizetype(m_headerEnd));
    single.append(m_bytes.constData() + span.begin, qsizetype(span.end - span.begin));
    single.append(char(0x3B));
    GifFile file;
    if (!DecodeGif(reinterpret_cast<const std::uint8_t *>(single.constData()),
            std::size_t(single.size()), file, true))
        return false;

    if (m_screen.isNull() || index == 0) {
        // Each play starts from a clear screen.
        m_screen = QImage(file.screenWidth, file.screenHeight, QImage::Format_ARGB32);
        m_screen.fill(Qt::transparent);
        m_saved = QImage();
    } else if (m_disposal == int(Disposal::RestoreBackground)) {
        Clear(m_screen, m_area);
    } else if (m_disposal == int(Disposal::RestorePrevious) && !m_saved.isNull()) {
        m_screen = m_saved;
    }
    const Frame &frame = file.frames.front();
    m_saved = frame.disposal == Disposal::RestorePrevious ? m_screen.copy() : QImage();

    const ColorTable &table = frame.colors(file.globalColors);
    for (int y = 0; y < frame.height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_screen.scanLine(frame.top + y));
        for (int x = 0; x < frame.width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(frame.width) + std::size_t(x);
            const int colour = frame.indexes[i];
            if (!frame.isPainted(x, y) || colour == frame.transparentIndex)
                continue;
            const Rgb c = ColorOf(table, colour);
            line[frame.left + x] = qRgb(c.red, c.green, c.blue);
        }
    }
    m_current = index;
    m_area = QRect(frame.left, frame.top, frame.width, frame.height);
    m_disposal = int(frame.disposal);
    m_delayMs = frame.delayCentiseconds <= 1 ? kShortDelayMs : frame.delayCentiseconds * 10;
    return true;
}

std::size_t GifAnimator::heldBytes() const
{
    return std::size_t(m_screen.sizeInBytes()) + std::size_t(m_saved.sizeInBytes())
        + m_frames.capacity() * sizeof(Span);
}

} // namespace pixmaro::gif
