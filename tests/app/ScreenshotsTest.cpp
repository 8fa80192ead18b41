// Pictures of every wizard page, the duplicate-names dialog and the splash window, written under
// the build folder for people to look at; the test checks that each was written at full size.
#include "support/Screenshots.h"

#include "MainWindowFixture.h"
#include "app/SplashWindow.h"
#include "job/DupeWarnDialog.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>

namespace pixmaro::test {
namespace {

class Screenshots : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        for (const char *name : { "beach.bmp", "city.bmp", "forest.bmp", "harbour.bmp" })
            Picture(input, QString::fromLatin1(name));
        open();
        window->show();
    }
    void save(QWidget &widget, const QString &name)
    {
        QApplication::processEvents();
        const QString path = SaveScreenshot(widget, name);
        ASSERT_FALSE(path.isEmpty()) << name.toStdString();
        EXPECT_EQ(QImage(path).size(), widget.size()) << name.toStdString();
    }
};

TEST_F(Screenshots, EveryPageOfBothModes)
{
    save(*window, "main-1-input");
    highlight({ 0, 1, 2 });
    click("bNxt1");
    tree("fNewDir")->setFolder(output);
    save(*window, "main-2-output-thumbnails");
    click("bNxt2");
    check("cbRatio")->setChecked(true);
    save(*window, "main-3-thumbnail-options");
    click("bNxt3");
    save(*window, "main-4-confirm-thumbnails");
    bool running = false;
    QObject::connect(
        find<QProgressBar>("pBar"), &QProgressBar::valueChanged, window.get(), [&](int value) {
            if (value == 1 && !running) {
                running = true;
                save(*window, "main-5-processing-running");
            }
        });
    click("bGO");
    EXPECT_TRUE(running);
    save(*window, "main-5-processing-finished");
    click("bStartOver");

    find<QRadioButton>("rbRename")->setChecked(true);
    highlight({ 0, 1 });
    click("bNxt1");
    save(*window, "main-2-output-rename");
    find<QRadioButton>("rbCpyCvrt")->setChecked(true);
    tree("fNewDir")->setFolder(output);
    save(*window, "main-2-output-copy");
    click("bNxt2");
    save(*window, "main-4-confirm-copy");
}

TEST_F(Screenshots, DuplicateNamesDialogAndSplash)
{
    DupeWarnDialog dialog;
    dialog.label()->setText("MYPIC1.BMP and MYPIC1.JPG");
    dialog.show();
    save(dialog, "TForm3-duplicate-names");
    EXPECT_EQ(dialog.label()->x(), (dialog.width() - dialog.label()->width()) / 2);
    dialog.hide();
    // Names too long for a line wrap, and the text box moves down below them; short ones again
    // bring it back.
    QPlainTextEdit *memo = dialog.findChild<QPlainTextEdit *>();
    ASSERT_NE(memo, nullptr);
    const int memoTop = memo->y();
    const QString longNames = QString(40, u'A') + ".BMP and " + QString(40, u'A') + ".JPG and "
        + QString(40, u'A') + ".GIF";
    dialog.label()->setText(longNames);
    dialog.show();
    save(dialog, "TForm3-long-names");
    EXPECT_GT(dialog.label()->height(), 2 * dialog.label()->fontMetrics().height());
    EXPECT_GE(memo->y(), dialog.label()->geometry().bottom());
    EXPECT_GE(dialog.height(), memo->geometry().bottom());
    dialog.hide();
    dialog.label()->setText("A.BMP and A.JPG");
    dialog.show();
    EXPECT_EQ(memo->y(), memoTop);
    dialog.hide();

    SplashWindow splash;
    EXPECT_EQ(splash.size(), QSize(256, 128));
    save(splash, "TfSplasher");
}

} // namespace
} // namespace pixmaro::test
