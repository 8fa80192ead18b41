// The HTML viewer/editor: a plain-text window that receives each generated page and can open, save,
// search, replace and show pages in the browser.
#include "editor/HtmlEditorWindow.h"

#include "base/SafeFile.h"
#include "editor/EditorFontDialog.h"
#include "editor/FindReplace.h"
#include "editor/FindReplaceDialog.h"
#include "html/GalleryWriter.h"

#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace pixmaro {

namespace {

const QString kFileTypes
    = QStringLiteral("*.htm (HTML File) (*.htm *.html);;*.txt (Text File) (*.txt)");

QString RunFileDialog(
    QWidget *parent, QFileDialog::AcceptMode mode, const QString &title, const QString &start)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(
        mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("htm"));
    dialog.setNameFilter(kFileTypes);
    if (mode == QFileDialog::AcceptSave && !start.isEmpty())
        dialog.selectFile(start);
    else if (!start.isEmpty())
        dialog.setDirectory(start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QPushButton *BarButton(const char *name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QToolButton *PictureButton(const char *name, const QString &hint, QStyle::StandardPixmap fallback,
    const char *themeIcon, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setIcon(
        QIcon::fromTheme(QString::fromLatin1(themeIcon), parent->style()->standardIcon(fallback)));
    button->setAutoRaise(true);
    button->setIconSize(QSize(20, 20));
    return button;
}

} // namespace

QString SaveFileQuestion()
{
    return QStringLiteral("Save File?\r") + QString::fromLatin1(kSaveNote);
}

QString FileChangedQuestion()
{
    return QStringLiteral("File has changed, Save File?\r") + QString::fromLatin1(kSaveNote);
}

HtmlEditorWindow::HtmlEditorWindow(Messages &messages, Shell &shell, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_messages(messages)
    , m_shell(shell)
{
    setObjectName("TfHTM");
    setWindowTitle(QStringLiteral("HTML Viewer"));
    resize(636, 460);

    m_chooseSave = [](QWidget *p, const QString &preset) {
        return RunFileDialog(p, QFileDialog::AcceptSave, QStringLiteral("Save HTML"), preset);
    };
    m_chooseOpen = [](QWidget *p, const QString &folder) {
        return RunFileDialog(p, QFileDialog::AcceptOpen, QStringLiteral("Open HTML Files"), folder);
    };

    auto *bar = new QFrame(this);
    bar->setObjectName("Panel1");
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Raised);
    bar->setFixedHeight(41);
    auto *bOpenIt = BarButton("bOpenIt", QStringLiteral("Open File"), bar);
    auto *bSaveIt = BarButton("bSaveIt", QStringLiteral("Save File"), bar);
    bBrowse = BarButton("bBrowse", QStringLiteral("Open in Browser"), bar);
    auto *bOK = BarButton("bOK", QStringLiteral("OK"), bar);
    // The four large buttons draw their caption green while the mouse is over them; each is as
    // wide as its caption, so the bar fits the window's width.
    for (QPushButton *button : { bOpenIt, bSaveIt, bBrowse, bOK }) {
        button->setStyleSheet(QStringLiteral("QPushButton:hover { color: rgb(0, 128, 0); }"));
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 24);
        button->setMaximumWidth(button->minimumWidth());
    }
    auto *bSelAll = BarButton("bSelAll", QStringLiteral("Select All"), bar);
    auto *bDelSel = BarButton("bDelSel", QStringLiteral("DeSelect All"), bar);
    for (QPushButton *button : { bSelAll, bDelSel }) {
        QFont small = button->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        button->setFont(small);
        button->setFixedHeight(17);
    }
    auto *bUndo
        = PictureButton("bUndo", QStringLiteral("Undo"), QStyle::SP_ArrowBack, "edit-undo", bar);
    auto *bRedo
        = PictureButton("bRedo", QStringLiteral("Redo"), QStyle::SP_ArrowForward, "edit-redo", bar);
    auto *bFind = PictureButton(
        "bFind", QStringLiteral("Find..."), QStyle::SP_FileDialogContentsView, "edit-find", bar);
    auto *bReplace = PictureButton("bReplace", QStringLiteral("Replace..."),
        QStyle::SP_BrowserReload, "edit-find-replace", bar);
    auto *bFont = PictureButton("bFont", QStringLiteral("Change Font..."),
        QStyle::SP_FileDialogDetailedView, "preferences-desktop-font", bar);
    auto *bNotepad = PictureButton("bNotepad", QStringLiteral("Launch Notepad"),
        QStyle::SP_FileIcon, "accessories-text-editor", bar);
    auto *bWordpad = PictureButton("bWordpad", QStringLiteral("Launch Wordpad"),
        QStyle::SP_FileDialogInfoView, "x-office-document", bar);

    auto *stack = new QVBoxLayout;
    stack->setSpacing(1);
    stack->addWidget(bSelAll);
    stack->addWidget(bDelSel);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(4, 2, 4, 2);
    barLayout->setSpacing(4);
    for (QPushButton *button : { bOpenIt, bSaveIt, bBrowse, bOK })
        barLayout->addWidget(button);
    barLayout->addLayout(stack);
    for (QToolButton *button : { bUndo, bRedo, bFind, bReplace, bFont, bNotepad, bWordpad })
        barLayout->addWidget(button);
    barLayout->addStretch();

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setAccessibleName(QStringLiteral("HTML Text"));
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    Memo1->setFont(font);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(Memo1);

    connect(bOpenIt, &QPushButton::clicked, this, &HtmlEditorWindow::bOpenItClick);
    connect(bSaveIt, &QPushButton::clicked, this, &HtmlEditorWindow::bSaveItClick);
    connect(bBrowse, &QPushButton::clicked, this, &HtmlEditorWindow::bBrowseClick);
    connect(bOK, &QPushButton::clicked, this, &HtmlEditorWindow::bOKClick);
    connect(bSelAll, &QPushButton::clicked, this, &HtmlEditorWindow::bSelAllClick);
    connect(bDelSel, &QPushButton::clicked, this, &HtmlEditorWindow::bDelSelClick);
    connect(bUndo, &QToolButton::clicked, Memo1, &QPlainTextEdit::undo);
    connect(bRedo, &QToolButton::clicked, Memo1, &QPlainTextEdit::redo);
    connect(bFind, &QToolButton::clicked, this, &HtmlEditorWindow::bFindClick);
    connect(bReplace, &QToolButton::clicked, this, &HtmlEditorWindow::bReplaceClick);
    connect(bFont, &QToolButton::clicked, this, &HtmlEditorWindow::bFontClick);
    connect(bNotepad, &QToolButton::clicked, this,
        [this] { m_shell.startProgram(Shell::Program::TextEditor); });
    connect(bWordpad, &QToolButton::clicked, this,
        [this] { m_shell.startProgram(Shell::Program::WordProcessor); });
    // Memo1SelectionChange: the text takes the keyboard focus whenever its selection moves.
    connect(Memo1, &QPlainTextEdit::selectionChanged, this, [this] {
        if (Memo1->isVisible() && Memo1->isEnabled() && !Memo1->hasFocus())
            Memo1->setFocus();
    });
}

HtmlEditorWindow::~HtmlEditorWindow() = default;

void HtmlEditorWindow::setFileChoosers(ChooseSaveFile save, ChooseOpenFile open)
{
    m_chooseSave = std::move(save);
    m_chooseOpen = std::move(open);
}

void HtmlEditorWindow::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

bool HtmlEditorWindow::isModified() const
{
    return Memo1->document()->isModified();
}

QString HtmlEditorWindow::text() const
{
    // Block by block: toPlainText() would turn no-break spaces into plain ones.
    QString all;
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next()) {
        if (block != Memo1->document()->begin())
            all += u'\n';
        all += block.text();
    }
    return all;
}

