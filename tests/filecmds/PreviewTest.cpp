// Tests of the preview pane, its two rules, the full-size window and animated GIFs.
#include "imaging/PreviewWindow.h"
#include "imaging/gif/Lzw.h"
#include "support/FakeMessages.h"
#include "support/Screenshots.h"
#include "support/TempFiles.h"
#include "ui/PreviewPane.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace pixmaro {
namespace {

using test::FakeMessages;

QString Bmp(const QString &path, int w, int h, QColor colour = QColor(200, 80, 40))
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "BMP");
    return path;
}

// A picture worth looking at in a screenshot: a sky, a sun and a hill.
QString Scene(const QString &path, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(200, 230, 255));
    painter.fillRect(image.rect(), sky);
    painter.setBrush(QColor(255, 200, 40));
    painter.drawEllipse(QPointF(w * 0.7, h * 0.3), w * 0.12, w * 0.12);
    painter.setBrush(QColor(60, 150, 60));
    painter.drawEllipse(QPointF(w * 0.3, h * 1.1), w * 0.8, h * 0.5);
    painter.end();
    image.save(path, "BMP");
    return path;
}

// A GIF of two 8 × 8 frames, red then blue, each shown 20 ms, looping for ever.
QByteArray TwoFrameGif()
{
    QByteArray b("GIF89a\x08\x00\x08\x00\x81\x00\x00", 13);
    b.append("\xFF\x00\x00\x00\x00\xFF\x00\x00\x00\x00\x00\x00", 12);
    b.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (std::uint8_t index : { 0, 1 }) {
        b.append("\x21\xF9\x04\x00\x02\x00\x00\x00", 8);
        b.append("\x2C\x00\x00\x00\x00\x08\x00\x08\x00\x00\x02", 11);
        const std::vector<std::uint8_t> pixels(64, index);
        const auto data = gif::LzwEncode(pixels.data(), pixels.size(), 2);
        b.append(char(data.size()))
            .append(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
        b.append('\0');
    }
    b.append(char(0x3B));
    return b;
}

class PreviewTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakeMessages messages;
    PreviewPane pane;
    PreviewWindow window;
};

TEST(PreviewRules, OnlyTheSixPictureEndingsPreviewFromAFileList)
{
    const struct {
        const char *name;
        bool previewed;
    } rows[] = { { "a.jpg", true }, { "a.JPG", true }, { "a.jpeg", true }, { "a.gif", true },
        { "a.bmp", true }, { "a.wmf", true }, { "a.EMF", true }, { "ajpeg", true },
        { "a.tif", false }, { "a.png", false }, { "a.ico", false }, { "jpg", false },
        { "a.jpg.txt", false } };
    for (const auto &row : rows)
        EXPECT_EQ(IsPreviewableName(QStringLiteral("/p/") + row.name), row.previewed) << row.name;
    EXPECT_EQ(PreviewHint("/p/a.jpg", 640, 480), "/p/a.jpg - W: 640, H: 480");
}

