// The create-folder dialog: a folder tree and a path field; a typed path is made with every level.
#pragma once

#include <QDialog>

class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace pixmaro {

class Messages;

/// A modal dialog that starts at a folder and confirms with OK a folder that exists afterwards.
/// The path field ("Folder") follows the folder picked in the tree; a path typed there that does
/// not exist is made, with all its missing levels, after the user agrees. A relative path is taken
/// from the folder picked in the tree. When the folder cannot be made the user is told and the
/// dialog stays open: OK is never the answer for a folder that is not there.
class CreateFolderDialog : public QDialog {
    Q_OBJECT
public:
    CreateFolderDialog(const QString &startFolder, Messages &messages, QWidget *parent = nullptr);

    /// The folder confirmed with OK (absolute, without a trailing separator).
    const QString &chosenFolder() const { return m_chosen; }
    /// The folder picked in the tree, which a relative path starts from.
    QString treeFolder() const;

    void accept() override;

private:
    void treeFolderPicked();

    Messages &m_messages;
    QString m_start;
    QString m_chosen;
    QFileSystemModel *m_model;
    QTreeView *m_tree;
    QLineEdit *m_path;
    QPushButton *m_ok;
};

} // namespace pixmaro
