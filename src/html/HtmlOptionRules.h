// The rules of the HTML options dialog that change other options, not only what is shown.
#pragma once

#include "settings/HtmlOptions.h"

namespace pixmaro {

/// "Use Frames For Display" becomes checked. Frames need the link to the originals: when it is
/// off, the user is asked to turn it on; `acceptLinkPrompt` is the answer (No leaves frames off and
/// nothing else changed). Frames also need the table layout, which is turned on.
void CheckFrames(HtmlOptions &options, bool acceptLinkPrompt);

/// "HREF to Original File" becomes unchecked: frames are turned off with it.
void UncheckLinkOriginal(HtmlOptions &options);

/// "Use Table for Thumbnail Layout" becomes checked: frames are turned off.
void CheckUseTables(HtmlOptions &options);

/// The options as the dialog holds them after feeding its controls from stored values in load
/// order: a stored frames flag is a click on "Use Frames For Display" after every other control is
/// set. Without anyone to ask, the link prompt is declined.
HtmlOptions AfterLoadRules(const HtmlOptions &stored);

} // namespace pixmaro
