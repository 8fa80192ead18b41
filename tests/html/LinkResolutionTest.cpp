// Tests of relative folder references and of the address derivation done when the dialog opens.
#include "html/LinkResolution.h"

#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(RelativeFolderReference, WindowsPaths)
{
    const struct {
        const char *page, *target, *expected;
    } rows[] = {
        { "C:\\Web", "C:\\Web\\Thumbs\\", "Thumbs/" },
        { "C:\\Web\\Html", "C:\\Web\\Pics\\", "../Pics/" },
        { "C:\\A\\B\\C", "C:\\A\\", "../../" },
        { "C:\\", "C:\\Pics\\Big\\", "Pics/Big/" },
        { "C:\\Pics", "C:\\", "../" },
        { "C:\\Pics", "c:\\PICS\\", "" },
        { "C:\\Web\\html", "C:\\web\\Pics\\", "../Pics/" },
        { "C:\\Web\\Html\\Sub", "C:\\Web\\Pics\\Big\\", "../../Pics/Big/" },
        { "C:\\Pics", "D:\\Pics\\", "*" },
    };
    for (const auto &row : rows)
        EXPECT_EQ(RelativeFolderReference(row.page, row.target), row.expected)
            << row.page << " -> " << row.target;
}

TEST(RelativeFolderReference, PosixPathsNeverHaveDrivesAndKeepLetterCase)
{
    const struct {
        const char *page, *target, *expected;
    } rows[] = {
        { "/home/ann/web", "/home/ann/web/thumbs/", "thumbs/" },
        { "/home/ann/web/html", "/home/ann/web/pics/", "../pics/" },
        { "/a/b/c", "/a/", "../../" },
        { "/", "/pics/big/", "pics/big/" },
        { "/pics", "/", "../" },
        { "/pics/", "/pics/", "" },
        { "/Web/html", "/web/pics/", "../../web/pics/" }, // different folders on Linux
        { "/mnt/usb/web", "/home/ann/pics/", "../../../home/ann/pics/" },
    };
    for (const auto &row : rows)
        EXPECT_EQ(RelativeFolderReference(row.page, row.target), row.expected)
            << row.page << " -> " << row.target;
}

TEST(LinkAddresses, DerivedWhenTheDialogOpens)
{
    HtmlOptions options;
    LinkPrefixes prefixes;
    options.OriginalLinkOpt = int(LinkMode::RelativeLocation);
    options.ThumbLinkOpt = int(LinkMode::GenericLocation);
    DeriveAddressesOnOpening(
        options, prefixes, "/home/ann/web", "/home/ann/pics/", "/home/ann/web/");
    EXPECT_EQ(options.OriginalLinkAddress, "../pics/");
    EXPECT_EQ(options.ThumbLinkAddress, "");
    EXPECT_EQ(prefixes.ThumbRelativePrefix, "");

    // A different drive falls back to the local-drive address and mode, without a warning.
    HtmlOptions windows;
    LinkPrefixes windowsPrefixes;
    DeriveAddressesOnOpening(windows, windowsPrefixes, "D:\\Web", "C:\\Pics\\", "D:\\Web\\");
    EXPECT_EQ(windows.OriginalLinkOpt, int(LinkMode::LocalDrive));
    EXPECT_EQ(windows.OriginalLinkAddress, "file:///C:\\Pics\\");
    EXPECT_EQ(windows.ThumbLinkOpt, int(LinkMode::RelativeLocation));
    EXPECT_EQ(windows.ThumbLinkAddress, "");

    // Choosing the relative mode afterwards warns, and shows the fallback.
    windows.OriginalLinkOpt = int(LinkMode::RelativeLocation);
    LinkSide side { windows.OriginalLinkOpt, windows.OriginalLinkAddress,
        windowsPrefixes.OriginalHttpPrefix, windowsPrefixes.OriginalRelativePrefix, "C:\\Pics\\" };
    EXPECT_EQ(ApplyModeRule(side, "D:\\Web"),
        "*WARNING* Pixmaro cannot use relative\r\n reference to files on a different drive.");
    EXPECT_EQ(windows.OriginalLinkAddress, "file:///C:\\Pics\\");
}

TEST(LinkAddresses, ModesAndRemembering)
{
    HtmlOptions o;
    LinkPrefixes p;
    LinkSide side { o.ThumbLinkOpt, o.ThumbLinkAddress, p.ThumbHttpPrefix, p.ThumbRelativePrefix,
        "/srv/pics/" };
    o.ThumbLinkOpt = int(LinkMode::LocalDrive);
    ApplyModeRule(side, "/srv/web");
    EXPECT_EQ(o.ThumbLinkAddress, "file:///srv/pics/");
    o.ThumbLinkOpt = int(LinkMode::ExplicitInternet);
    ApplyModeRule(side, "/srv/web");
    EXPECT_EQ(o.ThumbLinkAddress, "http://");
    o.ThumbLinkAddress = "http://example.org/pics/";
    RememberAddress(side);
    EXPECT_EQ(p.ThumbHttpPrefix, "http://example.org/pics/");
    o.ThumbLinkOpt = int(LinkMode::LocalDrive);
    o.ThumbLinkAddress = "typed";
    RememberAddress(side);
    EXPECT_EQ(p.ThumbHttpPrefix, "http://example.org/pics/");
    EXPECT_EQ(p.ThumbRelativePrefix, "images/");
    EXPECT_EQ(FileNameOf("C:\\Pics\\a.jpg"), "a.jpg");
    EXPECT_EQ(FolderOf("/srv/pics/a.jpg"), "/srv/pics/");
}

} // namespace
} // namespace pixmaro
