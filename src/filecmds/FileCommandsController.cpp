// The file commands of the wizard's first two pages, attached to the main window's controls.
#include "filecmds/FileCommandsController.h"

#include "base/Paths.h"
#include "filecmds/ConfirmDeleteDialog.h"
#include "imaging/PreviewWindow.h"
#include "shell/Messages.h"
#include "shell/Shell.h"
#include "ui/CreateFolderDialog.h"
#include "ui/FileListBox.h"
#include "ui/FolderTree.h"
#include "ui/PreviewPane.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace pixmaro {

namespace {

template <typename T> T *Find(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        throw std::logic_error(std::string("the main window has no ") + name);
    return found;
}

QPushButton *Button(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// The action of `menu` with `text`, or none.
QAction *ActionNamed(QMenu &menu, const QString &text)
{
    for (QAction *action : menu.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

FileCommandsController::FileCommandsController(
    QWidget &window, Messages &messages, Shell &shell, const DeleteConfirmSettings &kept)
    : QObject(&window)
    , m_window(window)
    , m_messages(messages)
    , m_shell(shell)
    , m_form4(new ConfirmDeleteDialog(kept, messages, &window))
    , m_form2(new PreviewWindow(&window))
    , fDir(Find<FolderTree>(window, "fDir"))
    , fBox(Find<FileListBox>(window, "fBox"))
    , fNewDir(Find<FolderTree>(window, "fNewDir"))
    , fNewBox(Find<FileListBox>(window, "fNewBox"))
    , lbMFL(Find<QListWidget>(window, "lbMFL"))
    , lMFL(Find<QLabel>(window, "lMFL"))
    , Image1(Find<PreviewPane>(window, "Image1"))
    , SpeedButton2(Find<QAbstractButton>(window, "SpeedButton2"))
{
    setObjectName(QStringLiteral("FileCommands"));
    buildInputPageControls(*Find<QWidget>(window, "pnlFileCommands"));
    buildMenus(*Find<QMenu>(window, "pm1"), *Find<QMenu>(window, "pm2"));

    // A left press on a picture previews it; the Delete key deletes the highlighted files; a
    // double click opens a file with its program.
    for (FileListBox *list : { fBox, fNewBox }) {
        list->viewport()->installEventFilter(this);
        connect(list, &QListWidget::itemDoubleClicked, this,
            [this, list](QListWidgetItem *item) { openFile(*list, item); });
    }
    fBox->installEventFilter(this);
    connect(lbMFL, &QListWidget::itemClicked, this, &FileCommandsController::lbMFLClick);
    connect(Image1, &PreviewPane::clicked, this, &FileCommandsController::Image1Click);
}

FileCommandsController::~FileCommandsController() = default;

DeleteConfirmSettings FileCommandsController::keptSettings() const
{
    return m_form4->keptSettings();
}

void FileCommandsController::setKeptSettings(const DeleteConfirmSettings &kept)
{
    m_form4->setKeptSettings(kept);
}

void FileCommandsController::buildInputPageControls(QWidget &panel)
{
    bSelAll = Button(QStringLiteral("Select All"), "bSelAll", &panel);
    bDeSelAll = Button(QStringLiteral("DeSelect All"), "bDeSelAll", &panel);
    bInvertSel = Button(QStringLiteral("Invert Selection"), "bInvertSel", &panel);
    bDelSel = Button(QStringLiteral("Delete Selected Files"), "bDelSel", &panel);
    bRenInd = Button(QStringLiteral("Rename Manually Now"), "bRenInd", &panel);
    eFileEdit = new QLineEdit(&panel);
    eFileEdit->setObjectName(QStringLiteral("eFileEdit"));
    eFileEdit->setAccessibleName(QStringLiteral("New file name"));
    bRenameOK = Button(QStringLiteral("OK"), "bRenameOK", &panel);
    bRenameOK->setAccessibleName(QStringLiteral("Rename"));
    bRenameCan = Button(QStringLiteral("Cancel"), "bRenameCan", &panel);
    bRenameCan->setAccessibleName(QStringLiteral("Cancel Rename"));
    for (QPushButton *small : { bRenameOK, bRenameCan })
        small->setMaximumWidth(small->fontMetrics().horizontalAdvance(small->text()) + 20);

    auto *column = new QVBoxLayout(&panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    for (QPushButton *button : { bSelAll, bDeSelAll, bInvertSel, bDelSel, bRenInd })
        column->addWidget(button);
    auto *rename = new QHBoxLayout;
    rename->setSpacing(2);
    rename->addWidget(eFileEdit, 1);
    rename->addWidget(bRenameOK);
    rename->addWidget(bRenameCan);
    column->addLayout(rename);
    showRenameControls(false);

    connect(bSelAll, &QPushButton::clicked, this, &FileCommandsController::bSelAllClick);
    connect(bDeSelAll, &QPushButton::clicked, this, &FileCommandsController::InvertSelection2Click);
    connect(
        bInvertSel, &QPushButton::clicked, this, &FileCommandsController::InvertSelection1Click);
    connect(bDelSel, &QPushButton::clicked, this, &FileCommandsController::bDelSelClick);
    connect(bRenInd, &QPushButton::clicked, this, &FileCommandsController::bRenIndClick);
    connect(bRenameOK, &QPushButton::clicked, this, &FileCommandsController::bRenameOKClick);
    connect(bRenameCan, &QPushButton::clicked, this, &FileCommandsController::bRenameCanClick);
    // Enter in the edit box confirms as the button does.
    connect(eFileEdit, &QLineEdit::returnPressed, this, &FileCommandsController::bRenameOKClick);
}

void FileCommandsController::buildMenus(QMenu &input, QMenu &output)
{
    // The commands go between the page entries at the top and "Exit" at the bottom.
    const auto insert = [this](QMenu &menu,
                            const std::vector<std::pair<QString, std::function<void()>>> &entries) {
        QAction *exit = ActionNamed(menu, QStringLiteral("Exit"));
        std::vector<QAction *> added;
        for (const auto &[text, run] : entries) {
            auto *action = new QAction(&menu);
            if (text.isEmpty()) {
                action->setSeparator(true);
            } else {
                action->setText(text);
                connect(action, &QAction::triggered, this, run);
            }
            menu.insertAction(exit, action);
            added.push_back(action);
        }
        return added;
    };
    const auto explorer = [this] { SpeedButton2->click(); };
    const auto added = insert(input,
        {
            { QStringLiteral("Create New Directory"), [this] { CreateNewDirectory1Click(); } },
            { QStringLiteral("Refresh Directory"), [this] { RefreshDirectory1Click(); } },
            { QStringLiteral("Remove Directory"), [this] { RemoveDirectory1Click(); } },
            { {}, {} },
            { QStringLiteral("Select All"), [this] { bSelAllClick(); } },
            { QStringLiteral("DeSelect All"), [this] { InvertSelection2Click(); } },
            { QStringLiteral("Invert Selection"), [this] { InvertSelection1Click(); } },
            { {}, {} },
            { QStringLiteral("Delete Selected Files"), [this] { bDelSelClick(); } },
            { {}, {} },
            { QStringLiteral("Launch Explorer"), explorer },
            { {}, {} },
        });
    m_deleteAction = added[8];
    insert(output,
        {
            { QStringLiteral("Create New Directory"), [this] { CreateNewDirectory2Click(); } },
            { QStringLiteral("Refresh Directory"), [this] { RefreshDirectory2Click(); } },
            { QStringLiteral("Remove Directory"), [this] { RemoveDirectory2Click(); } },
            { {}, {} },
            { QStringLiteral("Launch Explorer"), explorer },
            { {}, {} },
        });
    connect(&input, &QMenu::aboutToShow, this, &FileCommandsController::pm1Popup);
}

int FileCommandsController::selectedCount() const
{
    int count = 0;
    for (bool highlighted : fBox->highlighted())
        count += highlighted ? 1 : 0;
    return count;
}

void FileCommandsController::pm1Popup()
{
    m_deleteAction->setEnabled(
        InputMenuEnablingFor(fBox->count(), selectedCount()).deleteSelectedFiles);
}

void FileCommandsController::bSelAllClick()
{
    for (int row = 0; row < fBox->count(); ++row)
        fBox->item(row)->setSelected(true);
}

void FileCommandsController::InvertSelection2Click()
{
    for (int row = 0; row < fBox->count(); ++row)
        fBox->item(row)->setSelected(false);
}

void FileCommandsController::InvertSelection1Click()
{
    const std::vector<bool> inverted = InvertedSelection(fBox->highlighted());
    for (int row = 0; row < fBox->count(); ++row)
        fBox->item(row)->setSelected(inverted[std::size_t(row)]);
}

void FileCommandsController::bDelSelClick()
{
    const int count = selectedCount();
    if (count == 0)
        return;
    // The paths come from the folder the list was read from, top to bottom.
    QStringList paths;
    const std::vector<bool> highlighted = fBox->highlighted();
    for (int row = 0; row < fBox->count(); ++row) {
        if (highlighted[std::size_t(row)])
            paths << PathIn(fBox->folder(), fBox->item(row)->text());
    }
    if (!m_form4->confirmDeletion(count))
        return;
    // What could not be deleted stays listed when the lists are read again.
    DeleteFiles(m_shell, paths, m_form4->toRecycleBin());
    fBox->refresh();
    fNewBox->refresh();
    lbMFL->clear();
    lMFL->setText(QString::fromUtf16(kSourceFilesNoneText));
}

void FileCommandsController::showRenameControls(bool editing)
{
    bRenInd->setVisible(!editing);
    eFileEdit->setVisible(editing);
    bRenameOK->setVisible(editing);
    bRenameCan->setVisible(editing);
}

void FileCommandsController::bRenIndClick()
{
    if (selectedCount() == 0)
        return;
    m_rename
        = StartRename(fBox->folder(), fBox->entries(), fBox->highlighted(), fBox->currentRow());
    if (!m_rename)
        return;
    eFileEdit->setText(m_rename->name);
    showRenameControls(true);
    eFileEdit->setFocus();
    eFileEdit->selectAll();
}

void FileCommandsController::bRenameOKClick()
{
    if (!m_rename)
        return;
    const RenameSession session = *m_rename;
    const QString typed = eFileEdit->text();
    if (typed != session.name) {
        // The list may have been read again since the rename started: find the entry anew.
        if (const int row = CurrentRenameIndex(fBox->entries(), session);
            row >= 0 && fBox->folder() == session.folder)
            fBox->item(row)->setSelected(false);
        // The file moves within its own folder, whatever folder the tree shows now.
        if (RenameInFolder(session.folder, session.name, typed) == RenameOutcome::Failed) {
            m_messages.inform(QString::fromUtf16(kRenameFailedText));
            return;
        }
    }
    if (const int row = CurrentRenameIndex(fBox->entries(), session);
        row >= 0 && fBox->folder() == session.folder)
        fBox->item(row)->setSelected(true);
    fBox->refresh();
    m_rename.reset();
    showRenameControls(false);
}

void FileCommandsController::bRenameCanClick()
{
    m_rename.reset();
    showRenameControls(false);
}

void FileCommandsController::createFolder(FolderTree &tree)
{
    const QString start = tree.folder();
    CreateFolderDialog dialog(start, m_messages, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Each tree is read again and keeps its folder: neither moves to the new one.
    fDir->refresh();
    fNewDir->refresh();
}

void FileCommandsController::removeFolder(FolderTree &tree, FolderTree &other)
{
    const QString folder = tree.folder();
    if (folder.isEmpty())
        return;
    if (m_messages.ask(
            MessageIcon::Question, RemoveFolderQuestion(folder), MessageButtons::OkCancel)
        != MessageAnswer::Ok)
        return;
    // The tree lets go of the folder first.
    const QString parent = ParentFolder(folder);
    if (!parent.isEmpty())
        tree.setFolder(parent);
    if (!RemoveEmptyFolder(folder)) {
        m_messages.error(QString::fromUtf16(kRemoveFolderFailedText));
        tree.setFolder(folder);
    }
    // A tree that showed the removed folder (the other one too) moves to the nearest folder left.
    tree.refresh();
    other.refresh();
}

void FileCommandsController::RefreshDirectory1Click()
{
    fDir->refresh();
}

void FileCommandsController::RefreshDirectory2Click()
{
    fNewDir->refresh();
}

void FileCommandsController::openFile(FileListBox &list, QListWidgetItem *item)
{
    if (!item)
        return;
    if (!OpenWithAssociatedProgram(m_shell, PathIn(list.folder(), item->text())))
        m_messages.error(QString::fromUtf16(kCouldNotOpenFileText));
}

void FileCommandsController::previewFromList(FileListBox &list, const QPoint &at)
{
    if (list.count() == 0)
        return;
    QListWidgetItem *item = list.itemAt(at);
    if (!item)
        return;
    PreviewFromFileList(*Image1, *m_form2, m_messages, list.folder(), item->text());
}

void FileCommandsController::lbMFLClick(QListWidgetItem *item)
{
    if (!item)
        return;
    // The selected files lie in the folder the input list was read from.
    PreviewFromSourceList(
        *Image1, *m_form2, m_messages, fBox->folder(), fBox->folder(), item->text());
}

void FileCommandsController::Image1Click()
{
    OpenFullSizePreview(*Image1, *m_form2);
}

bool FileCommandsController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *press = static_cast<QMouseEvent *>(event);
        for (FileListBox *list : { fBox, fNewBox }) {
            if (watched == list->viewport() && press->button() == Qt::LeftButton)
                previewFromList(*list, press->position().toPoint());
        }
    } else if (watched == fBox && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete && selectedCount() > 0) {
        bDelSelClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pixmaro
