// File list box: the files of one folder that match a file-type mask, by bare name.
#pragma once

#include <QListWidget>

#include <vector>

namespace pixmaro {

/// Lists the files of its folder matching its mask, in the order the job's file list has them
/// (each mask part in turn, then sorted ignoring case); a file matching two parts is listed
/// twice. The listing is the core's, not the widget's own filtering.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString folder() const { return m_folder; }
    QString mask() const { return m_mask; }
    /// Lists `folder` afresh; the highlight is lost.
    void setFolder(const QString &folder);
    /// Lists the folder afresh with `mask` (";"-separated wildcards).
    void setMask(const QString &mask);
    /// Reads the folder again from the disk.
    void refresh();

    /// Every entry's text, top to bottom.
    QStringList entries() const;
    /// One flag per entry: whether it is highlighted.
    std::vector<bool> highlighted() const;
    /// Makes the first entry the current one without changing the highlight.
    void makeFirstCurrent();

private:
    QString m_folder;
    QString m_mask;
};

} // namespace pixmaro
