// Stepping through an animated GIF: one frame decoded and composed at a time, as it is shown.
#pragma once

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <vector>

namespace pixmaro::gif {

/// Walks the frames of one GIF file. Only the file's bytes, an index of where each frame lies,
/// the composed screen and (for a frame that restores the previous screen) one saved screen are
/// held, so memory stays the same however many frames the file has. The timer that calls
/// advance() belongs to whoever shows the screen; the animator itself has no thread or timer.
class GifAnimator {
public:
    /// Frames shown for at most one centisecond (or zero) wait this long instead, as browsers do:
    /// such files were made for programs that could not go faster.
    static constexpr int kShortDelayMs = 100;

    /// Indexes the frames of the GIF held in `bytes` and composes the first one. Returns false,
    /// leaving the animator empty, when the file holds no frame that decodes.
    bool open(const QByteArray &bytes);
    /// Forgets the file and the composed screen.
    void clear();

    bool isEmpty() const { return m_screen.isNull(); }
    int frameCount() const { return int(m_frames.size()); }
    /// Whether the file has more than one frame to step through.
    bool isAnimated() const { return m_frames.size() > 1; }
    /// How many times the whole animation plays: 0 for ever (a loop count of 0), loop count + 1
    /// for a loop extension with a count, 1 without a loop extension.
    int plays() const { return m_plays; }

    /// The composed screen of the frame shown now (ARGB32, transparent where nothing was drawn).
    const QImage &screen() const { return m_screen; }
    /// The index of the frame shown now.
    int frameIndex() const { return m_current; }
    /// How long the frame shown now stays, in milliseconds.
    int delayMs() const { return m_delayMs; }

    /// Disposes of the frame shown now as it asks and composes the next one, starting a new play
    /// from a clear screen after the last frame. Returns false, leaving the screen as it is, when
    /// the last play has ended or the file has a single frame.
    bool advance();

    /// The bytes held besides the file itself: the composed and saved screens and the index.
    std::size_t heldBytes() const;

    /// The loop count of a NETSCAPE2.0 (or ANIMEXTS1.0) application extension in the GIF `bytes`:
    /// -1 when the file has none.
    static int LoopCount(const QByteArray &bytes);

private:
    struct Span {
        std::size_t begin = 0,
                    end = 0; // the blocks after the previous image, up to this image's end
    };
    bool compose(int index);

    QByteArray m_bytes;
    std::size_t m_headerEnd = 0; // header, logical screen and global colour table
    std::vector<Span> m_frames;
    int m_plays = 1;
    int m_played = 0; // plays completed
    int m_current = -1;
    int m_delayMs = 0;
    int m_disposal = 0; // of the frame shown now
    QRect m_area; // of the frame shown now, on the screen
    QImage m_screen;
    QImage m_saved; // the screen before the frame shown now, when it restores it afterwards
};

} // namespace pixmaro::gif
