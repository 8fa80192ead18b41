// Start-up: the splash window, then the program's windows in their creation order.
#include "app/StartUp.h"

#include "about/AboutBox.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "editor/HtmlEditorWindow.h"
#include "filecmds/ConfirmDeleteDialog.h"
#include "html/DoHtml.h"
#include "html/HrefPromptDialog.h"
#include "html/HtmlOptionsDialog.h"
#include "html/HtmlOptionsHelpWindow.h"
#include "html/HtmlOutputDialog.h"
#include "job/DupeWarnDialog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace pixmaro {

Program::Program(Shell &shell, const QString &settingsPath, std::chrono::milliseconds splashTime)
{
    auto splash = std::make_unique<SplashWindow>();
    splash->show();
    QCoreApplication::processEvents();

    // The splash stays on screen for its time; input is held back until the windows exist.
    QEventLoop wait;
    QTimer::singleShot(splashTime, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    splash->repaint();

    // A message raised while the main window reads its settings is shown over the splash.
    m_messages.setParentWidget(splash.get());
    m_form1 = std::make_unique<MainWindow>(m_messages, shell, settingsPath);
    m_messages.setParentWidget(m_form1.get());
    m_form3 = new DupeWarnDialog(m_form1.get());
    m_messages.setDuplicateNamesDialog(m_form3);
    m_htmlEditor = new HtmlEditorWindow(m_messages, shell, m_form1.get());
    m_about = new AboutBox(m_form1.get(), shell);
    m_form1->setAboutAction([about = m_about] { about->exec(); });
    m_form6 = new HtmlOptionsDialog(m_messages, m_form1.get());
    m_form5 = new HtmlOptionsHelpWindow(m_form1.get());
    m_htmlOutput = new HtmlOutputDialog(m_messages, shell, m_form1.get());
    m_hrefPrompt = new HrefPromptDialog(m_messages, m_form1.get());
    connectGalleryWindows();

    splash->hide();
}

Program::~Program() = default;

void Program::connectGalleryWindows()
{
    MainWindow &form1 = *m_form1;
    // The main window read every window's keys when it was created.
    m_form6->loadSettings(form1.storedSettings().htmlOptions);
    m_htmlOutput->loadSettings(form1.storedSettings().htmlOutput);
    m_form6->setHelpWindow(m_form5);
    m_form6->setHrefPrompt(m_hrefPrompt);
    // The location dialog deletes pages after the same confirmation as the file lists.
    if (auto *form4 = form1.findChild<ConfirmDeleteDialog *>("TForm4")) {
        m_htmlOutput->setDeleteConfirmation([form4](int count) -> std::optional<bool> {
            if (!form4->confirmDeletion(count))
                return std::nullopt;
            return form4->toRecycleBin();
        });
    }

    QObject::connect(
        &form1, &MainWindow::collectingKeptSettings, m_form6, [this](StoredSettings &stored) {
            stored.htmlOptions = m_form6->options();
            stored.htmlOutput = m_htmlOutput->settings();
        });
    QObject::connect(&form1, &MainWindow::keptSettingsReset, m_form6, [this] {
        m_form6->resetToDefaults();
        m_htmlOutput->resetToDefaults();
    });
    // Edits in the editor are offered for saving before the program ends.
    QObject::connect(
        &form1, &MainWindow::closed, m_htmlEditor, &HtmlEditorWindow::saveEditsBeforeExit);
    form1.setDoHtmlAction([this] {
        DoHtml(*m_htmlOutput, *m_form6, *m_htmlEditor, m_form1->runState(),
            m_form1->currentJobSettings(), m_messages);
    });
}

} // namespace pixmaro
