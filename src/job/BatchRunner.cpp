// The batch runner behind "GO": one job's run over the selected files, and the four runs.
#include "job/BatchRunner.h"

#include "base/IntegerText.h"
#include "base/Paths.h"
#include "base/SafeFile.h"
#include "imaging/BmpEncoder.h"
#include "imaging/Geometry.h"
#include "imaging/JpegDecoder.h"
#include "imaging/Resample.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace pixmaro {

namespace {

// A failure that ends the run with "Error during processing!".
[[noreturn]] void Fail(const QString &what)
{
    throw std::runtime_error(what.toStdString());
}

// The source's size as the folder listing gives it, whatever its attributes; nothing for a path
// that is not a regular file after following links (a folder, a pipe or a device is never read).
std::optional<qint64> ListedSize(const QString &path)
{
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return qint64(info.st_size);
}

// Whether some directory entry has this path, a symbolic link included (even one that points
// nowhere).
bool EntryExists(const QString &path)
{
    struct stat info { };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

// Whether a built name names one file in its folder: not empty, not "." or "..", and without
// a separator or NUL (a qualifier holding "/" must not write into another folder).
bool IsPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(u'/') && !name.contains(QChar(u'\0'));
}

// Renames without ever replacing an entry, and without falling back to a copy: the file system
// refuses when the new name is taken. Returns the reason of a refusal.
std::optional<QString> RenameNoReplace(const QString &from, const QString &to)
{
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD,
            QFile::encodeName(to).constData(), RENAME_NOREPLACE)
        == 0)
        return std::nullopt;
    if (errno != EINVAL && errno != ENOSYS)
        return QString::fromLocal8Bit(std::strerror(errno));
    // A file system without the no-replace rename: a hard link cannot replace anything either.
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::unlink(QFile::encodeName(from).constData());
    return std::nullopt;
}

QString Counter(int done, int count)
{
    return QStringLiteral("%1 of %2").arg(done).arg(count);
}

// Copies the content of `source` to `destination` in blocks of 2048 bytes, through a
// temporary file renamed over the destination when complete. Only a regular file is read: the
// source is opened without blocking (a pipe swapped in would otherwise hang the run) and checked.
void CopyContent(const QString &source, const QString &destination)
{
    const int fd = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info { };
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        Fail(QStringLiteral("cannot open %1").arg(source));
    }
    QFile in;
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        Fail(QStringLiteral("cannot open %1").arg(source));
    }
    QSaveFile out(destination);
    if (!OpenForReplacement(out))
        Fail(QStringLiteral("cannot create %1").arg(destination));
    char block[2048];
    for (;;) {
        const qint64 read = in.read(block, sizeof block);
        if (read < 0)
            Fail(QStringLiteral("cannot read %1").arg(source));
        if (read == 0)
            break;
        if (!WriteAll(out, block, read))
            Fail(QStringLiteral("cannot write %1").arg(destination));
    }
    if (!out.commit())
        Fail(QStringLiteral("cannot write %1").arg(destination));
}

} // namespace

QString BatchRunner::OutcomeLine(bool complete, int count)
{
    return complete ? QStringLiteral("Operation complete. %1 files processed.").arg(count)
                    : QStringLiteral("Operation Incomplete. %1 files processed.").arg(count);
}

QString BatchRunner::UnknownTypeMessage(const QString &entry, const QString &convertTo)
{
    const QString type
        = convertTo == QLatin1String("No Conversion") ? SourceType(entry) : convertTo;
    return QStringLiteral("No file was written for ") + entry + QStringLiteral(": \"") + type
        + QStringLiteral("\" is not a type Pixmaro writes (jpg, gif, bmp, emf or wmf).");
}

