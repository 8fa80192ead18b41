// Termination signals (SIGTERM, SIGHUP, SIGINT) close the main window like its close box, so a
// logout or a kill still ends a run after its file in hand and writes the settings file.
#pragma once

class QWidget;

namespace pixmaro {

/// From now on each of the three signals closes `window` (once per signal received). Call once,
/// from the GUI thread, while `window` lives until the program ends.
void CloseOnTerminationSignals(QWidget &window);

} // namespace pixmaro
