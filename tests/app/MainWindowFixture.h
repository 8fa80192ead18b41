// The main window under test: a window on a temporary folder with recording fakes, and the
// helpers that drive its controls by name.
#pragma once

#include "app/MainWindow.h"
#include "support/FakeMessages.h"
#include "support/FakeShell.h"
#include "support/TempFiles.h"
#include "ui/FileListBox.h"
#include "ui/FolderTree.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

namespace pixmaro::test {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        input = tmp.filePath(QStringLiteral("in"));
        output = tmp.filePath(QStringLiteral("out"));
        QDir().mkpath(input);
        QDir().mkpath(output);
        settingsPath = tmp.filePath(QStringLiteral("Pixmaro.ini"));
    }

    /// Creates the window (reading the settings file if one was written) on the input folder.
    void open(bool pointAtInput = true)
    {
        window = std::make_unique<MainWindow>(messages, shell, settingsPath);
        if (pointAtInput)
            tree("fDir")->setFolder(input);
    }

    /// A small BMP picture in `folder`.
    static QString Picture(const QString &folder, const QString &name, int w = 40, int h = 30)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(QColor(200, 80, 40));
        const QString path = folder + u'/' + name;
        image.save(path, "BMP");
        return path;
    }

    template <typename T = QWidget> T *find(const char *name) const
    {
        T *widget = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QAbstractButton *button(const char *name) const { return find<QAbstractButton>(name); }
    QLabel *label(const char *name) const { return find<QLabel>(name); }
    QLineEdit *edit(const char *name) const { return find<QLineEdit>(name); }
    QCheckBox *check(const char *name) const { return find<QCheckBox>(name); }
    QComboBox *combo(const char *name) const { return find<QComboBox>(name); }
    FolderTree *tree(const char *name) const { return find<FolderTree>(name); }
    FileListBox *list(const char *name) const { return find<FileListBox>(name); }
    QTabWidget *tabs() const { return find<QTabWidget>("PageControl1"); }

    void click(const char *name) const { button(name)->click(); }
    /// Highlights the input list's entries at `rows`.
    void highlight(std::initializer_list<int> rows) const
    {
        for (int row : rows)
            list("fBox")->item(row)->setSelected(true);
    }
    /// The indexes of the visible tabs.
    std::vector<int> visibleTabs() const
    {
        std::vector<int> shown;
        for (int i = 0; i < tabs()->count(); ++i) {
            if (tabs()->isTabVisible(i)) {
                EXPECT_TRUE(tabs()->isTabEnabled(i)) << i;
                shown.push_back(i);
            } else {
                EXPECT_FALSE(tabs()->isTabEnabled(i)) << i;
            }
        }
        return shown;
    }
    /// Whether the control would be seen if its page were shown: neither it nor a container up to
    /// its page is hidden.
    bool shown(const char *name) const
    {
        for (const QWidget *w = find<QWidget>(name); w && w != window.get();
             w = w->parentWidget()) {
            if (w->objectName().startsWith(QLatin1String("ts")))
                break;
            if (w->isHidden())
                return false;
        }
        return true;
    }
    QString helpText() const { return find<QWidget>("mHelp")->property("plainText").toString(); }

    QTemporaryDir tmp;
    QString input;
    QString output;
    QString settingsPath;
    FakeMessages messages;
    FakeShell shell;
    std::unique_ptr<MainWindow> window;
};

} // namespace pixmaro::test
