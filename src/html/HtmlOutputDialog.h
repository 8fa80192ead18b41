// The output-location dialog: the folder and file name of the gallery page, with the folder's HTML
// files listed and a few file commands on them.
#pragma once

#include "html/GalleryFlow.h"
#include "settings/HtmlOutputSettings.h"
#include "shell/Messages.h"
#include "shell/Shell.h"

#include <QDialog>

#include <functional>
#include <optional>

class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTreeView;

namespace pixmaro {

inline constexpr const char *kOverwriteQuestion = "Overwrite file?";

class HtmlOutputDialog : public QDialog {
    Q_OBJECT
public:
    /// Asks whether to delete `count` files ("Confirm deletion of <count> files..."): returns
    /// nothing when the answer is not Yes, else whether they go to the trash (true) or are deleted
    /// for good (false).
    using ConfirmDelete = std::function<std::optional<bool>(int count)>;

    HtmlOutputDialog(Messages &messages, Shell &shell, QWidget *parent = nullptr);

    /// Replaces the deletion question: the program's deletion confirmation. Until one is given, a
    /// Yes/No box through Messages asks, and Yes sends the files to the trash.
    void setDeleteConfirmation(ConfirmDelete confirm) { m_confirmDelete = std::move(confirm); }

    void loadSettings(const HtmlOutputSettings &stored);
    HtmlOutputSettings settings() const;
    /// The file name back to "MyWeb.htm".
    void resetToDefaults();

    /// Readies a showing: the tree opens on `runFolder` (the run's output folder) when it exists,
    /// else on the folder last confirmed with OK, else on the nearest existing folder above them,
    /// else on the root; the list is re-read.
    void prepareToShow(const QString &runFolder);
    /// Selects `folder` in the tree and lists its HTML files.
    void setFolder(const QString &folder);

    /// The folder selected in the tree (never empty) and the file name as it stands.
    QString chosenFolder() const { return m_folder; }
    QString chosenFileName() const;
    GalleryLocation location() const { return { chosenFolder(), chosenFileName() }; }

    void refreshFiles();
    void bOKClick();
    void OpenInNotepadClick();
    void SelectAllClick();
    void DeSelectAllClick();
    void InvertSelectionClick();
    void DeleteSelectedClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Messages &m_messages;
    Shell &m_shell;
    ConfirmDelete m_confirmDelete;
    QString m_folder;
    QString m_keptFolder; // the folder of the last page confirmed
    QFileSystemModel *m_model;
    QTreeView *dtTree;
    QListWidget *lbFiles;
    QLineEdit *eFileName;
    QMenu *pmFiles;
};

} // namespace pixmaro
