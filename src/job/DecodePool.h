// Decoding ahead: worker threads load (and for a conversion encode) the next files of a run while
// the run's thread finishes the current one; the run takes them strictly in file order.
#pragma once

#include "imaging/Picture.h"
#include "imaging/WorkingBitmap.h"
#include "job/Naming.h"
#include "job/ThumbnailPlan.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace pixmaro {

/// Whether `path` names a JPEG (its extension jpg or jpeg, in any case), the kind a thumbnail
/// decodes only where its resize reads it.
bool IsJpegName(const QString &path);

/// The number of decoding threads a run uses unless told otherwise: PIXMARO_THREADS when it holds
/// a number from 1 to 64, else one per processor.
int DefaultDecodeThreads();

/// What is done for one file ahead of its turn. Two requests that compare equal give the same
/// result, so a file decoded ahead is used only when its turn asks for exactly the same.
struct DecodeRequest {
    QString path;
    /// A thumbnail's plan: a JPEG keeps only the rows its resize reads.
    std::optional<ThumbnailPlan> plan;
    /// A conversion's target: the decoded raster is encoded to it (None: load only).
    TargetType target = TargetType::None;
    int jpegQuality = 90;
    /// Whether the output is wanted at all: false when overwriting is off and the output existed,
    /// so nothing is encoded in vain.
    bool encode = true;

    friend bool operator==(const DecodeRequest &, const DecodeRequest &) = default;
};

/// One file loaded, and for a conversion drawn 1:1 and encoded.
struct DecodedFile {
    DecodeRequest request;
    bool loaded = false; // LoadPicture succeeded
    Picture picture; // the loaded picture; a conversion of a raster kind moves it into `raster`
    int width = 0; // the picture's own size, kept when the picture has moved
    int height = 0;
    /// A conversion: the picture drawn 1:1 (a metafile is left to the run's thread to draw, which
    /// owns the fonts), then encoded: the file's bytes for JPEG, GIF, EMF and WMF; BMP is written
    /// from `raster` itself.
    bool drawn = false;
    WorkingBitmap raster;
    /// A progressive JPEG converted to BMP is only looked at here (its size read): at its turn it
    /// is decoded row by row straight into the output, so that its raster never sits beside the
    /// coefficients libjpeg holds. `loaded` then says only that its header was read.
    bool streamAtTurn = false;
    bool streamWritten = false; // set at its turn: the output was wanted, and written (or failed)
    bool encoded = false;
    QByteArray bytes;
    std::optional<QString> error; // the encoder's failure text
};

/// Does `request` into `file` on the calling thread: loads the picture, and for a conversion
/// draws and encodes it as the request says. Leaves `file.loaded` false when the picture cannot be
/// loaded or the path is not a regular file (a pipe or a device is never opened). Reuses the memory
/// `file` holds from an earlier file. Stops with the file not loaded when `cancel` (which may be
/// null) is set meanwhile.
void DecodeFile(
    const DecodeRequest &request, DecodedFile &file, const std::atomic<bool> *cancel = nullptr);

/// Worker threads that carry out DecodeRequests for files of a run ahead of their turn. The run's
/// thread asks for the next files, then takes each in order; a file asked for with settings that
/// differ from those of its turn is not handed over (the run decodes it itself). Nothing here
/// writes a file or touches the run's host.
class DecodePool {
public:
    /// Starts `threads` workers; with fewer than 2 none is started and take() never has a file.
    explicit DecodePool(int threads);
    /// Stops the workers: files not started are dropped, files in hand are finished and dropped.
    ~DecodePool();
    DecodePool(const DecodePool &) = delete;
    DecodePool &operator=(const DecodePool &) = delete;

    int workers() const { return int(m_workers.size()); }

    /// Asks for file `index` to be done with `request`; a request for it that no worker has
    /// started, or a finished one for other settings, is replaced.
    void request(int index, const DecodeRequest &request);
    /// File `index` done for exactly `request`. Waits while a worker has it in hand, calling
    /// `whileWaiting` at least every 50 ms. Returns nothing when it was not asked for, was asked
    /// for with another request, or no worker had started it; it is then no longer the pool's.
    std::unique_ptr<DecodedFile> take(
        int index, const DecodeRequest &request, const std::function<void()> &whileWaiting);
    /// Whether a worker has started (or finished) file `index`, and whether it has finished it.
    bool started(int index);
    bool finished(int index);
    /// Stops the decodes in hand soon: the files they give are not loaded. The run asks for it
    /// when it is to stop while it waits for a file.
    void cancel() { m_cancelled = true; }
    /// Hands a file's memory back for a later file.
    void recycle(std::unique_ptr<DecodedFile> file);
    /// A file object for the run's own thread to decode into, with the memory of an earlier file
    /// where one was handed back.
    std::unique_ptr<DecodedFile> spareFile();

private:
    enum class State { Waiting, InHand, Done };
    struct Slot {
        DecodeRequest request;
        State state = State::Waiting;
        qint64 size = 0; // the file's size: the larger, the longer its decode
        std::unique_ptr<DecodedFile> file;
    };

    void work();
    std::unique_ptr<DecodedFile> spare(); // under m_mutex

    std::mutex m_mutex;
    std::condition_variable m_work; // a file to do, or stop
    std::condition_variable m_done; // a file finished
    std::map<int, Slot> m_slots; // by file index; workers take the largest waiting file
    std::vector<std::unique_ptr<DecodedFile>> m_spares;
    bool m_stop = false;
    std::atomic<bool> m_cancelled = false; // set when the pool goes: decodes in hand stop
    std::vector<std::thread> m_workers;
};

} // namespace pixmaro