RunOutcome BatchRunner::bGOClick(RunHost &host, const QStringList &selectedFiles)
{
    m_untyped.clear();
    m_stoppedInLoad = false;
    m_state.ProcessedCount = 0;
    m_state.CancelRequested = false;
    host.runStarting(m_state);
    const int count = int(selectedFiles.size());
    host.setProcessingText(Counter(1, count));
    m_state.resizeRunInfo(count);
    m_state.ReachedCount = 0;
    host.pumpEvents();

    RunOutcome outcome = RunOutcome::Failed;
    try {
        switch (host.jobSettings().runKind()) {
        case RunKind::Thumbnails:
            outcome = RunThumbnails(host, selectedFiles);
            break;
        case RunKind::Rename:
            outcome = RunRename(host, selectedFiles);
            break;
        case RunKind::Copy:
            outcome = RunCopy(host, selectedFiles);
            break;
        case RunKind::Convert:
            outcome = RunConvert(host, selectedFiles);
            break;
        }
    } catch (const std::exception &) {
        outcome = RunOutcome::Failed;
    }
    if (outcome == RunOutcome::Failed) {
        // A failure leaves the lists as they were before the run's end; show what was written.
        host.refreshFileLists();
        host.setProgress(0, count);
        host.messages().inform(QString::fromLatin1(kErrorDuringProcessing));
    }
    if (m_state.CancelRequested && outcome == RunOutcome::Completed)
        outcome = RunOutcome::Cancelled;
    if (!m_untyped.isEmpty() && outcome != RunOutcome::Failed) {
        host.messages().inform(UnknownTypeMessage(m_untyped, host.jobSettings().ConvertTo));
        if (outcome == RunOutcome::Completed)
            outcome = RunOutcome::UnknownType;
    }
    const bool complete = outcome == RunOutcome::Completed;
    host.runFinished(OutcomeLine(complete, complete ? count : m_state.ProcessedCount));
    return outcome;
}

JobSettings BatchRunner::beginFile(RunHost &host, int index, int count)
{
    host.setProcessingText(Counter(index + 1, count));
    return host.jobSettings();
}

bool BatchRunner::endOfFile(RunHost &host, int index, int count)
{
    m_state.ReachedCount = index + 1;
    host.setProgress(index + 1, count);
    host.pumpEvents();
    return !m_state.CancelRequested;
}

RunOutcome BatchRunner::finishRun(RunHost &host, int count)
{
    host.refreshFileLists();
    host.setProgress(0, count);
    return m_state.CancelRequested ? RunOutcome::Cancelled : RunOutcome::Completed;
}

bool BatchRunner::stopAsked(RunHost &host) const
{
    const std::atomic<bool> *flag = host.stopFlag();
    return m_state.CancelRequested || (flag && *flag);
}

InfoRec *BatchRunner::loadSource(RunHost &host, const JobSettings &job, const QStringList &files,
    int index, DecodePool &pool, int ahead, const RequestFor &requestFor,
    std::unique_ptr<DecodedFile> &file)
{
    // The next files are asked for with this file's settings; one asked for with settings that
    // differ from those of its own turn is decoded again then.
    const int last = std::min(int(files.size()) - 1, index + ahead);
    for (int next = index + 1; next <= last; ++next) {
        const DecodeRequest request = requestFor(job, next);
        // Beyond one file per worker only thumbnails of JPEGs wait decoded: they hold just the
        // rows their resize reads, where any other picture holds all of its raster.
        if (next > index + pool.workers() && !(request.plan && IsJpegName(request.path)))
            continue;
        pool.request(next, request);
    }

    const QString &entry = files[index];
    const DecodeRequest request = requestFor(job, index);
    const std::optional<qint64> size = ListedSize(request.path);
    if (size) {
        // While a worker finishes this file the window keeps reacting, and a stop asked meanwhile
        // ends the decode rather than waiting for it.
        file = pool.take(index, request, [&] {
            host.pumpEvents();
            if (stopAsked(host))
                pool.cancel();
        });
        if (!file) {
            file = pool.spareFile();
            DecodeFile(request, *file, host.stopFlag());
        }
        if (!file->loaded && stopAsked(host)) {
            stoppedInLoad();
            return nullptr;
        }
    }
    if (!size || !file->loaded) {
        cannotOpen(host, entry);
        return nullptr;
    }
    InfoRec &info = m_state.RunInfo[std::size_t(index)];
    info.SourceSize = *size;
    info.SourcePath = request.path;
    return &info;
}

void BatchRunner::stoppedInLoad()
{
    // Stopped inside the decode: the run ends as a cancel, not as a file it cannot open.
    m_state.CancelRequested = true;
    m_stoppedInLoad = true;
}

void BatchRunner::cannotOpen(RunHost &host, const QString &entry)
{
    // An unreadable source stops the run as if "Cancel" had been pressed: the user sees the
    // count so far.
    host.messages().inform(QString::fromLatin1(kCouldNotOpen) + entry);
    m_state.CancelRequested = true;
}

