// What a batch run needs from the window (or command line) that started it.
#pragma once

#include "job/JobSettings.h"
#include "job/RunState.h"
#include "shell/Messages.h"

#include <QString>

#include <atomic>

namespace pixmaro {

struct RunHost {
    virtual ~RunHost() = default;

    /// The job's settings as the controls show them now; a run reads them afresh for every file.
    virtual JobSettings jobSettings() = 0;
    /// The run is starting: switch to the processing page (hide the folder label, the mirror list
    /// and the preview, show the page's help text). The host asks the run to stop ("Cancel") by
    /// setting `state.CancelRequested`; the run tests it after each file.
    virtual void runStarting(RunState &state) = 0;
    /// The counter label `lProc` ("1 of 10").
    virtual void setProcessingText(const QString &text) = 0;
    /// The progress bar `pBar`: position out of maximum.
    virtual void setProgress(int position, int maximum) = 0;
    /// Lets pending window messages run once; a "Cancel" click is seen here.
    virtual void pumpEvents() = 0;
    /// A flag that turns true, from any thread or a signal handler, when a stop is asked while
    /// the run cannot pump events (inside a decode); nothing when stops come only through the
    /// pump.
    virtual const std::atomic<bool> *stopFlag() { return nullptr; }
    /// The message boxes a run shows ("Could not open ...", "Error during processing!").
    virtual Messages &messages() = 0;
    /// The input and output file lists are listed afresh so new files appear.
    virtual void refreshFileLists() = 0;
    /// The run has ended: hide "Cancel", show "OK!", "Do HTML!", the note and `lDone` with this
    /// outcome line, hide the progress bar.
    virtual void runFinished(const QString &outcome) = 0;
};

} // namespace pixmaro