bool HtmlEditorWindow::writeTo(const QString &path)
{
    if (const auto failure = WriteFileSafely(path, EncodeTextFile(text(), m_encoding))) {
        m_messages.error(*failure);
        return false;
    }
    return true;
}

HtmlEditorWindow::SaveAs HtmlEditorWindow::saveAs()
{
    const QString path = m_chooseSave(this, m_savePreset);
    if (path.isEmpty())
        return { SaveResult::Cancelled, QString() };
    return { writeTo(path) ? SaveResult::Written : SaveResult::Failed, path };
}

void HtmlEditorWindow::offerToSaveEdits()
{
    // A failed write asks again, so edits are dropped only when the user says so.
    while (isModified()
        && m_messages.ask(MessageIcon::Question, SaveFileQuestion(), MessageButtons::YesNo)
            == MessageAnswer::Yes) {
        if (saveAs().result != SaveResult::Failed)
            return;
    }
}

void HtmlEditorWindow::saveEditsBeforeExit()
{
    offerToSaveEdits();
}

void HtmlEditorWindow::ShowGeneratedPage(const QString &text, const QString &pagePath,
    const QString &outputFolder, const QString &browseFile)
{
    offerToSaveEdits();
    // The page is written before the editor changes, so a failure leaves it bound as it was.
    StorePage(pagePath, text);

    show();
    raise();
    activateWindow();
    Memo1->setPlainText(TextOfPage(text + QStringLiteral("\r\n")));
    QTextCursor caret = Memo1->textCursor();
    caret.setPosition(std::min(1, Memo1->document()->characterCount() - 1));
    Memo1->setTextCursor(caret);
    setCaption(QStringLiteral("HTML Editor: ") + pagePath);
    m_savePreset = pagePath;
    m_openFolder = outputFolder;
    m_currentFile = pagePath;
    m_browseFile = browseFile;
    m_encoding = TextEncoding::Utf8;
    Memo1->document()->setModified(false);
}

