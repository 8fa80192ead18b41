// Start-up: the splash window, then the program's windows in their creation order.
#pragma once

#include "app/WindowMessages.h"

#include <QString>

#include <chrono>
#include <memory>

namespace pixmaro {

class DupeWarnDialog;
class MainWindow;
class Shell;
class SplashWindow;

/// The program's windows. They are created once at start-up and live until the program ends;
/// closing the main window ends it.
class Program {
public:
    /// Shows the splash window, lets pending events run once, waits `splashTime` and repaints the
    /// splash, then creates the windows in order: the main window (which reads the settings file
    /// at `settingsPath`, any message shown over the splash), then the duplicate-names dialog.
    /// Finally hides and frees the splash. The main window is not shown yet.
    Program(Shell &shell, const QString &settingsPath,
        std::chrono::milliseconds splashTime = std::chrono::milliseconds(2000));
    /// Destroys the windows; the main window writes the settings file.
    ~Program();

    MainWindow &mainWindow() const { return *m_form1; }
    DupeWarnDialog &duplicateNamesDialog() const { return *m_form3; }
    WindowMessages &messages() { return m_messages; }

private:
    // The message boxes outlive the windows: the main window reports a failed save when it is
    // destroyed.
    WindowMessages m_messages;
    std::unique_ptr<MainWindow> m_form1;
    DupeWarnDialog *m_form3 = nullptr; // a child of the main window
};

} // namespace pixmaro
