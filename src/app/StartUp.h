// Start-up: the splash window, then the program's windows in their creation order.
#pragma once

#include "app/WindowMessages.h"

#include <QString>

#include <chrono>
#include <memory>

namespace pixmaro {

class AboutBox;
class DupeWarnDialog;
class HrefPromptDialog;
class HtmlEditorWindow;
class HtmlOptionsDialog;
class HtmlOptionsHelpWindow;
class HtmlOutputDialog;
class MainWindow;
class Shell;
class SplashWindow;

/// The program's windows. They are created once at start-up and live until the program ends;
/// closing the main window ends it.
class Program {
public:
    /// Shows the splash window, lets pending events run once, waits `splashTime` and repaints the
    /// splash, then creates the windows in order: the main window (which reads the settings file
    /// at `settingsPath`, any message shown over the splash), the duplicate-names dialog, the HTML
    /// editor, the about box (which "About Pixmaro" opens), the HTML options dialog and its help
    /// window, the output-location dialog and the HREF prompt, each loading its kept settings.
    /// Finally hides and frees the splash. The main window is not shown yet.
    Program(Shell &shell, const QString &settingsPath,
        std::chrono::milliseconds splashTime = std::chrono::milliseconds(2000));
    /// Destroys the windows; the main window writes the settings file.
    ~Program();

    MainWindow &mainWindow() const { return *m_form1; }
    DupeWarnDialog &duplicateNamesDialog() const { return *m_form3; }
    AboutBox &aboutBox() const { return *m_about; }
    HtmlEditorWindow &htmlEditor() const { return *m_htmlEditor; }
    HtmlOptionsDialog &htmlOptionsDialog() const { return *m_form6; }
    HtmlOutputDialog &htmlOutputDialog() const { return *m_htmlOutput; }
    WindowMessages &messages() { return m_messages; }

private:
    // The message boxes outlive the windows: the main window reports a failed save when it is
    // destroyed.
    WindowMessages m_messages;
    std::unique_ptr<MainWindow> m_form1;
    DupeWarnDialog *m_form3 = nullptr; // a child of the main window
    // The gallery's windows and the about box, children of the main window too.
    HtmlEditorWindow *m_htmlEditor = nullptr; // TfHTM
    AboutBox *m_about = nullptr; // TfAbout
    HtmlOptionsDialog *m_form6 = nullptr;
    HtmlOptionsHelpWindow *m_form5 = nullptr;
    HtmlOutputDialog *m_htmlOutput = nullptr; // TfDlgOutHTML
    HrefPromptDialog *m_hrefPrompt = nullptr; // THRFPrmpt

    /// Feeds the gallery's windows their kept settings, and connects them to the main window:
    /// "Do HTML!", the settings written at exit and the reset to defaults.
    void connectGalleryWindows();
};

} // namespace pixmaro
