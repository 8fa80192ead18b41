// "Do HTML!": the location of the page, the options, the gallery written and shown in the editor.
#pragma once

#include "job/JobSettings.h"
#include "job/RunState.h"
#include "shell/Messages.h"

namespace pixmaro {

class HtmlEditorWindow;
class HtmlOptionsDialog;
class HtmlOutputDialog;

/// Runs the gallery flow after a run: the location dialog (on the run's output folder), then the
/// options dialog with its caption and the link addresses derived for the run, then the writer the
/// options choose, which hands the page to the editor. Cancelling either dialog writes nothing;
/// a failure is reported once through `messages`. Returns whether a gallery was written.
bool DoHtml(HtmlOutputDialog &location, HtmlOptionsDialog &options, HtmlEditorWindow &editor,
    const RunState &state, const JobSettings &job, Messages &messages);

} // namespace pixmaro
