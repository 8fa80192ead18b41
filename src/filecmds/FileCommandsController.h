// The file commands of the wizard's first two pages, attached to the main window's controls.
#pragma once

#include "filecmds/FileCommands.h"
#include "settings/DeleteConfirmSettings.h"

#include <QObject>

#include <functional>
#include <optional>

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;

namespace pixmaro {

class ConfirmDeleteDialog;
class FileListBox;
class FolderTree;
class Messages;
class PreviewPane;
class PreviewWindow;
class Shell;

/// Carries out the file commands on the main window's trees and lists, found by their names
/// (fDir, fBox, fNewDir, fNewBox, lbMFL, lMFL, the pane Image1, the menus pm1 and pm2, the
/// toolbar's SpeedButton2 and the input page's panel pnlFileCommands, which it fills with the
/// selection, delete and rename controls). It owns the deletion confirmation (TForm4) and the
/// full-size preview (TForm2). Every path comes from the folder a list was read from, never from
/// what a tree shows at the moment of the command.
class FileCommandsController : public QObject {
    Q_OBJECT
public:
    /// Attaches to `window`'s controls; `kept` is TForm4's setting as read from the settings file.
    FileCommandsController(
        QWidget &window, Messages &messages, Shell &shell, const DeleteConfirmSettings &kept);
    ~FileCommandsController() override;

    /// TForm4's setting as it stands now, to be written to the settings file.
    DeleteConfirmSettings keptSettings() const;
    /// Sets TForm4's check box from `kept` (the reset to the factory settings).
    void setKeptSettings(const DeleteConfirmSettings &kept);

    // Handlers, named after their controls.
    void bSelAllClick();
    void InvertSelection2Click(); // "DeSelect All"
    void InvertSelection1Click(); // "Invert Selection"
    void bDelSelClick();
    void bRenIndClick();
    void bRenameOKClick();
    void bRenameCanClick();
    void CreateNewDirectory1Click() { createFolder(*fDir); }
    void CreateNewDirectory2Click() { createFolder(*fNewDir); }
    void RemoveDirectory1Click() { removeFolder(*fDir, *fNewDir); }
    void RemoveDirectory2Click() { removeFolder(*fNewDir, *fDir); }
    void RefreshDirectory1Click();
    void RefreshDirectory2Click();
    void pm1Popup();
    void Image1Click();
    void lbMFLClick(QListWidgetItem *item);


protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildInputPageControls(QWidget &panel);
    void buildMenus(QMenu &input, QMenu &output);
    void showRenameControls(bool editing);
    void createFolder(FolderTree &tree);
    void removeFolder(FolderTree &tree, FolderTree &other);
    void openFile(FileListBox &list, QListWidgetItem *item);
    void previewFromList(FileListBox &list, const QPoint &at);
    int selectedCount() const;

    QWidget &m_window;
    Messages &m_messages;
    Shell &m_shell;
    ConfirmDeleteDialog *m_form4;
    PreviewWindow *m_form2;
    std::optional<RenameSession> m_rename; // RenameSource and RenameIndex

    FolderTree *fDir;
    FileListBox *fBox;
    FolderTree *fNewDir;
    FileListBox *fNewBox;
    QListWidget *lbMFL;
    QLabel *lMFL;
    PreviewPane *Image1;
    QAbstractButton *SpeedButton2;

    QPushButton *bSelAll = nullptr;
    QPushButton *bDeSelAll = nullptr;
    QPushButton *bInvertSel = nullptr;
    QPushButton *bDelSel = nullptr;
    QPushButton *bRenInd = nullptr;
    QLineEdit *eFileEdit = nullptr;
    QPushButton *bRenameOK = nullptr;
    QPushButton *bRenameCan = nullptr;
    QAction *m_deleteAction = nullptr; // pm1 "Delete Selected Files"
};

} // namespace pixmaro
