// File list box: the files of one folder that match a file-type mask, by bare name.
#include "ui/FileListBox.h"

#include "job/FileList.h"

namespace pixmaro {

FileListBox::FileListBox(QWidget *parent)
    : QListWidget(parent)
{
    setUniformItemSizes(true);
}

void FileListBox::setFolder(const QString &folder)
{
    m_folder = folder;
    refresh();
}

void FileListBox::setMask(const QString &mask)
{
    m_mask = mask;
    refresh();
}

void FileListBox::refresh()
{
    clear();
    if (!m_folder.isEmpty())
        addItems(ListFiles(m_folder, m_mask));
}

QStringList FileListBox::entries() const
{
    QStringList names;
    names.reserve(count());
    for (int row = 0; row < count(); ++row)
        names << item(row)->text();
    return names;
}

std::vector<bool> FileListBox::highlighted() const
{
    std::vector<bool> flags(static_cast<size_t>(count()));
    for (int row = 0; row < count(); ++row)
        flags[size_t(row)] = item(row)->isSelected();
    return flags;
}

void FileListBox::makeFirstCurrent()
{
    if (count() > 0)
        setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

} // namespace pixmaro
