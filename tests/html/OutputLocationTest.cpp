// Tests of the folder the output-location dialog opens on.
#include "html/OutputLocation.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(OutputLocation, FirstExistingThenNearestThenRoot)
{
    QTemporaryDir dir;
    const QString root = QDir::cleanPath(dir.path());
    ASSERT_TRUE(QDir(root).mkpath("out/thumbs"));
    ASSERT_TRUE(QDir(root).mkpath("kept"));
    const QString thumbs = root + "/out/thumbs";
    const QString kept = root + "/kept";
    const QString gone = root + "/out/gone/deeper";

    EXPECT_EQ(LocationStartFolder({ thumbs + "/", kept }), thumbs); // no trailing separator
    EXPECT_EQ(LocationStartFolder({ gone, kept }), kept);
    EXPECT_EQ(LocationStartFolder({ "", gone }), root + "/out");
    EXPECT_EQ(LocationStartFolder({ gone, "" }), root + "/out");
    EXPECT_EQ(LocationStartFolder({ "", "" }), QDir::rootPath());
    EXPECT_EQ(LocationStartFolder({ "relative/folder" }), QDir::rootPath());
}

} // namespace
} // namespace pixmaro
