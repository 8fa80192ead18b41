// Folder tree: the folders of the file system as a tree, one of them current.
#include "ui/FolderTree.h"

#include "settings/MainWindowSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>

namespace pixmaro {

FolderTree::FolderTree(QWidget *parent)
    : QTreeView(parent)
{
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    attachModel();
}

void FolderTree::attachModel()
{
    auto *old = m_model;
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setReadOnly(true);
    m_model->setRootPath(QDir::rootPath());
    // The view makes a new selection model for the new tree; the old one goes with the old tree.
    QItemSelectionModel *oldSelection = selectionModel();
    setModel(m_model);
    delete oldSelection;
    for (int column = 1; column < m_model->columnCount(); ++column)
        hideColumn(column);
    // Deep folders scroll sideways rather than having their names cut off.
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    // The tree reads folders in the background: once the folders above the current one are read,
    // bring the current one into view.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        if (!m_folder.isEmpty()
            && (m_folder == loaded
                || m_folder.startsWith(loaded.endsWith(u'/') ? loaded : loaded + u'/')))
            scrollTo(currentIndex());
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) {
            const QString path = current.isValid() ? m_model->filePath(current) : QString();
            if (path.isEmpty() || path == m_folder)
                return;
            m_folder = path;
            Q_EMIT folderChanged(m_folder);
        });
    delete old;
}

QString FolderTree::folder() const
{
    return m_folder;
}

bool FolderTree::setFolder(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return false;
    const QModelIndex index = m_model->index(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (!index.isValid())
        return false;
    setCurrentIndex(index);
    scrollTo(index);
    return true;
}

void FolderTree::showEvent(QShowEvent *event)
{
    QTreeView::showEvent(event);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

void FolderTree::refresh()
{
    const QString current = m_folder;
    m_folder.clear();
    attachModel();
    const auto existing = NearestExistingFolder(current);
    if (!existing || !setFolder(*existing))
        setFolder(QDir::rootPath());
}

} // namespace pixmaro
