// The batch runner behind "GO": one job's run over the selected files, and the four runs.
#pragma once

#include "imaging/Encoders.h"
#include "imaging/Picture.h"
#include "imaging/WorkingBitmap.h"
#include "job/DecodePool.h"
#include "job/Naming.h"
#include "job/RunHost.h"
#include "job/RunState.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace pixmaro {

inline constexpr const char *kCouldNotOpen = "Could not open ";
inline constexpr const char *kErrorDuringProcessing = "Error during processing!";
inline constexpr const char *kDuplicateNameStop
    = "Error - duplicate name in folder.  Rename Operation stopped.";
/// The report of renames the file system refused (%1 is their number); the first few follow,
/// one per line, with the reasons.
inline constexpr const char *kRenamesRefused = "%1 files could not be renamed:";
inline constexpr int kListedRefusals = 10;

/// How a run ended.
enum class RunOutcome {
    Completed, // every file was handled
    Cancelled, // "Cancel" was pressed; the file in hand was finished first
    LoadFailed, // a source could not be loaded: "Could not open <name>"
    RenameTargetExists, // a new name was taken: the rename stopped
    RenamesRefused, // the file system refused some renames; the others went on
    UnknownType, // the target type named no type the program writes: some files got no output
    Failed, // any other failure: "Error during processing!"
};

/// Runs jobs for the window that owns it. The raster, the scratch raster and the three encoder
/// objects live as long as the runner and serve every file of every run.
class BatchRunner {
public:
    RunState &state() { return m_state; }
    const RunState &state() const { return m_state; }

    /// The run behind "GO": runs the job on `selectedFiles` (bare names in the input folder) and
    /// reports the outcome line through `host`. The run stops after the file in hand once the
    /// host sets the run state's CancelRequested. Returns how the run ended.
    RunOutcome bGOClick(RunHost &host, const QStringList &selectedFiles);

    /// How many threads decode the files of the thumbnail and convert runs: with 2 or more, that
    /// many workers load (and for a conversion encode) the next files while the run's thread
    /// finishes the current one; files are still written, counted and reported strictly in
    /// order. With 1 every file is decoded on the run's thread. Default: DefaultDecodeThreads().
    void setDecodeThreads(int threads) { m_decodeThreads = threads; }
    int decodeThreads() const { return m_decodeThreads; }

    /// "Operation complete. N files processed." or "Operation Incomplete. N files processed.".
    static QString OutcomeLine(bool complete, int count);
    /// The report of a file that got no output because its target type names no type the program
    /// writes.
    static QString UnknownTypeMessage(const QString &entry, const QString &convertTo);

private:
    /// One step of a run: handles file `index` with the settings read for it; returns how the
    /// run ends when it must stop there.
    using FileStep = std::function<std::optional<RunOutcome>(const JobSettings &job, int index)>;
    /// Walks the files: the counter and settings before each step, the bar and the message pump
    /// after it, and the end of the run.
    RunOutcome runEach(RunHost &host, const QStringList &files, const FileStep &step);

    RunOutcome RunThumbnails(RunHost &host, const QStringList &files);
    RunOutcome RunRename(RunHost &host, const QStringList &files);
    RunOutcome RunCopy(RunHost &host, const QStringList &files);
    RunOutcome RunConvert(RunHost &host, const QStringList &files);

    /// Makes the request of file `index` for the settings `job` (see RunThumbnails, RunConvert).
    using RequestFor = std::function<DecodeRequest(const JobSettings &job, int index)>;
    /// Whether the host asked the run to stop, through the run state or its stop flag.
    bool stopAsked(RunHost &host) const;
    /// Loads file `index` as `request` says into `file` (decoded ahead by `pool` when it was asked
    /// for exactly so, otherwise here) and fills its slot's source size and path; first asks
    /// `pool` for up to `ahead` files after it with the same settings. Shows "Could not open
    /// <name>" and asks the run to stop when it cannot; returns the slot, or null then.
    InfoRec *loadSource(RunHost &host, const JobSettings &job, const QStringList &files, int index,
        DecodePool &pool, int ahead, const RequestFor &requestFor,
        std::unique_ptr<DecodedFile> &file);
    /// The end of a load that failed: stopped by the host inside the decode (the run ends as a
    /// cancel), or a file that cannot be opened ("Could not open <entry>", and the run stops).
    void stoppedInLoad();
    void cannotOpen(RunHost &host, const QString &entry);
    /// Decodes a file left to its turn (DecodedFile::streamAtTurn) row by row straight into its
    /// BMP output where writeOutput will want it written (otherwise only reads it through); the
    /// write's failure is left in `file.error` for writeOutput. Returns false (as a failed load)
    /// when the file cannot be decoded: nothing is then written.
    bool streamBmpAtTurn(
        RunHost &host, const JobSettings &job, const QString &entry, int index, DecodedFile &file);
    /// Names entry `index`, encodes the working raster as its target type (or takes the output
    /// `ready` encoded ahead), appends the extension and writes the file under the overwrite rule.
    /// Returns the output path with its extension; counts a file written.
    QString writeOutput(const JobSettings &job, const QString &qualifier, const QString &entry,
        int index, const DecodedFile *ready = nullptr);
    /// The output path of entry `index` for its target type, as writeOutput names it.
    QString outputPath(
        const JobSettings &job, const QString &qualifier, const QString &entry, int index) const;
    /// The start of file `index`: the counter shows it, and the settings are read afresh.
    JobSettings beginFile(RunHost &host, int index, int count);
    /// The end of file `index`: the progress bar advances, messages are pumped; false when the run
    /// is to stop.
    bool endOfFile(RunHost &host, int index, int count);
    /// The end of a run: the file lists are refreshed and the bar goes back to 0.
    RunOutcome finishRun(RunHost &host, int count);

    RunState m_state;
    int m_decodeThreads = DefaultDecodeThreads();
    bool m_stoppedInLoad = false; // the run was stopped inside a decode
    QString m_untyped; // the first file of the run that got no output for its unknown type
    WorkingBitmap m_working;
    ScratchBitmap m_scratch;
    JpegEncoder m_jpeg;
    GifEncoder m_gif;
    MetafileEncoder m_metafile;
};

} // namespace pixmaro