void HtmlEditorWindow::setBrowseEnabled(bool enabled)
{
    bBrowse->setEnabled(enabled);
}

void HtmlEditorWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void HtmlEditorWindow::bOpenItClick()
{
    if (isModified()
        && m_messages.ask(MessageIcon::Question, FileChangedQuestion(), MessageButtons::YesNo)
            == MessageAnswer::Yes) {
        // A failed save ends the command: the edits stay.
        if (saveAs().result == SaveResult::Failed)
            return;
    }
    const QString path = m_chooseOpen(this, m_openFolder);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_messages.error(QStringLiteral("Cannot open file ") + path);
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_messages.error(QStringLiteral("Cannot open file ") + path);
        return;
    }
    const DecodedText decoded = DecodeTextFile(bytes);
    Memo1->setPlainText(decoded.text);
    m_encoding = decoded.encoding;
    m_currentFile = path;
    m_browseFile.clear();
    m_savePreset = path;
    setCaption(QStringLiteral("HTML Editor: ") + path);
    Memo1->document()->setModified(false);
}

bool HtmlEditorWindow::saveAsCurrentFile()
{
    const SaveAs saved = saveAs();
    if (saved.result != SaveResult::Written)
        return false;
    m_currentFile = saved.path;
    Memo1->document()->setModified(false);
    return true;
}

void HtmlEditorWindow::bSaveItClick()
{
    saveAsCurrentFile();
}

void HtmlEditorWindow::bBrowseClick()
{
    if (m_currentFile.isEmpty()) {
        if (m_messages.ask(MessageIcon::Question, QString::fromLatin1(kMustBeSavedQuestion),
                MessageButtons::YesNo)
            != MessageAnswer::Yes)
            return;
        if (!saveAsCurrentFile())
            return;
    }
    if (isModified()) {
        switch (m_messages.ask(MessageIcon::Question, QString::fromLatin1(kSaveChangesQuestion),
            MessageButtons::YesNoCancel)) {
        case MessageAnswer::Yes:
            // A failed save ends the command rather than showing the stale file.
            if (!writeTo(m_currentFile))
                return;
            Memo1->document()->setModified(false);
            break;
        case MessageAnswer::No:
            break;
        default:
            return;
        }
    }
    m_shell.openWithAssociatedProgram(m_browseFile.isEmpty() ? m_currentFile : m_browseFile);
}

void HtmlEditorWindow::bOKClick()
{
    if (m_currentFile.isEmpty() || isModified()) {
        if (m_messages.ask(MessageIcon::Question, SaveFileQuestion(), MessageButtons::YesNo)
                == MessageAnswer::Yes
            && saveAs().result == SaveResult::Failed)
            return;
    }
    hide();
}

void HtmlEditorWindow::bSelAllClick()
{
    Memo1->setFocus();
    Memo1->selectAll();
}

void HtmlEditorWindow::bDelSelClick()
{
    QTextCursor caret = Memo1->textCursor();
    caret.setPosition(0);
    Memo1->setTextCursor(caret);
}

