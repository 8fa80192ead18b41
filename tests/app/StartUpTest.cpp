// Start-up: the splash comes first, a message raised while the main window loads its settings is
// shown over the splash (never behind it), and the windows exist once the splash is gone.
#include "app/StartUp.h"

#include "about/AboutBox.h"
#include "app/MainWindow.h"
#include "job/DupeWarnDialog.h"
#include "support/FakeShell.h"
#include "support/TempFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace pixmaro::test {
namespace {

QWidget *TopLevel(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name))
            return widget;
    }
    return nullptr;
}

TEST(StartUp, SplashThenWindowsInOrder)
{
    QTemporaryDir tmp;
    FakeShell shell;
    bool splashShown = false;
    QTimer::singleShot(0, [&] {
        const QWidget *splash = TopLevel("TfSplasher");
        splashShown = splash && splash->isVisible() && !TopLevel("TForm1");
    });
    QElapsedTimer clock;
    clock.start();
    Program program(shell, tmp.filePath("Pixmaro.ini"), std::chrono::milliseconds(60));
    EXPECT_GE(clock.elapsed(), 60);
    EXPECT_TRUE(splashShown);
    EXPECT_EQ(TopLevel("TfSplasher"), nullptr) << "the splash is freed";
    EXPECT_EQ(program.mainWindow().objectName(), "TForm1");
    EXPECT_EQ(program.duplicateNamesDialog().objectName(), "TForm3");
    EXPECT_EQ(program.duplicateNamesDialog().windowTitle(), "Duplicate File Names");
    program.mainWindow().show();
    EXPECT_EQ(program.messages().boxParent(), &program.mainWindow());

    // "About Pixmaro" opens the about box modally; closing it only hides it.
    auto *about = program.mainWindow().findChild<QAbstractButton *>("sbAbout");
    ASSERT_TRUE(about && about->isEnabled());
    QString opened;
    QTimer::singleShot(0, [&opened] {
        QWidget *modal = QApplication::activeModalWidget();
        opened = modal ? modal->objectName() : QString();
        if (modal)
            modal->close();
    });
    about->click();
    EXPECT_EQ(opened, "TfAbout");
    EXPECT_EQ(program.aboutBox().objectName(), "TfAbout");
}

TEST(StartUp, ALoadMessageIsShownOverTheSplash)
{
    QTemporaryDir tmp;
    const QString ini = WriteFile(tmp.filePath("Pixmaro.ini"), "[Directories]\nInput=nowhere\n");
    FakeShell shell;
    QString parentName;
    QString text;
    bool answered = false;
    // The box is modal: it is read and closed from the event loop it runs.
    std::function<void()> answer = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, answer);
            return;
        }
        parentName = box->parentWidget() ? box->parentWidget()->objectName() : QString();
        text = box->text();
        answered = true;
        box->accept();
    };
    QTimer::singleShot(10, answer);
    Program program(shell, ini, std::chrono::milliseconds(0));
    ASSERT_TRUE(answered);
    EXPECT_EQ(parentName, "TfSplasher");
    EXPECT_EQ(text, "The nowhere directory does not exist");
}

} // namespace
} // namespace pixmaro::test
