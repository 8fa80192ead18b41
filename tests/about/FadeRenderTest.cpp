// Rendering the cross-fade control's pictures and colours into its display and target rasters.
#include "about/FadeRender.h"

#include "about/SolidPicture.h"
#include "imaging/metafile/MetafileWriter.h"
#include "support/Rasters.h"

#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::At;
using test::Px;
using test::Solid;

// A 2 × 2 icon: opaque red on the left, transparent on the right.
FadePicture HalfTransparentIcon()
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(0, 1, Qt::red);
    FadePicture icon;
    icon.setIcon(image);
    return icon;
}

constexpr FadeColor kBlue = 0xFF0000; // 0x00BBGGRR
constexpr FadeColor kGreen = 0x00FF00;

TEST(RenderFadeBuffers, TheRenderingTable)
{
    struct Row {
        const char *name;
        FadePicture from, to;
        bool stretch;
        QSize control, wantSize;
        Px wantDisplay, wantTarget; // at (0, 0)
        Px wantTargetCorner; // at the bottom-right pixel
    };
    const FadePicture red = Solid(4, 3, Qt::red), white = Solid(8, 8, Qt::white);
    const Px blue { 0, 0, 255 }, green { 0, 255, 0 }, r { 255, 0, 0 }, w { 255, 255, 255 };
    const Row rows[] = {
        { "stretch, no pictures", {}, {}, true, { 10, 6 }, { 10, 6 }, blue, green, green },
        { "stretch, both", red, white, true, { 10, 6 }, { 10, 6 }, r, w, w },
        { "no stretch, no pictures", {}, {}, false, { 10, 6 }, { 10, 6 }, blue, green, green },
        { "no stretch, start only", red, {}, false, { 10, 6 }, { 4, 3 }, r, green, green },
        { "no stretch, target only", {}, white, false, { 10, 6 }, { 8, 8 }, blue, w, w },
        { "no stretch, both: target scaled to the start", red, white, false, { 10, 6 }, { 4, 3 }, r,
            w, w },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        WorkingBitmap display, target;
        const FadeScene scene { row.from, row.to, kBlue, kGreen, row.stretch };
        const QSize size = RenderFadeBuffers(scene, row.control, display, target);
        EXPECT_EQ(size, row.wantSize);
        ASSERT_EQ(QSize(display.width(), display.height()), row.wantSize);
        ASSERT_EQ(QSize(target.width(), target.height()), row.wantSize);
        EXPECT_EQ(At(display, 0, 0), row.wantDisplay);
        EXPECT_EQ(At(target, 0, 0), row.wantTarget);
        EXPECT_EQ(At(target, size.width() - 1, size.height() - 1), row.wantTargetCorner);
    }
}

TEST(RenderFadeBuffers, IconsShowTheColourThroughTheirTransparentParts)
{
    WorkingBitmap display, target;
    // Old content that must not show through.
    display.resize(4, 2);
    display.fill(1, 2, 3);
    const FadeScene scene { HalfTransparentIcon(), HalfTransparentIcon(), kBlue, kGreen, true };
    RenderFadeBuffers(scene, QSize(4, 2), display, target);
    EXPECT_EQ(At(display, 0, 0), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(display, 1, 1), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(display, 3, 0), (Px { 0, 0, 255 }));
    EXPECT_EQ(At(target, 3, 1), (Px { 0, 255, 0 }));
}

TEST(DrawIconOnColor, StretchesTheBackedIconOverTheGivenArea)
{
    WorkingBitmap buffer;
    buffer.resize(6, 6);
    DrawIconOnColor(HalfTransparentIcon(), buffer, 0x0000FF, 4, 4);
    EXPECT_EQ(At(buffer, 1, 3), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(buffer, 2, 0), (Px { 255, 0, 0 })); // the colour: red as well
    EXPECT_EQ(At(buffer, 5, 5), (Px { 0, 0, 0 })); // outside the area, untouched
    DrawIconOnColor(HalfTransparentIcon(), buffer, kGreen, 4, 4);
    EXPECT_EQ(At(buffer, 3, 3), (Px { 0, 255, 0 }));
}

TEST(FadePicture, LoadsTheAboutPicturesAndRejectsOtherFiles)
{
    FadePicture picture;
    EXPECT_FALSE(picture.load(QStringLiteral("/nonexistent/picture.jpg")));
    EXPECT_TRUE(picture.isEmpty());
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    picture.setRaster(image);
    EXPECT_EQ(picture.kind(), FadePicture::Kind::Raster);
    EXPECT_EQ(QSize(picture.width(), picture.height()), QSize(3, 2));
    const FadePicture copy = picture;
    EXPECT_TRUE(copy == picture);
    picture.setRaster(QImage());
    EXPECT_TRUE(picture.isEmpty());
    EXPECT_FALSE(copy.isEmpty());
}

TEST(FadePicture, LoadsMetafilesAndIconsWithTheirKinds)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    WorkingBitmap red;
    red.resize(2, 2);
    red.fill(255, 0, 0);
    const QString emf = folder.filePath(QStringLiteral("red.emf"));
    QFile file(emf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(metafile::RecordEmf(red));
    file.close();
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            image.setPixelColor(x, y, Qt::red);
    const QString ico = folder.filePath(QStringLiteral("dot.ico"));
    ASSERT_TRUE(QImageWriter(ico, "ico").write(image));

    FadePicture metafilePicture, icon;
    ASSERT_TRUE(metafilePicture.load(emf));
    EXPECT_EQ(metafilePicture.kind(), FadePicture::Kind::Metafile);
    ASSERT_TRUE(icon.load(ico));
    EXPECT_EQ(icon.kind(), FadePicture::Kind::Icon);
    EXPECT_EQ(QSize(icon.width(), icon.height()), QSize(16, 16));

    WorkingBitmap display, target;
    const FadeScene scene { metafilePicture, icon, kBlue, kGreen, true };
    RenderFadeBuffers(scene, QSize(8, 8), display, target);
    EXPECT_EQ(At(display, 0, 0), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(display, 7, 7), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(target, 0, 0), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(target, 7, 7), (Px { 0, 255, 0 })); // the icon's transparent part
}

} // namespace
} // namespace pixmaro