bool BatchRunner::streamBmpAtTurn(
    RunHost &host, const JobSettings &job, const QString &entry, int index, DecodedFile &file)
{
    // Written only where writeOutput writes: a plain file name, and an output wanted (the turn's
    // request says whether an existing one is kept).
    std::optional<QString> path;
    try {
        const QString name = EncodedStem(NamingOption(job.NamingOption), job.ImageQualifier,
                                 job.SequenceStart, entry, index)
            + Extension(TargetType::BMP);
        if (IsPlainFileName(name) && file.request.encode)
            path = PathIn(job.OutputFolder, name);
    } catch (const std::exception &) {
        // The name fails where writeOutput writes the file, once the picture proved readable.
    }

    // The window keeps reacting while a large picture is decoded here (libjpeg reads all of a
    // progressive file's scans before the first row), and a stop asked meanwhile ends the decode.
    JpegReader reader;
    std::atomic<bool> stop = false;
    reader.setCancel(&stop);
    reader.setTick([&] {
        host.pumpEvents();
        stop = stopAsked(host);
    });
    bool broken = !reader.openFile(file.request.path) || !reader.startRows();
    if (!broken) {
        const int height = reader.height();
        std::vector<std::uint8_t> row(std::size_t(reader.width()) * 3);
        // The rest of the file is read with the last row, before the output is kept: a file that
        // fails anywhere leaves nothing behind.
        const BmpRowsOutcome outcome = SaveAsBmpRows(
            reader.width(), height,
            [&](int y) -> const std::uint8_t * {
                broken = broken || !reader.readRow(row.data());
                if (!broken && y == height - 1)
                    broken = !reader.finishRows();
                return broken ? nullptr : row.data();
            },
            path);
        broken = broken || !outcome.rowsRead;
        file.error = outcome.error;
        file.streamWritten = path.has_value();
    }
    if (broken) {
        file.error.reset();
        if (stopAsked(host))
            stoppedInLoad();
        else
            cannotOpen(host, entry);
        return false;
    }
    file.encoded = true;
    return true;
}

QString BatchRunner::outputPath(
    const JobSettings &job, const QString &qualifier, const QString &entry, int index) const
{
    const QString stem
        = EncodedStem(NamingOption(job.NamingOption), qualifier, job.SequenceStart, entry, index);
    return PathIn(job.OutputFolder, stem) + Extension(TargetTypeFor(job.ConvertTo, entry));
}

QString BatchRunner::writeOutput(const JobSettings &job, const QString &qualifier,
    const QString &entry, int index, const DecodedFile *ready)
{
    const QString stem
        = EncodedStem(NamingOption(job.NamingOption), qualifier, job.SequenceStart, entry, index);
    const TargetType type = TargetTypeFor(job.ConvertTo, entry);
    if (!IsPlainFileName(stem + Extension(type)))
        Fail(QStringLiteral("not a file name: %1").arg(stem));
    const QString stemPath = PathIn(job.OutputFolder, stem);
    // The encoder runs first, then the extension is appended, then the overwrite rule decides.
    // An output encoded ahead has been through the same encoder.
    switch (type) {
    case TargetType::JPG:
        if (!ready)
            SaveAsJpeg(m_jpeg, m_working, job.JpegQuality);
        break;
    case TargetType::EMF:
    case TargetType::WMF:
        m_metafile.enhanced = type == TargetType::EMF;
        if (!ready)
            SaveAsMetafile(m_metafile, m_working);
        break;
    case TargetType::GIF:
        if (const auto error = ready ? ready->error : SaveAsGif(m_gif, m_working))
            Fail(*error);
        break;
    case TargetType::BMP:
    case TargetType::None:
        break;
    }
    const QString path = stemPath + Extension(type);
    if (type == TargetType::None) {
        // Nothing is written for a type the program does not write; the run is then incomplete.
        if (m_untyped.isEmpty())
            m_untyped = entry;
        return path;
    }
    // A file streamed at its turn was written there under this same rule.
    const bool streamed = ready && ready->streamAtTurn;
    if (streamed ? !ready->streamWritten : !job.OverwriteFiles && QFileInfo::exists(path))
        return path; // kept without a message, not counted

    std::optional<QString> error;
    switch (type) {
    case TargetType::JPG:
        if (ready)
            error = ready->error ? ready->error : WriteFileSafely(path, ready->bytes);
        else
            error = m_jpeg.save(path);
        break;
    case TargetType::EMF:
    case TargetType::WMF:
        error = ready ? WriteFileSafely(path, ready->bytes) : m_metafile.save(path);
        break;
    case TargetType::GIF:
        error = ready ? WriteFileSafely(path, ready->bytes) : m_gif.save(path);
        break;
    case TargetType::BMP:
        if (ready && ready->streamAtTurn)
            error = ready->error; // written already
        else
            error = SaveAsBmp(ready ? ready->raster : m_working, path);
        break;
    case TargetType::None:
        break;
    }
    if (error)
        Fail(*error);
    ++m_state.ProcessedCount;
    return path;
}

