// Tests of the freedesktop.org associations between file types and applications.
#include "shell/MimeAssociations.h"

#include "support/TempFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::WriteFile;

QByteArray Entry(const QByteArray &mimeTypes, const QByteArray &extra = {})
{
    return "[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer %f\nMimeType=" + mimeTypes
        + "\n" + extra;
}

class Associations : public ::testing::Test {
protected:
    Associations()
    {
        dirs.configHome = root.filePath("config");
        dirs.configDirs = { root.filePath("etc-xdg") };
        dirs.dataHome = root.filePath("data-home");
        dirs.dataDirs = { root.filePath("usr-local"), root.filePath("usr") };
    }
    bool canOpen(const QStringList &types) const
    {
        const auto exists = [this](const QString &p) { return installedPrograms.contains(p); };
        return MimeAssociations(dirs, exists).canOpen(types);
    }
    QString app(const QString &dataDir, const QString &relative) const
    {
        return dataDir + "/applications/" + relative;
    }

    QTemporaryDir root;
    XdgDirs dirs;
    QStringList installedPrograms;
};

TEST_F(Associations, DesktopEntriesListTheirTypesAndAncestorsCount)
{
    EXPECT_FALSE(canOpen({ "image/png" }));
    WriteFile(app(dirs.dataDirs[1], "viewer.desktop"), Entry("image/png;text/plain;"));
    EXPECT_TRUE(canOpen({ "image/png" }));
    EXPECT_FALSE(canOpen({ "image/x-wmf" }));
    // A C source is a kind of plain text: a text editor opens it.
    EXPECT_TRUE(canOpen({ "text/x-csrc", "text/plain" }));
}

TEST_F(Associations, EntriesThatAreNotInstalledDoNotCount)
{
    WriteFile(app(dirs.dataDirs[0], "hidden.desktop"), Entry("image/png", "Hidden=true\n"));
    WriteFile(app(dirs.dataDirs[0], "link.desktop"),
        "[Desktop Entry]\nType=Link\nURL=http://x\nMimeType=image/gif\n");
    WriteFile(app(dirs.dataDirs[0], "gone.desktop"), Entry("image/bmp", "TryExec=gone-viewer\n"));
    WriteFile(app(dirs.dataDirs[0], "other.desktop"), "[Other Group]\nMimeType=image/jpeg\n");
    EXPECT_FALSE(canOpen({ "image/png" }));
    EXPECT_FALSE(canOpen({ "image/gif" }));
    EXPECT_FALSE(canOpen({ "image/bmp" }));
    EXPECT_FALSE(canOpen({ "image/jpeg" }));
    installedPrograms << "gone-viewer";
    EXPECT_TRUE(canOpen({ "image/bmp" }));

    // The user's own entry of the same ID hides the system's one.
    WriteFile(app(dirs.dataDirs[1], "viewer.desktop"), Entry("image/x-emf"));
    EXPECT_TRUE(canOpen({ "image/x-emf" }));
    WriteFile(app(dirs.dataHome, "viewer.desktop"), Entry("image/x-emf", "Hidden=true\n"));
    EXPECT_FALSE(canOpen({ "image/x-emf" }));
}

TEST_F(Associations, MimeAppsListsAddDefaultAndRemove)
{
    // An entry without MimeType, associated only by the lists; one in a subfolder by its ID.
    WriteFile(app(dirs.dataDirs[1], "plain.desktop"), Entry(""));
    WriteFile(app(dirs.dataDirs[1], "kde/okular.desktop"), Entry(""));
    EXPECT_FALSE(canOpen({ "application/pdf" }));

    WriteFile(dirs.configDirs[0] + "/mimeapps.list",
        "[Default Applications]\napplication/pdf=missing.desktop;kde-okular.desktop\n");
    EXPECT_TRUE(canOpen({ "application/pdf" }));

    WriteFile(
        app(dirs.dataDirs[0], "mimeapps.list"), "[Added Associations]\nimage/png=plain.desktop;\n");
    EXPECT_TRUE(canOpen({ "image/png" }));

    // The user's list removes what lists of lower precedence and the entries offer.
    WriteFile(dirs.configHome + "/mimeapps.list",
        "[Removed Associations]\napplication/pdf=kde-okular.desktop\nimage/png=plain.desktop\n");
    EXPECT_FALSE(canOpen({ "application/pdf" }));
    EXPECT_FALSE(canOpen({ "image/png" }));
}

TEST_F(Associations, TheDesktopsOwnListIsReadOnlyOnThatDesktop)
{
    WriteFile(app(dirs.dataDirs[1], "plain.desktop"), Entry(""));
    WriteFile(dirs.configHome + "/xfce-mimeapps.list",
        "[Default Applications]\ntext/html=plain.desktop\n");
    EXPECT_FALSE(canOpen({ "text/html" }));
    dirs.desktops = { "gnome", "xfce" };
    EXPECT_TRUE(canOpen({ "text/html" }));
}

TEST(XdgDirs, RelativeVariablesAreIgnored)
{
    const QByteArray saved = qgetenv("XDG_DATA_DIRS");
    const QByteArray savedHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_DIRS", "relative/share:/opt/share:");
    qputenv("XDG_CONFIG_HOME", "not/absolute");
    const XdgDirs dirs = XdgDirs::FromEnvironment();
    EXPECT_EQ(dirs.dataDirs, QStringList { "/opt/share" });
    EXPECT_EQ(dirs.configHome, QDir::homePath() + "/.config");
    qputenv("XDG_DATA_DIRS", saved);
    qputenv("XDG_CONFIG_HOME", savedHome);
    if (saved.isNull())
        qunsetenv("XDG_DATA_DIRS");
    if (savedHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace pixmaro