FindReplaceDialog *HtmlEditorWindow::findDialog(bool replacing)
{
    FindReplaceDialog *&dialog = replacing ? m_replace : m_find;
    if (!dialog) {
        dialog = new FindReplaceDialog(
            replacing ? FindReplaceDialog::Kind::Replace : FindReplaceDialog::Kind::Find, this);
        dialog->setWindowFlag(Qt::Tool);
        connect(dialog, &FindReplaceDialog::findNext, this, [this, dialog] { doFind(dialog); });
        connect(dialog, &FindReplaceDialog::replace, this, [this, dialog] { doReplace(dialog); });
        connect(
            dialog, &FindReplaceDialog::replaceAll, this, [this, dialog] { doReplaceAll(dialog); });
    }
    // The search text passes from the other dialog; a selection in the text takes its place.
    const FindReplaceDialog *other = replacing ? m_find : m_replace;
    if (other)
        dialog->setFindText(other->findText());
    const QString selected = Memo1->textCursor().selectedText();
    if (!selected.isEmpty())
        dialog->setFindText(selected);
    return dialog;
}

void HtmlEditorWindow::bFindClick()
{
    FindReplaceDialog *dialog = findDialog(false);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void HtmlEditorWindow::bReplaceClick()
{
    FindReplaceDialog *dialog = findDialog(true);
    dialog->setReplaceText(QString());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void HtmlEditorWindow::selectRange(qsizetype start, qsizetype length)
{
    QTextCursor cursor = Memo1->textCursor();
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
    Memo1->setTextCursor(cursor);
}

namespace {

TextRange SelectionOf(const QTextCursor &cursor)
{
    return { cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart() };
}

} // namespace

void HtmlEditorWindow::doFind(FindReplaceDialog *dialog)
{
    const auto found
        = FindNext(text(), dialog->findText(), SelectionOf(Memo1->textCursor()), dialog->options());
    if (!found)
        return;
    selectRange(found->start, found->length);
    moveOffSelection(dialog);
}

void HtmlEditorWindow::doReplace(FindReplaceDialog *dialog)
{
    const QString what = dialog->findText();
    const auto found = FindNext(text(), what, SelectionOf(Memo1->textCursor()), dialog->options());
    if (!found)
        return;
    selectRange(found->start, found->length);
    Memo1->textCursor().insertText(dialog->replaceText());
    selectRange(found->start, dialog->replaceText().size());
    moveOffSelection(dialog);
}

void HtmlEditorWindow::doReplaceAll(FindReplaceDialog *dialog)
{
    const ReplaceResult result = ReplaceAll(text(), dialog->findText(), dialog->replaceText(),
        SelectionOf(Memo1->textCursor()), dialog->options());
    if (result.count == 0)
        return;
    // One edit, so one Undo takes the whole replacement back.
    QTextCursor all(Memo1->document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.insertText(result.text);
    all.endEditBlock();
    selectRange(result.selection.start, result.selection.length);
    moveOffSelection(dialog);
}

void HtmlEditorWindow::moveOffSelection(QWidget *dialog)
{
    if (!dialog->isVisible())
        return;
    const QRect match(
        Memo1->viewport()->mapToGlobal(Memo1->cursorRect().topLeft()), Memo1->cursorRect().size());
    const QRect frame = dialog->frameGeometry();
    if (!frame.intersects(match.adjusted(-4, -4, 4, 4)))
        return;
    // Above the match when there is room on the screen, otherwise below it.
    const QRect screen = dialog->screen() ? dialog->screen()->availableGeometry() : QRect();
    int top = match.top() - frame.height() - 8;
    if (screen.isValid() && top < screen.top())
        top = match.bottom() + 8;
    dialog->move(frame.left(), top);
}

void HtmlEditorWindow::applyFont(const QFont &font, const QColor &color)
{
    Memo1->setFont(font);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Text, color);
    Memo1->setPalette(palette);
}

void HtmlEditorWindow::bFontClick()
{
    if (!FD1) {
        FD1 = new EditorFontDialog(this);
        connect(FD1, &EditorFontDialog::applied, this, &HtmlEditorWindow::applyFont);
    }
    FD1->setChoice(Memo1->font(), Memo1->palette().color(QPalette::Text));
    if (FD1->exec() == QDialog::Accepted)
        applyFont(FD1->chosenFont(), FD1->chosenColor());
}

} // namespace pixmaro