TEST_F(PreviewTest, AFileListPreviewShowsThePictureAndAFailureKeepsIt)
{
    Bmp(dir.filePath("a.bmp"), 40, 30);
    EXPECT_EQ(
        PreviewFromFileList(pane, window, messages, dir.path(), "a.bmp"), PreviewOutcome::Shown);
    ASSERT_TRUE(pane.hasPicture());
    EXPECT_EQ(pane.hint(), dir.filePath("a.bmp") + " - W: 40, H: 30");
    EXPECT_EQ(window.windowTitle(), dir.filePath("a.bmp"));
    const SharedPicture shown = pane.picture();

    // Not a picture kind: nothing at all happens.
    test::WriteFile(dir.filePath("b.tif"), "II*");
    EXPECT_EQ(
        PreviewFromFileList(pane, window, messages, dir.path(), "b.tif"), PreviewOutcome::Ignored);
    // A damaged picture: the message, and the pane keeps its picture, hint and caption.
    test::WriteFile(dir.filePath("bad.jpg"), "not a jpeg");
    EXPECT_EQ(
        PreviewFromFileList(pane, window, messages, dir.path(), "bad.jpg"), PreviewOutcome::Failed);
    // A pipe named like a picture is never opened (opening it would wait for a writer).
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.gif")).constData(), 0600), 0);
    EXPECT_EQ(PreviewFromFileList(pane, window, messages, dir.path(), "pipe.gif"),
        PreviewOutcome::Failed);
    // Nor is a folder.
    QDir().mkpath(dir.filePath("folder.bmp"));
    EXPECT_EQ(PreviewFromFileList(pane, window, messages, dir.path(), "folder.bmp"),
        PreviewOutcome::Failed);

    EXPECT_EQ(messages.texts,
        (QStringList { "Could not open " + dir.filePath("bad.jpg"),
            "Could not open " + dir.filePath("pipe.gif"),
            "Could not open " + dir.filePath("folder.bmp") }));
    EXPECT_EQ(pane.picture(), shown);
    EXPECT_EQ(pane.hint(), dir.filePath("a.bmp") + " - W: 40, H: 30");
    EXPECT_EQ(window.windowTitle(), dir.filePath("a.bmp"));
}

TEST_F(PreviewTest, TheSourceListPreviewNamesTheShownFolderAndTheEntryAlone)
{
    Bmp(dir.filePath("a.bmp"), 12, 7);
    EXPECT_EQ(PreviewFromSourceList(pane, window, messages, dir.path(), "~/shown", "a.bmp"),
        PreviewOutcome::Shown);
    EXPECT_EQ(pane.hint(), "~/shown/a.bmp - W: 12, H: 7");
    EXPECT_EQ(window.windowTitle(), "~/shown/a.bmp");
    // No extension test here; a failure names the entry alone and keeps the picture.
    test::WriteFile(dir.filePath("notes.txt"), "text");
    EXPECT_EQ(PreviewFromSourceList(pane, window, messages, dir.path(), "~/shown", "notes.txt"),
        PreviewOutcome::Failed);
    EXPECT_EQ(messages.texts, QStringList { "Could not open notes.txt" });
    EXPECT_EQ(pane.hint(), "~/shown/a.bmp - W: 12, H: 7");
    EXPECT_TRUE(pane.hasPicture());
}

TEST_F(PreviewTest, NamesThatLookLikeMarkupShowAsTheirCharacters)
{
    const QString name = "<img src=x>.bmp";
    Bmp(dir.filePath(name), 5, 5);
    ASSERT_EQ(PreviewFromFileList(pane, window, messages, dir.path(), name), PreviewOutcome::Shown);
    EXPECT_EQ(pane.hint(), dir.filePath(name) + " - W: 5, H: 5");
    EXPECT_TRUE(pane.toolTip().contains("&lt;img src=x&gt;.bmp")) << pane.toolTip().toStdString();
    EXPECT_FALSE(pane.toolTip().contains("<img"));
    EXPECT_EQ(window.windowTitle(), dir.filePath(name));
}

TEST_F(PreviewTest, AnyPictureFillsTheWholePane)
{
    EXPECT_EQ(pane.size(), QSize(97, 84));
    EXPECT_EQ(pane.accessibleName(), "Preview");
    Bmp(dir.filePath("tall.bmp"), 3, 200, QColor(0, 0, 255));
    ASSERT_EQ(
        PreviewFromFileList(pane, window, messages, dir.path(), "tall.bmp"), PreviewOutcome::Shown);
    const QImage drawn = pane.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(drawn.size(), QSize(97, 84));
    for (const QPoint at :
        { QPoint(0, 0), QPoint(96, 0), QPoint(0, 83), QPoint(96, 83), QPoint(48, 42) })
        EXPECT_EQ(drawn.pixel(at), qRgb(0, 0, 255)) << at.x() << "," << at.y();
    Scene(dir.filePath("pic.bmp"), 160, 120);
    PreviewFromFileList(pane, window, messages, dir.path(), "pic.bmp");
    EXPECT_FALSE(test::SaveScreenshot(pane, "PreviewPane").isEmpty());
}

