// Tests of where the settings file is kept.
#include "settings/SettingsLocation.h"

#include "support/TempFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(SettingsLocation, BesideTheExecutableWhenPresentOrWritableElseTheConfigFolder)
{
    QTemporaryDir dir;
    EXPECT_EQ(SettingsFilePath(dir.path()), dir.filePath("Pixmaro.ini"));

    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    EXPECT_EQ(SettingsFilePath(dir.filePath("no-such-folder")),
        dir.filePath("config/Pixmaro/Pixmaro.ini"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(CurrentDriveRoot(), "/");
}

} // namespace
} // namespace pixmaro