RunOutcome BatchRunner::runEach(RunHost &host, const QStringList &files, const FileStep &step)
{
    const int count = int(files.size());
    host.setProgress(0, count);
    for (int i = 0; i < count; ++i) {
        const JobSettings job = beginFile(host, i, count);
        if (const std::optional<RunOutcome> stop = step(job, i))
            return *stop;
        if (!endOfFile(host, i, count))
            break;
    }
    return finishRun(host, count);
}

RunOutcome BatchRunner::RunThumbnails(RunHost &host, const QStringList &files)
{
    if (files.isEmpty())
        return RunOutcome::Completed;
    const JobSettings start = host.jobSettings();
    m_state.KeepRatio = start.KeepRatio;
    const qint64 maxWidth = IntegerOrThrow(start.MaxWidth);
    if (std::llabs(maxWidth) > std::numeric_limits<int>::max())
        Fail(QStringLiteral("thumbnail size out of range"));
    m_state.ThumbMax = int(std::llabs(maxWidth));
    const int typedWidth = int(maxWidth);
    const int typedHeight = IntegerOrThrow(start.MaxHeight);
    // A thumbnail needs a size: a maximum of 0, or a typed side of 0 or less without the ratio
    // kept, ends the run before anything is written.
    if (m_state.ThumbMax == 0 || (!m_state.KeepRatio && (typedWidth <= 0 || typedHeight <= 0)))
        Fail(QStringLiteral("no thumbnail size"));
    // A thumbnail's plan: the settings read once, and those of each file's own turn. A JPEG is
    // decoded only where the resize reads it.
    const RequestFor requestFor = [&](const JobSettings &job, int i) {
        DecodeRequest request;
        request.path = PathIn(job.InputFolder, files[i]);
        request.plan = ThumbnailPlan { m_state.KeepRatio, m_state.ThumbMax, typedWidth, typedHeight,
            job.ForceWidth, job.ForceHeight, job.ResizeSpeed };
        return request;
    };
    DecodePool pool(m_decodeThreads);
    // A thumbnail of a JPEG keeps only the rows its resize reads, so several may wait decoded:
    // a worker then need not idle while another finishes a large file.
    const int ahead = 4 * pool.workers();

    return runEach(host, files, [&](const JobSettings &job, int i) -> std::optional<RunOutcome> {
        std::unique_ptr<DecodedFile> file;
        InfoRec *const info = loadSource(host, job, files, i, pool, ahead, requestFor, file);
        if (!info)
            return m_stoppedInLoad ? RunOutcome::Cancelled : RunOutcome::LoadFailed;
        Picture &picture = file->picture;

        const ThumbSize size = file->request.plan->sizeFor(picture.width(), picture.height());
        info->ThumbWidth = size.width;
        info->ThumbHeight = size.height;

        if (job.ResizeSpeed == 1) {
            // The picture is drawn once: its pixels move into the raster rather than being copied.
            MoveToBitmap(m_working, picture);
            ResizeQuality(m_working, m_scratch, size.width, size.height);
        } else {
            ResizeFast(picture, size.width, size.height, m_working);
        }
        pool.recycle(std::move(file));

        info->OutputPath = writeOutput(job, job.ThumbQualifier, files[i], i);
        return std::nullopt;
    });
}

RunOutcome BatchRunner::RunConvert(RunHost &host, const QStringList &files)
{
    // A conversion is decoded and encoded ahead; an output that is kept (it exists and overwriting
    // is off) is not encoded at all.
    const RequestFor requestFor = [&](const JobSettings &job, int i) {
        DecodeRequest request;
        request.path = PathIn(job.InputFolder, files[i]);
        request.target = TargetTypeFor(job.ConvertTo, files[i]);
        request.jpegQuality = job.JpegQuality;
        if (!job.OverwriteFiles) {
            try {
                request.encode
                    = !QFileInfo::exists(outputPath(job, job.ImageQualifier, files[i], i));
            } catch (const std::exception &) {
                request.encode = true; // the name fails where the file is written
            }
        }
        return request;
    };
    DecodePool pool(m_decodeThreads);
    // A conversion holds whole pictures: one file waiting per worker at most.
    const int ahead = pool.workers();

    return runEach(host, files, [&](const JobSettings &job, int i) -> std::optional<RunOutcome> {
        std::unique_ptr<DecodedFile> file;
        InfoRec *const info = loadSource(host, job, files, i, pool, ahead, requestFor, file);
        if (!info)
            return m_stoppedInLoad ? RunOutcome::Cancelled : RunOutcome::LoadFailed;
        info->ThumbWidth = file->width;
        info->ThumbHeight = file->height;
        if (file->streamAtTurn && !streamBmpAtTurn(host, job, files[i], i, *file))
            return m_stoppedInLoad ? RunOutcome::Cancelled : RunOutcome::LoadFailed;
        if (!file->encoded) // a metafile, or an output that is kept
            MoveToBitmap(m_working, file->picture);
        info->OutputPath = writeOutput(
            job, job.ImageQualifier, files[i], i, file->encoded ? file.get() : nullptr);
        pool.recycle(std::move(file));
        return std::nullopt;
    });
}

