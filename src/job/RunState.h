// What a run leaves behind for the gallery: the count, the per-file results and the thumbnail size.
#pragma once

#include <QString>

#include <vector>

namespace pixmaro {

/// The results of one source file.
struct InfoRec {
    qint64 SourceSize = 0; // bytes of the source file
    int ThumbWidth = 0; // width of the image written; -1 when the run writes none of its own
    int ThumbHeight = 0; // height likewise
    QString SourcePath; // full path of the source (for a rename: its new path)
    QString OutputPath; // full path of the output, extension included
};

struct RunState {
    bool CancelRequested = false;
    int ProcessedCount = 0;
    std::vector<InfoRec> RunInfo;
    int ReachedCount = 0; // slots of RunInfo the last run filled (the gallery looks no further)
    bool KeepRatio = false; // captured when a thumbnail run starts
    int ThumbMax = 0; // likewise; also read by the frames writer

    /// One slot per selected file: new slots start empty, existing ones keep their content until
    /// the run overwrites them.
    void resizeRunInfo(int count) { RunInfo.resize(count > 0 ? size_t(count) : 0); }
};

} // namespace pixmaro