TEST_F(PreviewTest, TheFullSizeWindowSharesThePictureAndRefitsToEachOne)
{
    OpenFullSizePreview(pane, window); // an empty pane opens nothing
    EXPECT_FALSE(window.isVisible());

    Scene(dir.filePath("big.bmp"), 120, 90);
    Bmp(dir.filePath("small.bmp"), 30, 20, QColor(0, 128, 255));
    PreviewFromFileList(pane, window, messages, dir.path(), "big.bmp");
    QTest::mouseClick(&pane, Qt::LeftButton); // not wired here: the rule is the function
    OpenFullSizePreview(pane, window);
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.objectName(), "TForm2");
    EXPECT_EQ(window.image()->picture(), pane.picture()); // the same picture, not a copy
    EXPECT_EQ(window.image()->hint(), pane.hint());
    EXPECT_EQ(window.image()->size(), QSize(120, 90));
    EXPECT_EQ(window.size(), QSize(120, 90));
    EXPECT_EQ(window.windowTitle(), dir.filePath("big.bmp"));
    EXPECT_FALSE(test::SaveScreenshot(window, "TForm2").isEmpty());

    PreviewFromFileList(pane, window, messages, dir.path(), "small.bmp");
    OpenFullSizePreview(pane, window);
    EXPECT_EQ(window.size(), QSize(30, 20));

    // Clicking the picture closes the window.
    QTest::mouseClick(window.image(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PreviewTest, APictureLargerThanTheScreenScrollsInsideIt)
{
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    Bmp(dir.filePath("huge.bmp"), screen.width() + 400, screen.height() + 300);
    PreviewFromFileList(pane, window, messages, dir.path(), "huge.bmp");
    OpenFullSizePreview(pane, window);
    EXPECT_LE(window.width(), screen.width());
    EXPECT_LE(window.height(), screen.height());
    EXPECT_EQ(window.image()->size(), QSize(screen.width() + 400, screen.height() + 300));
    auto *scroll = window.findChild<QScrollArea *>();
    EXPECT_GT(scroll->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    window.close();
}

TEST_F(PreviewTest, AnimatedGifsStepInThePaneAndStopWhenReplaced)
{
    test::WriteFile(dir.filePath("anim.gif"), TwoFrameGif());
    ASSERT_EQ(
        PreviewFromFileList(pane, window, messages, dir.path(), "anim.gif"), PreviewOutcome::Shown);
    EXPECT_EQ(pane.hint(), dir.filePath("anim.gif") + " - W: 8, H: 8");
    EXPECT_TRUE(pane.isAnimating());
    EXPECT_EQ(pane.frameIndex(), 0);
    const QImage first = pane.grab().toImage();
    EXPECT_EQ(pane.currentFrame().pixel(0, 0), qRgb(255, 0, 0));
    QTRY_COMPARE(pane.frameIndex(), 1);
    const QImage second = pane.grab().toImage();
    EXPECT_EQ(pane.currentFrame().pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_NE(first, second);
    EXPECT_FALSE(test::SaveScreenshot(pane, "PreviewPane-gif-frame1").isEmpty());
    QTRY_COMPARE(pane.frameIndex(), 0); // loops
    EXPECT_FALSE(test::SaveScreenshot(pane, "PreviewPane-gif-frame0").isEmpty());

    // The full-size window animates the same shared file on its own timer.
    OpenFullSizePreview(pane, window);
    EXPECT_TRUE(window.image()->isAnimating());
    window.close();

    Bmp(dir.filePath("still.bmp"), 4, 4);
    PreviewFromFileList(pane, window, messages, dir.path(), "still.bmp");
    EXPECT_FALSE(pane.isAnimating());
    pane.clearPicture();
    EXPECT_FALSE(pane.hasPicture());
    EXPECT_FALSE(pane.isAnimating());
}

} // namespace
} // namespace pixmaro
