// The output-location dialog: the folder and file name of the gallery page, with the folder's HTML
// files listed and a few file commands on them.
#include "html/HtmlOutputDialog.h"

#include "base/Paths.h"
#include "filecmds/FileCommands.h"
#include "html/GalleryWriter.h"
#include "html/OutputLocation.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace pixmaro {

HtmlOutputDialog::HtmlOutputDialog(Messages &messages, Shell &shell, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_shell(shell)
{
    setObjectName("TfDlgOutHTML");
    setWindowTitle(QStringLiteral("Specify location of HTML"));
    setModal(true);
    resize(520, 400);

    m_confirmDelete = [this](int count) -> std::optional<bool> {
        if (m_messages.ask(
                MessageIcon::Question, DeleteConfirmationText(count), MessageButtons::YesNo)
            != MessageAnswer::Yes)
            return std::nullopt;
        return true;
    };

    auto *lHead
        = new QLabel(QStringLiteral("Specify a location and file name for HTML file:"), this);
    lHead->setObjectName("Label1");

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());
    dtTree = new QTreeView(this);
    dtTree->setObjectName("dtTree");
    dtTree->setAccessibleName(QStringLiteral("HTML Folder"));
    dtTree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        dtTree->hideColumn(column);
    dtTree->setHeaderHidden(true);
    dtTree->setRootIndex(m_model->index(QDir::rootPath()).parent());

    lbFiles = new QListWidget(this);
    lbFiles->setObjectName("lbFiles");
    lbFiles->setAccessibleName(QStringLiteral("HTML Files"));
    lbFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbFiles->setToolTip(QStringLiteral("Right-Click for popup menu"));
    lbFiles->setContextMenuPolicy(Qt::CustomContextMenu);
    lbFiles->installEventFilter(this);

    pmFiles = new QMenu(this);
    pmFiles->setObjectName("pmFiles");
    pmFiles->addAction(
        QStringLiteral("Open in Notepad"), this, &HtmlOutputDialog::OpenInNotepadClick);
    pmFiles->addSeparator();
    pmFiles->addAction(QStringLiteral("Select All"), this, &HtmlOutputDialog::SelectAllClick);
    pmFiles->addAction(QStringLiteral("DeSelect All"), this, &HtmlOutputDialog::DeSelectAllClick);
    pmFiles->addAction(
        QStringLiteral("Invert Selection"), this, &HtmlOutputDialog::InvertSelectionClick);
    pmFiles->addSeparator();
    pmFiles->addAction(
        QStringLiteral("Delete Selected Files"), this, &HtmlOutputDialog::DeleteSelectedClick);
    connect(lbFiles, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &at) { pmFiles->popup(lbFiles->viewport()->mapToGlobal(at)); });

    eFileName = new QLineEdit(this);
    eFileName->setObjectName("eFileName");
    auto *lFileName = new QLabel(QStringLiteral("&File Name:"), this);
    lFileName->setObjectName("lFileName");
    lFileName->setBuddy(eFileName);
    eFileName->setAccessibleName(QStringLiteral("File Name:"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("bOK");
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("bCancel");
    connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
        &HtmlOutputDialog::bOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *lists = new QHBoxLayout;
    lists->addWidget(dtTree, 1);
    lists->addWidget(lbFiles, 1);
    auto *name = new QHBoxLayout;
    name->addWidget(lFileName);
    name->addWidget(eFileName, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lHead);
    layout->addLayout(lists, 1);
    layout->addLayout(name);
    layout->addWidget(buttons);

    connect(dtTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) {
            if (!current.isValid())
                return;
            m_folder = QDir::toNativeSeparators(m_model->filePath(current));
            refreshFiles();
        });
    connect(lbFiles, &QListWidget::itemClicked, this,
        [this](QListWidgetItem *item) { eFileName->setText(item->text()); });

    resetToDefaults();
    setFolder(QDir::rootPath());
}

void HtmlOutputDialog::loadSettings(const HtmlOutputSettings &stored)
{
    eFileName->setText(stored.htmlName);
}

HtmlOutputSettings HtmlOutputDialog::settings() const
{
    HtmlOutputSettings s;
    s.htmlName = eFileName->text();
    return s;
}

void HtmlOutputDialog::resetToDefaults()
{
    eFileName->setText(HtmlOutputSettings().htmlName);
}

QString HtmlOutputDialog::chosenFileName() const
{
    return eFileName->text();
}

void HtmlOutputDialog::prepareToShow(const QString &runFolder)
{
    setFolder(LocationStartFolder({ runFolder, m_keptFolder }));
}

void HtmlOutputDialog::setFolder(const QString &folder)
{
    const QString existing = LocationStartFolder({ folder });
    const QModelIndex index = m_model->index(QDir::fromNativeSeparators(existing));
    if (index.isValid()) {
        dtTree->setCurrentIndex(index);
        dtTree->scrollTo(index);
        dtTree->expand(index);
    }
    m_folder = existing;
    refreshFiles();
}

void HtmlOutputDialog::refreshFiles()
{
    lbFiles->clear();
    const QStringList names
        = QDir(m_folder).entryList({ QStringLiteral("*.htm"), QStringLiteral("*.html") },
            QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    lbFiles->addItems(names);
}

void HtmlOutputDialog::bOKClick()
{
    eFileName->setText(ChosenFileName(eFileName->text()));
    if (QFileInfo::exists(location().pagePath())
        && m_messages.ask(MessageIcon::Question, QString::fromLatin1(kOverwriteQuestion),
               MessageButtons::OkCancel)
            != MessageAnswer::Ok)
        return;
    m_keptFolder = m_folder;
    accept();
}

void HtmlOutputDialog::OpenInNotepadClick()
{
    const QListWidgetItem *current = lbFiles->currentItem();
    if (lbFiles->count() == 0 || !current)
        return;
    m_shell.startProgram(Shell::Program::TextEditor, PathIn(m_folder, current->text()));
}

void HtmlOutputDialog::SelectAllClick()
{
    lbFiles->selectAll();
}

void HtmlOutputDialog::DeSelectAllClick()
{
    lbFiles->clearSelection();
}

void HtmlOutputDialog::InvertSelectionClick()
{
    for (int i = 0; i < lbFiles->count(); ++i)
        lbFiles->item(i)->setSelected(!lbFiles->item(i)->isSelected());
}

void HtmlOutputDialog::DeleteSelectedClick()
{
    QStringList paths;
    for (int i = 0; i < lbFiles->count(); ++i) {
        if (lbFiles->item(i)->isSelected())
            paths << PathIn(m_folder, lbFiles->item(i)->text());
    }
    if (paths.isEmpty())
        return;
    const std::optional<bool> toTrash = m_confirmDelete(int(paths.size()));
    if (!toTrash)
        return;
    for (const QString &path : paths) {
        if (*toTrash) {
            m_shell.moveToTrash({ path });
            QCoreApplication::processEvents();
        } else {
            QFile::remove(path);
        }
    }
    refreshFiles();
}

bool HtmlOutputDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lbFiles && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete
        && !lbFiles->selectedItems().isEmpty()) {
        DeleteSelectedClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace pixmaro
