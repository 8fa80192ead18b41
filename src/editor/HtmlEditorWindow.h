// The HTML viewer/editor: a plain-text window that receives each generated page and can open, save,
// search, replace and show pages in the browser.
#pragma once

#include "editor/TextFileCodec.h"
#include "html/GalleryWriter.h"
#include "shell/Messages.h"
#include "shell/Shell.h"

#include <QWidget>

#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace pixmaro {

class EditorFontDialog;
class FindReplaceDialog;

inline constexpr const char *kSaveNote
    = "(NOTE - if you changed the relative reference to images, or save the html in a different "
      "location, your html may not work correctly)";
/// "Save File?", a carriage return and the note: asked by "OK", before a new page replaces edits
/// and at program end.
QString SaveFileQuestion();
/// "File has changed, Save File?", a carriage return and the note: asked by "Open File".
QString FileChangedQuestion();
inline constexpr const char *kMustBeSavedQuestion = "File must be saved.  Save Now?";
inline constexpr const char *kSaveChangesQuestion = "File has changed.  Save Changes?";

class HtmlEditorWindow : public QWidget, public GeneratedPageSink {
    Q_OBJECT
public:
    /// The file chosen in the save dialog (starting at `preset`) or the open dialog (starting in
    /// `folder`); empty when the dialog is cancelled.
    using ChooseSaveFile = std::function<QString(QWidget *parent, const QString &preset)>;
    using ChooseOpenFile = std::function<QString(QWidget *parent, const QString &folder)>;

    /// Questions and failures go through `messages`; the browser, Notepad and Wordpad through
    /// `shell`.
    HtmlEditorWindow(Messages &messages, Shell &shell, QWidget *parent = nullptr);
    ~HtmlEditorWindow() override;

    /// Replaces the file dialogs (the defaults are "Save HTML" and "Open HTML Files").
    void setFileChoosers(ChooseSaveFile save, ChooseOpenFile open);

    /// Shows `text` as the page stored at `pagePath` and binds the editor to it. Unsaved edits are
    /// first offered for saving. The file is written before anything changes: when it cannot be,
    /// std::runtime_error("Cannot create file <path>") is thrown and the editor stays as it was.
    void ShowGeneratedPage(const QString &text, const QString &pagePath,
        const QString &outputFolder, const QString &browseFile) override;
    void setBrowseEnabled(bool enabled) override;
    void setCaption(const QString &caption) override;

    const QString &CurrentFile() const { return m_currentFile; }
    const QString &BrowseFile() const { return m_browseFile; }
    /// The flow empties the page to browse at the start of every generation.
    void clearBrowseFile() { m_browseFile.clear(); }
    bool isModified() const;
    /// The text as it is written to a file, lines separated by "\n" (no-break spaces kept).
    QString text() const;

    /// At program end: unsaved edits are offered for saving ("Save File?").
    void saveEditsBeforeExit();

    void bOpenItClick();
    void bSaveItClick();
    void bBrowseClick();
    void bOKClick();
    void bSelAllClick();
    void bDelSelClick();
    void bFindClick();
    void bReplaceClick();
    void bFontClick();

private:
    enum class SaveResult { Written, Cancelled, Failed };
    struct SaveAs {
        SaveResult result;
        QString path;
    };
    /// The save dialog, then the text written to the chosen file.
    SaveAs saveAs();
    bool writeTo(const QString &path);
    /// `saveAs`, and on success the chosen file becomes the editor's file with no unsaved edits.
    bool saveAsCurrentFile();
    /// Asks "Save File?" about unsaved edits until they are saved or the user declines.
    void offerToSaveEdits();
    FindReplaceDialog *findDialog(bool replacing);
    void doFind(FindReplaceDialog *dialog);
    void doReplace(FindReplaceDialog *dialog);
    void doReplaceAll(FindReplaceDialog *dialog);
    void selectRange(qsizetype start, qsizetype length);
    void moveOffSelection(QWidget *dialog);
    void applyFont(const QFont &font, const QColor &color);

    Messages &m_messages;
    Shell &m_shell;
    ChooseSaveFile m_chooseSave;
    ChooseOpenFile m_chooseOpen;
    QString m_currentFile;
    QString m_browseFile;
    QString m_savePreset;
    QString m_openFolder;
    TextEncoding m_encoding = TextEncoding::Utf8;
    bool m_centred = false;

    QPlainTextEdit *Memo1;
    QPushButton *bBrowse;
    FindReplaceDialog *m_find = nullptr;
    FindReplaceDialog *m_replace = nullptr;
    EditorFontDialog *FD1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace pixmaro