RunOutcome BatchRunner::RunCopy(RunHost &host, const QStringList &files)
{
    return runEach(host, files, [&](const JobSettings &job, int i) -> std::optional<RunOutcome> {
        const QString &entry = files[i];
        const QString name = KeepBytesName(
            NamingOption(job.NamingOption), job.ImageQualifier, job.SequenceStart, entry, i);
        if (!IsPlainFileName(name))
            Fail(QStringLiteral("not a file name: %1").arg(name));
        const QString destination = PathIn(job.OutputFolder, name);
        const QString source = PathIn(job.InputFolder, entry);
        InfoRec &info = m_state.RunInfo[std::size_t(i)];
        const std::optional<qint64> size = ListedSize(source);
        if (!size)
            Fail(QStringLiteral("cannot find %1").arg(source));
        info = { *size, -1, -1, source, destination };

        const QFileInfo target(destination);
        const bool sameFile = target.exists()
            && target.canonicalFilePath() == QFileInfo(source).canonicalFilePath();
        // A copy onto the source itself would only risk its content: it is left as it is.
        if (!sameFile && (job.OverwriteFiles || !target.exists())) {
            CopyContent(source, destination);
            ++m_state.ProcessedCount;
        }
        return std::nullopt;
    });
}

RunOutcome BatchRunner::RunRename(RunHost &host, const QStringList &files)
{
    const int count = int(files.size());
    int refused = 0;
    QStringList refusals;

    const RunOutcome outcome
        = runEach(host, files, [&](const JobSettings &job, int i) -> std::optional<RunOutcome> {
              const QString &entry = files[i];
              const QString name = KeepBytesName(
                  NamingOption(job.NamingOption), job.ImageQualifier, job.SequenceStart, entry, i);
              // A rename never moves a file to another folder.
              const QString newPath = PathIn(job.InputFolder, name);
              const QString oldPath = PathIn(job.InputFolder, entry);
              const std::optional<qint64> size = ListedSize(oldPath);
              if (!size) {
                  // Only files are renamed: a folder or anything else named like a picture stops
                  // the run as a source that cannot be loaded does.
                  host.messages().inform(QString::fromLatin1(kCouldNotOpen) + entry);
                  m_state.CancelRequested = true;
                  return RunOutcome::LoadFailed;
              }
              m_state.RunInfo[std::size_t(i)] = { *size, -1, -1, newPath, newPath };

              if (EntryExists(newPath)) {
                  host.messages().inform(QString::fromLatin1(kDuplicateNameStop));
                  host.refreshFileLists();
                  host.setProgress(0, count);
                  m_state.CancelRequested = true;
                  return RunOutcome::RenameTargetExists;
              }
              const std::optional<QString> reason = IsPlainFileName(name)
                  ? RenameNoReplace(oldPath, newPath)
                  : QStringLiteral("not a file name");
              if (reason) {
                  if (refusals.size() < kListedRefusals)
                      refusals << entry + QStringLiteral(" -> ") + name + QStringLiteral(": ")
                              + *reason;
                  ++refused;
              } else {
                  ++m_state.ProcessedCount;
              }
              return std::nullopt;
          });
    if (refused == 0)
        return outcome;
    // The other renames went on; the refused ones are reported once, with the reasons.
    QString text = QString::fromLatin1(kRenamesRefused).arg(refused);
    for (const QString &line : refusals)
        text += u'\n' + line;
    host.messages().inform(text);
    return outcome == RunOutcome::Completed ? RunOutcome::RenamesRefused : outcome;
}

} // namespace pixmaro
