// The gallery flow: the options caption, the folders the links start from, and one message for a
// gallery that cannot be written.
#include "html/GalleryFlow.h"

#include "support/FakeMessages.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

struct StoringEditor : GeneratedPageSink {
    QString path;
    void ShowGeneratedPage(
        const QString &text, const QString &p, const QString &, const QString &) override
    {
        path = p;
        StorePage(p, text);
    }
};

TEST(GalleryFlow, CaptionFoldersAndWriting)
{
    QTemporaryDir dir;
    const QString folder = QDir::cleanPath(dir.path());
    const QString thumb = test::WriteFile(folder + "/Thumb001.jpg", "x");

    RunState state;
    state.resizeRunInfo(2);
    state.ReachedCount = 2;
    state.ProcessedCount = 12;
    state.RunInfo[0] = { 10, 96, 72, "/pics/a.jpg", thumb };
    state.RunInfo[1] = { 10, 96, 72, "/pics/b.jpg", folder + "/gone.jpg" };
    JobSettings job;
    job.OutputFolder = "/elsewhere";

    const GalleryLocation location { folder, "MyWeb.htm" };
    EXPECT_EQ(HtmlOptionsCaption(location, state.ProcessedCount),
        "HTML Options - " + folder + "/MyWeb.htm - 12 Files");
    EXPECT_EQ(RunOutputFolder(state, job), folder + "/");
    EXPECT_EQ(RunOutputFolder(RunState(), job), "/elsewhere/");

    HtmlOptions options;
    options.UseTables = false;
    LinkPrefixes prefixes;
    DeriveAddressesForRun(options, prefixes, state, job, folder);
    test::FakeMessages boxes;
    StoringEditor editor;
    EXPECT_TRUE(WriteGalleryOfRun(state, options, location, editor, boxes));
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_EQ(editor.path, folder + "/MyWeb.htm");
    const QByteArray page = test::ReadFile(editor.path);
    EXPECT_TRUE(page.contains("Thumb001.jpg"));
    EXPECT_FALSE(page.contains("gone.jpg")); // only outputs that exist are shown

    const GalleryLocation missing { folder + "/no/such", "MyWeb.htm" };
    EXPECT_FALSE(WriteGalleryOfRun(state, options, missing, editor, boxes));
    EXPECT_EQ(boxes.texts, QStringList { "Cannot create file " + missing.pagePath() });
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Error);
}

} // namespace
} // namespace pixmaro
