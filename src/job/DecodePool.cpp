// Decoding ahead: worker threads load (and for a conversion encode) the next files of a run while
// the run's thread finishes the current one; the run takes them strictly in file order.
#include "job/DecodePool.h"

#include "imaging/Encoders.h"
#include "imaging/JpegDecoder.h"
#include "imaging/gif/GifWriter.h"
#include "imaging/metafile/MetafileWriter.h"

#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <cstdlib>
#include <exception>
#include <sys/stat.h>

namespace pixmaro {

bool IsJpegName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const QString extension = name.section(u'.', -1).toLower();
    return name.contains(u'.')
        && (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"));
}

int DefaultDecodeThreads()
{
    if (const char *text = std::getenv("PIXMARO_THREADS")) {
        char *end = nullptr;
        const long threads = std::strtol(text, &end, 10);
        if (end != text && *end == '\0' && threads >= 1 && threads <= 64)
            return int(threads);
    }
    return std::max(1, int(std::thread::hardware_concurrency()));
}

namespace {

// A JPEG converted to JPEG or GIF is encoded row by row as it is decoded: its raster is never
// held whole (for a progressive file that would sit beside libjpeg's coefficients). The bytes are
// those of the raster's encode. Returns false when this path does not apply; otherwise `file`
// holds the outcome, a file that fails to decode anywhere in it being one that did not load.
bool StreamJpegConversion(
    const DecodeRequest &request, DecodedFile &file, const std::atomic<bool> *cancel)
{
    if ((request.target != TargetType::JPG && request.target != TargetType::GIF)
        || !IsJpegName(request.path))
        return false;
    JpegReader reader;
    reader.setCancel(cancel);
    if (!reader.openFile(request.path) || !reader.startRows())
        return true; // not loaded
    file.width = reader.width();
    file.height = reader.height();
    std::vector<std::uint8_t> row(std::size_t(file.width) * 3);
    bool broken = false;
    const JpegRowSource rows = [&](int) -> const std::uint8_t * {
        broken = broken || !reader.readRow(row.data());
        return broken ? nullptr : row.data();
    };
    bool abandoned = false;
    std::optional<bool> finished; // the rest of the file read through
    if (request.target == TargetType::JPG) {
        QString error;
        std::optional<QByteArray> bytes = CompressJpegRows(
            file.width, file.height, request.jpegQuality, rows, &error, &abandoned);
        if (bytes)
            file.bytes = std::move(*bytes);
        else
            file.error = error;
    } else {
        GifEncoder gif;
        // The decoder is finished (its memory freed) before the quantiser takes its own.
        file.error = SaveAsGifRows(
            gif, file.width, file.height, rows, [&] { finished = reader.finishRows(); },
            &abandoned);
        if (!file.error)
            file.bytes = gif::EncodeGif87a(gif.image());
    }
    // The rest of the file is read as a full decode reads it: a failure there is a load failure.
    if (!finished)
        finished = !abandoned && reader.finishRows();
    if (abandoned || !*finished) {
        file.bytes.clear();
        file.error.reset();
        return true; // not loaded
    }
    file.loaded = file.drawn = file.encoded = true;
    return true;
}

// A progressive JPEG converted to BMP is left to its turn (see DecodedFile::streamAtTurn).
// Returns false when this does not apply.
bool LeaveBmpStreamToTurn(const DecodeRequest &request, DecodedFile &file)
{
    if (request.target != TargetType::BMP || request.plan || !IsJpegName(request.path))
        return false;
    JpegReader reader;
    if (!reader.openFile(request.path) || !reader.multiScan())
        return false; // decoded now, as any other file
    file.width = reader.width();
    file.height = reader.height();
    file.loaded = file.streamAtTurn = true;
    return true;
}

} // namespace

void DecodeFile(const DecodeRequest &request, DecodedFile &file, const std::atomic<bool> *cancel)
{
    file.request = request;
    file.loaded = file.drawn = file.encoded = file.streamAtTurn = file.streamWritten = false;
    file.width = file.height = 0;
    file.bytes.clear();
    file.error.reset();

    // Only regular files are read: opening a pipe or a device named like a picture could wait
    // for ever (the run's own check of the file comes at its turn).
    struct stat info { };
    if (::stat(QFile::encodeName(request.path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return;

    if (request.encode && !request.plan && StreamJpegConversion(request, file, cancel))
        return;
    if (LeaveBmpStreamToTurn(request, file))
        return;

    RowChooser rows;
    if (request.plan) {
        const ThumbnailPlan plan = *request.plan;
        rows = [plan](int w, int h) { return plan.rowsFor(w, h); };
    }
    file.loaded = LoadPicture(request.path, file.picture, cancel, rows);
    if (!file.loaded)
        return;
    file.width = file.picture.width();
    file.height = file.picture.height();
    const Picture::Kind kind = file.picture.kind();
    // A metafile is played with fonts and a painter: the run's thread draws it.
    if (request.target == TargetType::None || !request.encode || kind == Picture::Kind::Wmf
        || kind == Picture::Kind::Emf)
        return;

    MoveToBitmap(file.raster, file.picture);
    file.drawn = true;
    switch (request.target) {
    case TargetType::JPG: {
        QString error;
        if (std::optional<QByteArray> bytes
            = CompressJpeg(file.raster, request.jpegQuality, &error))
            file.bytes = std::move(*bytes);
        else
            file.error = error;
        break;
    }
    case TargetType::GIF: {
        GifEncoder gif;
        // The raster is not needed after it is compressed: the quantiser never sits beside it.
        file.error = SaveAsGif(gif, std::move(file.raster));
        if (!file.error)
            file.bytes = gif::EncodeGif87a(gif.image());
        break;
    }
    case TargetType::EMF:
        file.bytes = metafile::RecordEmf(file.raster);
        break;
    case TargetType::WMF:
        file.bytes = metafile::RecordWmf(file.raster);
        break;
    case TargetType::BMP: // written from the raster itself
    case TargetType::None:
        break;
    }
    file.encoded = true;
}

DecodePool::DecodePool(int threads)
{
    if (threads < 2)
        return;
    m_workers.reserve(std::size_t(threads));
    for (int i = 0; i < threads; ++i)
        m_workers.emplace_back([this] { work(); });
}

DecodePool::~DecodePool()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_cancelled = true; // a decode in hand stops soon: nobody takes it any more
    m_work.notify_all();
    for (std::thread &worker : m_workers)
        worker.join();
}

std::unique_ptr<DecodedFile> DecodePool::spare()
{
    if (m_spares.empty())
        return std::make_unique<DecodedFile>();
    std::unique_ptr<DecodedFile> file = std::move(m_spares.back());
    m_spares.pop_back();
    return file;
}

void DecodePool::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        auto next = m_slots.end();
        m_work.wait(lock, [&] {
            if (m_stop)
                return true;
            // The largest file waiting first: the last ones to finish are then small, and the
            // workers end the run together.
            next = m_slots.end();
            for (auto slot = m_slots.begin(); slot != m_slots.end(); ++slot) {
                if (slot->second.state == State::Waiting
                    && (next == m_slots.end() || slot->second.size > next->second.size))
                    next = slot;
            }
            return next != m_slots.end();
        });
        if (m_stop)
            return;
        const int index = next->first;
        next->second.state = State::InHand;
        const DecodeRequest request = next->second.request;
        std::unique_ptr<DecodedFile> file = spare();
        lock.unlock();

        bool complete = true;
        try {
            DecodeFile(request, *file, &m_cancelled);
        } catch (const std::exception &) {
            complete = false;
        }

        lock.lock();
        const auto slot = m_slots.find(index);
        if (slot == m_slots.end() || slot->second.state != State::InHand) {
            m_spares.push_back(std::move(file)); // no longer wanted
        } else if (!(slot->second.request == request)) {
            // Asked for again with other settings while in hand: do it once more.
            slot->second.state = State::Waiting;
            m_spares.push_back(std::move(file));
            m_work.notify_one();
        } else if (!complete) {
            m_slots.erase(slot); // the run's thread decodes it and meets the failure itself
            m_spares.push_back(std::move(file));
        } else {
            slot->second.state = State::Done;
            slot->second.file = std::move(file);
        }
        m_done.notify_all();
    }
}

void DecodePool::request(int index, const DecodeRequest &request)
{
    if (m_workers.empty())
        return;
    {
        std::lock_guard lock(m_mutex);
        Slot &slot = m_slots[index];
        if (slot.state != State::Waiting && slot.request == request)
            return;
        if (!(slot.request == request))
            slot.size = QFileInfo(request.path).size(); // once per request, not per turn
        slot.request = request;
        if (slot.state == State::Done) {
            m_spares.push_back(std::move(slot.file));
            slot.state = State::Waiting;
        }
        // A file in hand keeps going; the worker sees the new request when it is done.
    }
    m_work.notify_one();
}

std::unique_ptr<DecodedFile> DecodePool::take(
    int index, const DecodeRequest &request, const std::function<void()> &whileWaiting)
{
    constexpr auto kPumpInterval = std::chrono::milliseconds(50);
    std::unique_lock lock(m_mutex);
    auto pumpAt = std::chrono::steady_clock::now() + kPumpInterval;
    for (;;) {
        const auto slot = m_slots.find(index);
        if (slot == m_slots.end())
            return nullptr;
        const bool sameRequest = slot->second.request == request;
        if (slot->second.state != State::InHand || !sameRequest) {
            // Done; or no worker started it (the run's thread is as quick); or it was asked for
            // with settings this turn does not have, and the run decodes it itself.
            std::unique_ptr<DecodedFile> file = std::move(slot->second.file);
            const bool usable = slot->second.state == State::Done && sameRequest && file;
            m_slots.erase(slot);
            if (usable)
                return file;
            if (file)
                m_spares.push_back(std::move(file));
            return nullptr;
        }
        // In a worker's hands: wait for it, letting the caller's events through meanwhile.
        if (m_done.wait_until(lock, pumpAt) == std::cv_status::timeout) {
            if (whileWaiting) {
                lock.unlock();
                whileWaiting();
                lock.lock();
            }
            pumpAt = std::chrono::steady_clock::now() + kPumpInterval;
        }
    }
}

std::unique_ptr<DecodedFile> DecodePool::spareFile()
{
    std::lock_guard lock(m_mutex);
    return spare();
}

bool DecodePool::started(int index)
{
    std::lock_guard lock(m_mutex);
    const auto slot = m_slots.find(index);
    return slot != m_slots.end() && slot->second.state != State::Waiting;
}

bool DecodePool::finished(int index)
{
    std::lock_guard lock(m_mutex);
    const auto slot = m_slots.find(index);
    return slot != m_slots.end() && slot->second.state == State::Done;
}

void DecodePool::recycle(std::unique_ptr<DecodedFile> file)
{
    if (!file)
        return;
    std::lock_guard lock(m_mutex);
    m_spares.push_back(std::move(file));
}

} // namespace pixmaro
