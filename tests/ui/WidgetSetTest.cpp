// The widget set: folder tree paths, the file list's order and highlight, the gradient buttons'
// hover, the slider's value label, the percentage bar, the help box and the eliding label.
#include "support/TempFiles.h"
#include "ui/ElidingLabel.h"
#include "ui/FileListBox.h"
#include "ui/FolderTree.h"
#include "ui/GradientButton.h"
#include "ui/HelpBox.h"
#include "ui/PercentProgressBar.h"
#include "ui/ValueSlider.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(FolderTree, ReportsFoldersWithoutTrailingSeparator)
{
    QTemporaryDir tmp;
    const QString deep = QDir::cleanPath(tmp.filePath("a/b"));
    QDir().mkpath(deep);
    FolderTree tree;
    QSignalSpy changes(&tree, &FolderTree::folderChanged);
    EXPECT_TRUE(tree.setFolder(deep + "/"));
    EXPECT_EQ(tree.folder(), deep);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(tree.setFolder(deep));
    EXPECT_EQ(changes.count(), 1) << "the same folder again is no change";
    EXPECT_TRUE(tree.setFolder("/"));
    EXPECT_EQ(tree.folder(), "/");
    EXPECT_FALSE(tree.setFolder(tmp.filePath("missing")));
    EXPECT_FALSE(tree.setFolder(test::WriteFile(tmp.filePath("file.txt"), "x")));
    EXPECT_EQ(tree.folder(), "/");
}

TEST(FolderTree, RefreshKeepsTheFolderOrFallsBackToTheNearestParent)
{
    QTemporaryDir tmp;
    const QString deep = QDir::cleanPath(tmp.filePath("a/b"));
    QDir().mkpath(deep);
    FolderTree tree;
    tree.setFolder(deep);
    tree.refresh();
    EXPECT_EQ(tree.folder(), deep);
    QDir(deep).removeRecursively();
    tree.refresh();
    EXPECT_EQ(tree.folder(), QDir::cleanPath(tmp.filePath("a")));
}

TEST(FileListBox, ListsEachMaskPartThenSortsIgnoringCase)
{
    QTemporaryDir tmp;
    for (const char *name : { "b.jpg", "A.GIF", "c.txt", "d.jpeg" })
        test::WriteFile(tmp.filePath(name), "x");
    QDir().mkpath(tmp.filePath("folder.jpg"));
    FileListBox list;
    list.setMask("*.gif;*.jpg;*.j*");
    list.setFolder(tmp.path());
    // b.jpg matches two parts and is listed twice; the folder is never listed.
    EXPECT_EQ(list.entries(), QStringList({ "A.GIF", "b.jpg", "b.jpg", "d.jpeg" }));

    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.item(3)->setSelected(true);
    list.item(0)->setSelected(true);
    EXPECT_EQ(list.highlighted(), std::vector<bool>({ true, false, false, true }));

    list.clearSelection();
    list.makeFirstCurrent();
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_TRUE(list.selectedItems().isEmpty()) << "the current entry is not highlighted";

    test::WriteFile(tmp.filePath("e.gif"), "x");
    list.refresh();
    EXPECT_EQ(list.entries().size(), 5);
    list.setMask("*.txt");
    EXPECT_EQ(list.entries(), QStringList { "c.txt" });
}

TEST(GradientButton, HoverTurnsTheFillTowardsBrightGreen)
{
    for (const QColor base : { GradientButton::kGrey, GradientButton::kGreen }) {
        GradientButton button("GO", base);
        EXPECT_EQ(button.endColor(), base);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&button, &enter);
        EXPECT_TRUE(button.isHovered());
        EXPECT_EQ(button.endColor(), GradientButton::kBrightGreen);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
        EXPECT_EQ(button.endColor(), base);
        // The picture follows: bottom row bright green on hover, the base colour at rest.
        QApplication::sendEvent(&button, &enter);
        button.resize(80, 30);
        const QImage hovered = button.grab().toImage();
        EXPECT_GT(qGreen(hovered.pixel(40, 27)), 200);
        EXPECT_EQ(button.accessibleName(), QString()) << "its text names it";
    }
}

TEST(ValueSlider, TheLabelAlwaysShowsTheValue)
{
    ValueSlider slider(10, 100, "tbJpg", "lJpg");
    EXPECT_EQ(slider.slider()->objectName(), "tbJpg");
    EXPECT_EQ(slider.valueLabel()->objectName(), "lJpg");
    slider.setValue(55);
    EXPECT_EQ(slider.valueLabel()->text(), "55");
    slider.slider()->setValue(5);
    EXPECT_EQ(slider.value(), 10);
    EXPECT_EQ(slider.valueLabel()->text(), "10");
}

TEST(PercentProgressBar, ShowsThePercentage)
{
    PercentProgressBar bar;
    bar.showProgress(1, 4);
    EXPECT_EQ(bar.text(), "25%");
    bar.showProgress(0, 0);
    EXPECT_EQ(bar.maximum(), 1) << "an empty run is not a busy indicator";
    EXPECT_EQ(bar.text(), "0%");
}

TEST(HelpBox, ShowsTheTextFromItsFirstLine)
{
    HelpBox box;
    box.resize(120, 60);
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QString("line %1").arg(i);
    box.showText(lines.join("\r\n"));
    EXPECT_EQ(box.toPlainText(), lines.join("\n"));
    EXPECT_TRUE(box.isReadOnly());
    EXPECT_EQ(box.verticalScrollBar()->value(), 0);
    EXPECT_EQ(box.textCursor().position(), 0);
    box.showText("short");
    EXPECT_EQ(box.toPlainText(), "short");
}

TEST(ElidingLabel, KeepsItsWholeText)
{
    ElidingLabel label;
    const QString path = "/a/very/long/folder/name/that/does/not/fit/into/a/small/label";
    label.setText(path);
    label.resize(60, 20);
    EXPECT_EQ(label.text(), path);
    EXPECT_EQ(label.minimumSizeHint().width(), 0);
}

} // namespace
} // namespace pixmaro
