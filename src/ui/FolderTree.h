// Folder tree: the folders of the file system as a tree, one of them current.
#pragma once

#include <QTreeView>

class QFileSystemModel;

namespace pixmaro {

/// A tree of folders only (no files), rooted at the file system's root. The current folder is
/// reported without a trailing separator, "/" for the root itself.
class FolderTree : public QTreeView {
    Q_OBJECT
public:
    explicit FolderTree(QWidget *parent = nullptr);

    /// The current folder, or an empty text when none is current.
    QString folder() const;
    /// Makes `path` current (expanding the tree down to it and scrolling it into view). Returns
    /// false and changes nothing when `path` is not an existing folder.
    bool setFolder(const QString &path);
    /// Reads the tree afresh from the disk and makes the same folder current again (or its nearest
    /// existing parent when it has gone).
    void refresh();

Q_SIGNALS:
    /// The current folder changed, by the user or by setFolder.
    void folderChanged(const QString &folder);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void attachModel();

    QFileSystemModel *m_model = nullptr;
    QString m_folder;
};

} // namespace pixmaro
