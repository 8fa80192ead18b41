// The create-folder dialog: a folder tree and a path field; a typed path is made with every level.
#include "ui/CreateFolderDialog.h"

#include "filecmds/FileCommands.h"
#include "shell/Messages.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace pixmaro {

CreateFolderDialog::CreateFolderDialog(
    const QString &startFolder, Messages &messages, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_start(NearestFolderOrRoot(startFolder))
    , m_model(new QFileSystemModel(this))
    , m_tree(new QTreeView(this))
    , m_path(new QLineEdit(this))
{
    setObjectName(QStringLiteral("CreateFolderDialog"));
    setWindowTitle(QStringLiteral("Create New Directory"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *intro = new QLabel(
        QStringLiteral("Pick a folder, or type the path of a new folder to create:"), this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QStringLiteral("/"));
    m_tree->setObjectName(QStringLiteral("dirTree"));
    m_tree->setAccessibleName(QStringLiteral("Folders"));
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setHeaderHidden(true);
    m_tree->setMinimumSize(360, 260);
    const QModelIndex start = m_model->index(m_start);
    m_tree->setCurrentIndex(start);
    m_tree->scrollTo(start);
    m_tree->expand(start);

    auto *pathLabel = new QLabel(QStringLiteral("&Folder:"), this);
    m_path->setObjectName(QStringLiteral("eFolder"));
    m_path->setAccessibleName(QStringLiteral("Folder"));
    m_path->setText(m_start);
    pathLabel->setBuddy(m_path);

    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("bOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("bCancel"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_tree, 1);
    layout->addWidget(pathLabel);
    layout->addWidget(m_path);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CreateFolderDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
        &CreateFolderDialog::treeFolderPicked);
}

QString CreateFolderDialog::treeFolder() const
{
    const QModelIndex current = m_tree->currentIndex();
    const QString path = current.isValid() ? m_model->filePath(current) : m_start;
    return path.isEmpty() ? m_start : path;
}

void CreateFolderDialog::treeFolderPicked()
{
    m_path->setText(treeFolder());
}

void CreateFolderDialog::accept()
{
    const QString folder = ResolveTypedFolder(treeFolder(), m_path->text());
    if (folder.isEmpty())
        return;
    if (!QFileInfo(folder).isDir()) {
        if (QFileInfo::exists(folder)) {
            m_messages.error(CreateFolderFailedText(folder));
            return;
        }
        if (m_messages.ask(
                MessageIcon::Question, CreateFolderQuestion(folder), MessageButtons::YesNo)
            != MessageAnswer::Yes)
            return;
        if (!CreateFolderPath(folder)) {
            m_messages.error(CreateFolderFailedText(folder));
            return;
        }
    }
    m_chosen = folder;
    QDialog::accept();
}

} // namespace pixmaro
